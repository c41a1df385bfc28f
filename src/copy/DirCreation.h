// Making the run's destination directories, remembering which of them this run made: only those
// count as new when the directory attributes are decided.
#pragma once
#include <string>
#include <unordered_set>

// Creates strPath with every missing level above it (CreateDirectoryPath's results). Each level
// made here goes into setMade in the form the run joins its paths: strPath cut at a backslash.
// On a failure *pstrFailedLevel names the level that could not be made or stands in the way.
int CreateRunDirectory(const std::wstring &strPath, std::unordered_set<std::wstring> &setMade,
                       std::wstring *pstrFailedLevel = nullptr);
