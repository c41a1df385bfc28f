// Records that count how many of their class are alive, so tree tests can see what was freed.
#pragma once
#include "tree/ItemInfo.h"

#include <windows.h>

#include <memory>
#include <string>

class CCountedItem : public CItemInfo {
public:
    static inline int s_nAlive = 0;
    explicit CCountedItem(DWORD dwKind, const std::wstring &strName = std::wstring()) : CItemInfo(dwKind)
    {
        ++s_nAlive;
        m_strName = strName;
    }
    ~CCountedItem() override { --s_nAlive; }
};

// A directory node with counted records: nFiles entries of 100 bytes each.
template <class TTree>
HTREEITEM AddCountedDir(TTree &tree, HTREEITEM hParent, const std::wstring &strName,
                        DWORD dwAttributes = FILE_ATTRIBUTE_DIRECTORY, int nFiles = 0)
{
    auto pDir = std::make_unique<CCountedItem>(ITEM_KIND_DIR, strName);
    pDir->m_dwAttributes = dwAttributes;
    for (int i = 0; i < nFiles; ++i) {
        auto pFile = std::make_unique<CCountedItem>(ITEM_KIND_FILE, strName + L".f" + std::to_wstring(i));
        pFile->m_dwSize = 100;
        pDir->AppendFile(std::move(pFile));
    }
    return tree.InsertItemData(hParent, std::move(pDir), TVI_SORT);
}
