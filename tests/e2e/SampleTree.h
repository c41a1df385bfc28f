// A source tree to scan, made on the real file system: nested directories with Japanese and ASCII
// names, hidden and system entries, and files of several sizes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct CSampleFile {
    const wchar_t *pszPath; // relative to the tree's root
    uint64_t nSize;
};

// Creates the directories and files below strRoot (which must exist); throws on failure.
void CreateSampleTree(const std::wstring &strRoot);

// What the tree view shows after a fresh scan of it with the default options (system directories
// skipped, hidden ones kept): "[ root ]" and the directories, two spaces of indent per level.
std::vector<std::wstring> SampleTreeOutline();

// The sample's files in one directory ("" for the root), and their total size.
std::vector<CSampleFile> SampleFilesIn(const std::wstring &strDir);
uint64_t SampleBytesIn(const std::wstring &strDir);
