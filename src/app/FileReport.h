// The text of the report pane: the copy-target files of the selected directory, for the directory
// itself and, in brackets, for it with everything below it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

struct CFileReportFigures {
    std::wstring strName = L"(Invalid)"; // the selected item's name
    std::wstring strSourcePath;          // where its files were read from; empty: unknown
    DWORD dwCount = 0;                   // its own file entries
    uint64_t nSize = 0;                  // and their bytes
    DWORD dwTreeCount = 0;               // file entries of it and everything below it
    uint64_t nTreeSize = 0;              // and their bytes
    DWORD dwScanFlags = 0;               // ITEM_FLAG_NOT_FOLLOWED, ITEM_FLAG_UNREADABLE of the item
};

// Lines end with CR LF. The counts are padded to the widths of the grouped sizes below them, so
// the two columns line up in the report's fixed-pitch font.
std::wstring FormatFileReport(const CFileReportFigures &fig);
