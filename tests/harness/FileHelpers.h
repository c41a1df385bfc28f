// Looking at real files from a test: their bytes, whether a path is there, a directory's entries,
// and a directory's files recorded as a scan records them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CItemInfo;

// A whole file's bytes, or "<missing>" when it cannot be read (readable in a failed comparison).
std::string FileBytes(const std::wstring &strPath);
// True when a file or directory has this path.
bool PathExists(const std::wstring &strPath);
// Entries of a directory, sorted by name, without "." and "..".
std::vector<WIN32_FIND_DATAW> ListDir(const std::wstring &strDir);
// Appends a record for every file directly in strDir to dir, as a scan makes them, and makes
// strDir dir's source.
void AddFileEntries(CItemInfo &dir, const std::wstring &strDir);
