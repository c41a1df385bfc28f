// CCopyItem: one record of a copy list. The file copy phase builds the list per directory (begin,
// source directory, files, end; depth-first); the directory attribute phase builds one record per
// directory. The attribute and time rules fill in the flags and the time.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

class CItemInfo;

// Kinds (dwKind). The three directory kinds are tested under COPY_KIND_DIR_MASK, files by their bit.
enum : DWORD {
    COPY_KIND_DIR_ATTR = 0x100,     // directory attributes: strPath = destination directory
    COPY_KIND_FILE = 0x200,         // file: strPath = the entry's name only (full path while applied)
    COPY_KIND_DIR_BEGIN = 0x10000,  // directory begin: strPath = destination directory
    COPY_KIND_SOURCE_DIR = 0x20000, // source directory: strPath = the item's source path, no item
    COPY_KIND_DIR_END = 0x40000,    // directory end: empty path, pData.nFileCount = its file records
    COPY_KIND_DIR_MASK = 0xF0000,
};

// Flags in the low byte of dwKind, set by the attribute and time rules.
enum : DWORD {
    COPY_FLAG_SET_ATTR = 0x1, // give the destination the item's m_dwAttributes
    COPY_FLAG_SET_TIME = 0x2, // give the destination pData.pTime as its last-write time
    COPY_FLAGS_MASK = 0xFF,
};

struct CCopyItem {
    CCopyItem() = default;
    CCopyItem(DWORD dwKindIn, std::wstring strPathIn, CItemInfo *pItemIn)
        : dwKind(dwKindIn), strPath(std::move(strPathIn)), pItem(pItemIn)
    {
    }

    DWORD Kind() const { return dwKind & ~COPY_FLAGS_MASK; }
    DWORD DirKind() const { return dwKind & COPY_KIND_DIR_MASK; }
    bool IsFile() const { return (dwKind & COPY_KIND_FILE) != 0; }
    bool HasFlag(DWORD dwFlag) const { return (dwKind & dwFlag) != 0; }

    DWORD dwKind = 0;
    std::wstring strPath;
    // File records: the time to give the file (null when none). Directory end records: the number
    // of file records of that directory.
    union {
        const FILETIME *pTime;
        uintptr_t nFileCount;
    } pData = {nullptr};
    CItemInfo *pItem = nullptr; // not owned; null for source directory records
    // File records: no entry had the destination name when the rules looked (the copy then
    // need not look again; a name taken since is still judged by the policy).
    bool bDestFree = false;
};
