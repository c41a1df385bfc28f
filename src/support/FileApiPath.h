// The form of a path handed to a file-system call. The ordinary form is shortened by the system:
// a last component loses trailing dots and spaces (so "ftrail." opens "ftrail") and a path is cut
// at MAX_PATH characters. The extended form ("\\?\X:\...", "\\?\UNC\server\share\...") is taken
// as it is written, so the entry named is the one listed and deep trees stay reachable. Windows
// and messages keep showing the ordinary form; only the calls get this one.
#pragma once
#include <string>

// The extended form of an absolute path ("X:\..." or "\\server\share\..."); any other path, and
// one the system would have to normalise first ("/", "." or ".." components, doubled
// separators), is returned unchanged. A path already in an extended or device form stays.
std::wstring FileApiPath(const std::wstring &strPath);
