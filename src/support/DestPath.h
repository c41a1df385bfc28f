// Where the run writes: a destination typed by a person made into one absolute path, and whether a
// path lies inside a directory (by text, and by identity where both exist on disk).
#pragma once
#include <string>

enum DestPathCheck {
    DEST_OK,
    DEST_EMPTY,        // nothing but blanks
    DEST_NOT_ABSOLUTE, // relative, drive-relative ("C:x") or rooted ("\x"), or a device path
    DEST_BAD_NAME,     // a level the file system would not create as typed (see ItemName.h)
};

struct CDestPath {
    DestPathCheck nCheck = DEST_EMPTY;
    std::wstring strPath;  // DEST_OK: the absolute, normalised path, no trailing backslash below a root
    std::wstring strLevel; // DEST_BAD_NAME: the level refused
};

// Blanks around the text are dropped; only "X:\..." and "\\server\share..." are taken, then
// normalised ("." and ".." resolved, "/" made "\").
CDestPath NormaliseDestination(const std::wstring &strInput);

// The absolute form of a path as the system resolves it; empty when it cannot.
std::wstring GetFullPath(const std::wstring &strPath);

// True when strPath, made absolute, is strDir or lies below it (letters compared without case).
bool IsPathWithin(const std::wstring &strDir, const std::wstring &strPath);

// IsPathWithin, or a level of strPath that exists is strDir itself under another name (a short
// name, a link, another drive letter for the same place).
bool IsSameOrInsideDirectory(const std::wstring &strDir, const std::wstring &strPath);
