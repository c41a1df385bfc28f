// File-system helpers: well-known directories, one entry by path, making a directory path exist.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

enum {
    SPECIAL_DIR_CURRENT = 0,
    SPECIAL_DIR_WINDOWS = 1,
    SPECIAL_DIR_SYSTEM = 2,
    SPECIAL_DIR_TEMP = 3, // ends with a backslash, as the system gives it
};

// The directory as the system reports it; an unknown code means the current directory.
std::wstring GetSpecialDirectory(int nCode);

// true when the path names an existing entry that is not a directory; its find data then go to
// *pFindData when given. A last component with wildcards names no entry.
bool FindFileEntry(const std::wstring &strPath, WIN32_FIND_DATAW *pFindData = nullptr);

// Which directory a path names, whichever path leads there.
struct CDirIdentity {
    DWORD dwVolume = 0;  // the volume's serial number
    uint64_t nIndex = 0; // the file index on it
    bool operator==(const CDirIdentity &o) const { return dwVolume == o.dwVolume && nIndex == o.nIndex; }
};
// False when the directory cannot be opened or tells no identity.
bool ReadDirIdentity(const std::wstring &strPath, CDirIdentity &identity);

// Results of CreateDirectoryPath.
enum {
    CDP_NOT_DIR = -2, // the path, or a level of it, exists as something other than a directory
    CDP_FAILED = -1,  // creating a level failed (the system's last error says why)
    CDP_MISSING = 0,  // does not exist, and bCreate was false
    CDP_EXISTS = 1,   // exists already, or is a drive root
    CDP_CREATED = 2,  // at least one level was created
};

// Makes sure a directory path exists, creating every missing level when bCreate is set.
// Roots: "X:\", "\" (the current drive) and "\\server\share" (must be reachable, never created);
// a drive that is not there counts as missing. On CDP_NOT_DIR the last error is
// ERROR_ALREADY_EXISTS. On a failure *pstrFailedLevel names the level that could not be made or
// stands in the way (the path itself, a level above it, or its root).
int CreateDirectoryPath(const std::wstring &strPath, bool bCreate, std::wstring *pstrFailedLevel = nullptr);
