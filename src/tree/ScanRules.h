// The rules of a scan that need no window: which entries are left out, how a directory's listing
// is ordered, the record made for a listed entry, and the texts the scan shows.
#pragma once
#include "tree/ItemInfo.h"

#include <memory>
#include <string>
#include <vector>

// True when the scan leaves a listed entry out; a directory left out is not descended into.
bool IsSkippedEntry(DWORD dwAttributes, bool bSkipSystem, bool bSkipHidden);

// The SortFindList mode that FileSortOrder asks for; 0 when the listing keeps the file system's order.
DWORD ScanSortMode(int nFileSortOrder);

// The record of one entry listed in strDir: a directory (ITEM_KIND_DIR, its source path set) or a
// file (ITEM_KIND_FILE, matching the source's time, with its size).
std::unique_ptr<CItemInfo> MakeScanRecord(const WIN32_FIND_DATAW &fd, const std::wstring &strDir);

// The file entries a node held before the scan reached it. Each absorbs one new file of the same
// name (ignoring case), so loading a source twice adds no file twice.
class CKnownFiles {
public:
    explicit CKnownFiles(const CItemList &listFiles);
    // True when a known entry of this name was left; that entry is then used up.
    bool Take(const std::wstring &strName);

private:
    // Sorted by name, ignoring case; equal names keep the file list's order.
    std::vector<const std::wstring *> m_listNames;
};

// Status lines.
extern const wchar_t *const kScanSearchingText; // "Searching Sub Directory..."
extern const wchar_t *const kScanSortingText;   // "Sorting File List ..."

// The message for a chosen directory in which nothing was listed.
std::wstring NoSubDirMessage(bool bNotCopyFile);

// The warning for files of a further source below a node that holds files of another one.
extern const wchar_t *const kScanWarningCaption; // "Warning"
std::wstring ForeignFilesWarning(const std::wstring &strSubDirName, const std::wstring &strSearchDir);
