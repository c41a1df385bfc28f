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
// The Linux path Wine maps a Windows path to; empty outside Wine.
std::string LinuxPath(const std::wstring &strPath);
// Runs a command of the Linux shell (ASCII text, no double quotes) and waits for it; true when it
// exited with 0. Makes what Win32 cannot: symbolic links, names differing only in case.
bool RunLinuxShell(const std::string &strCommand);
// Appends a record for every file directly in strDir to dir, as a scan makes them, and makes
// strDir dir's source.
void AddFileEntries(CItemInfo &dir, const std::wstring &strDir);
