// Drag and drop of directory nodes: what may be dragged, where it lands, what follows a drop.
#include "tree/DirTreeCtrl.h"

#include "framework/Seams.h"

bool CDirTreeCtrl::CanBeginDrag(HTREEITEM hItem)
{
    const CItemInfo *pRecord = GetItemRecord(hItem);
    if (pRecord && pRecord->IsKind(ITEM_KIND_ROOT)) {
        UiMessageBeep(0);
        return false;
    }
    // Nothing is selected while a node is dragged.
    SelectItem(nullptr);
    return true;
}

int CDirTreeCtrl::DragTest(UINT nKeyFlags, POINT pt, HTREEITEM hDragItem, HTREEITEM &hTarget)
{
    int nType =
        DirectoryDragType(CDragTreeCtrl::DragTest(nKeyFlags, pt, hDragItem, hTarget), IsInClientArea(pt), nKeyFlags);
    // Empty space stands for the root: the tree has a single top node.
    if (!hTarget || hTarget == TVI_ROOT)
        hTarget = GetRootItem();
    return nType;
}

bool CDirTreeCtrl::CanDrop(HTREEITEM &hDragItem, HTREEITEM &hTarget, POINT pt, bool bMove)
{
    // A drop on no node inside the tree lands below the root, never beside it.
    if (hDragItem && !hTarget && IsInClientArea(pt))
        hTarget = GetRootItem();
    return CDragTreeCtrl::CanDrop(hDragItem, hTarget, pt, bMove);
}

void CDirTreeCtrl::PrepareCopyInsert(TVINSERTSTRUCTW &tvis, bool bTop, bool bMove)
{
    if (!bTop || !bMove)
        return;
    const auto *pRecord = reinterpret_cast<const CItemInfo *>(tvis.item.lParam);
    HTREEITEM hMoved = pRecord && pRecord->m_hTreeItem ? pRecord->m_hTreeItem : m_hDragItem;
    m_hRefreshItem = GetParentItem(hMoved);
}

void CDirTreeCtrl::OnItemCopied(HTREEITEM hNewItem, CItemInfo *pRecord, bool bTop)
{
    // Until now the record still names the node it was copied from.
    HTREEITEM hSource = pRecord ? pRecord->m_hTreeItem : nullptr;
    if (pRecord)
        pRecord->m_hTreeItem = hNewItem;
    // Each level is sorted and its parent's image set once, after its last node was copied, so that
    // a directory with many sub-directories costs one sort rather than one per node.
    if (!bTop && hSource && GetNextSiblingItem(hSource))
        return;
    HTREEITEM hParent = GetParentItem(hNewItem);
    SortChildren(hParent ? hParent : TVI_ROOT);
    UpdateItemImage(hParent);
}

void CDirTreeCtrl::OnDropRefused(HTREEITEM hDragItem)
{
    // A move undone half-way has had its records pointed at copies that are gone again.
    for (HTREEITEM h = hDragItem; h; h = NextInSubtree(h, hDragItem)) {
        if (CItemInfo *pRecord = GetItemRecord(h))
            pRecord->m_hTreeItem = h;
    }
    if (m_hDropTarget)
        UpdateItemImage(m_hDropTarget);
    UiMessageBeep(0);
}
