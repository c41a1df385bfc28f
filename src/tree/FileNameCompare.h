// The order of a directory's file entries that the attribute dialogs sort into: by whole name or by
// extension (then base), ignoring case as every name comparison of the program does; descending
// negates. The mode travels with the comparison object, so two sorts never share a setting.
#pragma once
#include "tree/ItemInfo.h"

#include <memory>

enum : DWORD {
    FILE_SORT_BY_EXT = 0x1,
    FILE_SORT_DESCENDING = 0x100,
};

// <0, 0, >0 for the entries' names under the mode.
int FileNameCompare(const CItemInfo &a, const CItemInfo &b, DWORD dwMode);

// FileNameCompare with its mode, for SortFileList over a CItemList.
class CFileNameCompare {
public:
    explicit CFileNameCompare(DWORD dwMode) : m_dwMode(dwMode) {}
    int operator()(const std::unique_ptr<CItemInfo> &a, const std::unique_ptr<CItemInfo> &b) const
    {
        return FileNameCompare(*a, *b, m_dwMode);
    }
    DWORD GetMode() const { return m_dwMode; }

private:
    DWORD m_dwMode;
};
