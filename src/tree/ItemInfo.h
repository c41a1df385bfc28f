// CItemInfo: the record behind a tree node (the root or a directory) and behind a file entry.
// The hierarchy of directories lives in the tree view; a directory record lists only its files,
// and owns them.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The root record's name, which is its node's label.
inline constexpr wchar_t ROOT_ITEM_NAME[] = L"[ root ]";

// Kinds: the low byte of m_dwKindFlags, compared exactly.
enum : DWORD {
    ITEM_KIND_ROOT = 1,
    ITEM_KIND_DIR = 2,
    ITEM_KIND_FILE = 4,
    ITEM_KIND_MASK = 0xFF,
};

// Marks: bits of m_dwKindFlags.
enum : DWORD {
    ITEM_FLAG_COPIED = 0x10000,
    ITEM_FLAG_ATTRSET = 0x20000,
    ITEM_FLAGS_PROCESSED = 0x30000,   // a file entry counts as processed when either bit is set
    ITEM_FLAG_NOT_FOLLOWED = 0x40000, // the scan listed the directory but did not descend into it
    ITEM_FLAG_UNREADABLE = 0x80000,   // the scan could not list the directory (fully)
};

// Which timestamp an entry receives at the destination (m_nTimeMode).
enum : int {
    TIME_MODE_SYSCLOCK = 0,  // "作成時のｼｽﾃﾑｸﾛｯｸ"
    TIME_MODE_SOURCE = 1,    // "複写元に合わせる"
    TIME_MODE_SPECIFIED = 2, // "指定"
};

class CItemInfo;
// A directory's file entries, in the order the scan or a later sort left them.
using CItemList = std::vector<std::unique_ptr<CItemInfo>>;

class CItemInfo {
public:
    // The kind word is kept as given: a copy passes the full word, marks included.
    explicit CItemInfo(DWORD dwKindFlags);
    virtual ~CItemInfo();
    CItemInfo(const CItemInfo &) = delete;
    // Deep copy: the fields (tree handle included), then a copy of every file entry.
    CItemInfo &operator=(const CItemInfo &src);

    // A new record of the same kind word, assigned from this one.
    std::unique_ptr<CItemInfo> Clone() const;

    bool IsKind(DWORD dwKind) const { return (m_dwKindFlags & ITEM_KIND_MASK) == dwKind; }

    void MarkCopied() { m_dwKindFlags |= ITEM_FLAG_COPIED; }
    void SetCopied(bool bCopied);
    bool IsCopied() const { return (m_dwKindFlags & ITEM_FLAG_COPIED) != 0; }
    void MarkAttrSet() { m_dwKindFlags |= ITEM_FLAG_ATTRSET; }
    bool IsAttrSet() const { return (m_dwKindFlags & ITEM_FLAG_ATTRSET) != 0; }
    void SetProcessed(bool bProcessed);
    bool IsProcessed() const { return (m_dwKindFlags & ITEM_FLAGS_PROCESSED) != 0; }

    // File list changes that keep m_dwSize equal to the sum of the entries' sizes.
    CItemInfo *AppendFile(std::unique_ptr<CItemInfo> pFile);
    // The entry at nIndex taken out of the list, or null when there is none.
    std::unique_ptr<CItemInfo> RemoveFileAt(size_t nIndex);

    HTREEITEM m_hTreeItem = nullptr; // the node showing this record; null for file entries
    std::wstring m_strName;          // ROOT_ITEM_NAME for the root
    FILETIME m_ftSource = {};        // source last-write time (UTC); zero when unknown
    FILETIME m_ftSpecified = {};     // time chosen by the user (UTC); zero when none
    int m_nTimeMode = TIME_MODE_SYSCLOCK;
    DWORD m_dwAttributes = 0;
    DWORD m_dwKindFlags;
    std::wstring m_strSourcePath; // a scanned directory's path; where a file list was read from
    CItemList m_listFiles;        // file entries (ITEM_KIND_FILE); empty for file entries
    uint64_t m_dwSize = 0;        // a file's size; for a directory the sum over m_listFiles
};
