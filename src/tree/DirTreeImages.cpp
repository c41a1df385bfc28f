// Node images: which of IDB_DIRTREE's images a node shows.
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
    UpdateNodeImage(hItem, false);
}

void CDirTreeCtrl::UpdateNodeImage(HTREEITEM hItem, bool bHasChild)
{
    if (!hItem)
        return;
    // A scan calls this for every node it inserts and every level it ends, and each call that names
    // a node costs the control a search through all of its nodes: read everything in one call and
    // set the images only when they change.
    TVITEMW tvi = {};
    tvi.mask = TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvi.hItem = hItem;
    tvi.stateMask = TVIS_EXPANDED;
    if (!SendTreeMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)))
        return;
    const auto *pRecord = reinterpret_cast<const CItemInfo *>(tvi.lParam);
    const bool bOpen = (tvi.state & TVIS_EXPANDED) && (bHasChild || GetChildItem(hItem));
    const int nImage =
        pRecord ? NodeImageIndex(pRecord->m_dwAttributes, !pRecord->m_listFiles.empty(), pRecord->IsCopied(), bOpen)
                : (bOpen ? 1 : 0);
    if (tvi.iImage != nImage || tvi.iSelectedImage != nImage)
        SetItemImage(hItem, nImage, nImage);
}
