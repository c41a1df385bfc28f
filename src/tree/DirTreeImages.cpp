// Node images: which of bitmap 147's images a node shows.
#include "tree/DirTreeCtrl.h"

#include "tree/NodeImage.h"

int CDirTreeCtrl::GetItemImage(const CItemInfo *pRecord) const
{
    if (!pRecord)
        return 0;
    return NodeImageIndex(pRecord->m_dwAttributes, !pRecord->m_listFiles.empty(), pRecord->IsCopied(), false);
}

void CDirTreeCtrl::UpdateItemImage(HTREEITEM hItem)
{
    if (!hItem)
        return;
    const CItemInfo *pRecord = GetItemRecord(hItem);
    bool bOpen = (GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) && GetChildItem(hItem);
    int nImage =
        pRecord ? NodeImageIndex(pRecord->m_dwAttributes, !pRecord->m_listFiles.empty(), pRecord->IsCopied(), bOpen)
                : (bOpen ? 1 : 0);
    SetItemImage(hItem, nImage, nImage);
}
