// Names that one destination cannot tell apart. A source on a file system that tells case apart
// (or that keeps trailing dots and spaces) can hold "Index.html" and "index.html", or "ftrail."
// and "ftrail", side by side; an ordinary destination holds one file for each such group.
#pragma once
#include <string>
#include <vector>

// The name as such a destination compares it: trailing dots and spaces dropped (unless nothing
// would be left), upper case ordinally. Equal keys name one destination entry.
std::wstring DestNameKey(const std::wstring &strName);

// For each name, the index of the first earlier name of the same key, or kNoTwin.
constexpr size_t kNoTwin = static_cast<size_t>(-1);
std::vector<size_t> FindNameTwins(const std::vector<std::wstring> &listNames);
