// Records of the nodes: the root, insertion, duplication, deletion and the purge after it.
#include "tree/DirTreeCtrl.h"

CDirTreeCtrl::CDirTreeCtrl() = default;

CDirTreeCtrl::~CDirTreeCtrl()
{
    DeleteAllItemData();
    CloseStatusWnd();
}

bool CDirTreeCtrl::EnsureRootItem()
{
    ClearTree();
    if (GetRootItem())
        return false;
    auto pRoot = std::make_unique<CItemInfo>(ITEM_KIND_ROOT);
    pRoot->m_strName = ROOT_ITEM_NAME;
    return InsertItemData(TVI_ROOT, std::move(pRoot), TVI_SORT) != nullptr;
}

void CDirTreeCtrl::OnDeleteItemData(std::unique_ptr<CItemInfo> pRecord)
{
    pRecord.reset(); // with its file entries
}

bool CDirTreeCtrl::GetInsertInfo(HTREEITEM &, CItemInfo *pRecord, std::wstring &strLabel, int &nImage, int &nSelImage)
{
    strLabel = pRecord ? pRecord->m_strName : std::wstring();
    nImage = nSelImage = GetItemImage(pRecord);
    return true;
}

bool CDirTreeCtrl::OnItemInserted(HTREEITEM hNewItem, CItemInfo *pRecord, const std::wstring &)
{
    if (pRecord)
        pRecord->m_hTreeItem = hNewItem;
    const HTREEITEM hParent = GetInsertParent();
    // Selecting the new node opens its parents; a scan may keep the tree closed.
    if (!(m_bBusy && NoExpandOnSearch))
        SelectItem(hNewItem);
    UpdateNodeImage(hParent, true);
    return true;
}

std::unique_ptr<CItemInfo> CDirTreeCtrl::DuplicateItemData(const CItemInfo *pRecord)
{
    if (!pRecord)
        return nullptr;
    auto pCopy = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    *pCopy = *pRecord;
    return pCopy;
}

void CDirTreeCtrl::OnItemRemoved(CItemInfo *pRecord)
{
    if (!pRecord)
        return;
    // An empty name marks the record as deleted; the purge frees it once the nodes are gone.
    pRecord->m_strName.clear();
    m_listRemoved.push_back(pRecord);
}

bool CDirTreeCtrl::OnItemsDeleted(CItemInfo *)
{
    // Only the records this deletion marked are visited, so a deletion costs what it removes.
    std::vector<CItemInfo *> listRemoved;
    listRemoved.swap(m_listRemoved);
    for (CItemInfo *pRecord : listRemoved) {
        if (pRecord->m_strName.empty())
            OnDeleteItemData(DetachItemData(pRecord));
    }
    RefreshAfterChange();
    return true;
}

void CDirTreeCtrl::OnCleared()
{
    ++m_nClears;
}

void CDirTreeCtrl::RefreshAfterChange()
{
    if (!m_hRefreshItem)
        return;
    UpdateItemImage(m_hRefreshItem);
    m_hRefreshItem = nullptr;
}
