// Records, insertion, deletion, clearing and the copy of subtrees.
#include "tree/DragTreeCtrl.h"

#include "framework/Seams.h"

#include <vector>

CDragTreeCtrl::~CDragTreeCtrl()
{
    StopDragImage();
    DeleteAllItemData();
    if (m_hWnd && m_imageList)
        SetImageList(nullptr, TVSIL_NORMAL);
}

HTREEITEM CDragTreeCtrl::InsertItemData(HTREEITEM hParent, std::unique_ptr<CItemInfo> pRecord, HTREEITEM hInsertAfter)
{
    if (!hParent)
        hParent = GetSelectedItem();
    if (!hParent)
        hParent = GetRootItem();
    if (!hParent)
        hParent = TVI_ROOT;
    std::wstring strLabel;
    int nImage = 0, nSelImage = 0;
    if (!GetInsertInfo(hParent, pRecord.get(), strLabel, nImage, nSelImage))
        return nullptr;
    CItemInfo *pRaw = pRecord.get();
    HTREEITEM hNew = InsertItem(strLabel, nImage, nSelImage, hParent, hInsertAfter, reinterpret_cast<LPARAM>(pRaw));
    if (!hNew)
        return nullptr;
    AdoptItemData(std::move(pRecord));
    const HTREEITEM hOuterParent = m_hInsertParent; // an insertion made from the hook's notifications
    m_hInsertParent = hParent == TVI_ROOT ? nullptr : hParent;
    OnItemInserted(hNew, pRaw, strLabel);
    m_hInsertParent = hOuterParent;
    return hNew;
}

bool CDragTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    if (!hItem)
        hItem = GetSelectedItem();
    if (!hItem)
        hItem = GetRootItem();
    if (!hItem)
        return false;
    CItemInfo *pTop = GetItemRecord(hItem);
    if (!CanDeleteItem(hItem, pTop))
        return false;
    for (HTREEITEM h = hItem; h; h = NextInSubtree(h, hItem))
        OnItemRemoved(GetItemRecord(h));
    CTreeCtrl::DeleteItem(hItem);
    OnItemsDeleted(pTop);
    return true;
}

bool CDragTreeCtrl::ClearTree()
{
    if (!CanClear())
        return false;
    DeleteAllItems();
    DeleteAllItemData();
    OnCleared();
    return true;
}

void CDragTreeCtrl::DeleteAllItemData()
{
    m_mapItemData.clear();
    while (!m_listItemData.empty()) {
        std::unique_ptr<CItemInfo> pRecord = std::move(m_listItemData.front());
        m_listItemData.pop_front();
        OnDeleteItemData(std::move(pRecord));
    }
}

bool CDragTreeCtrl::SetItemImageList(UINT nBitmapId, int nImageWidth, COLORREF crMask)
{
    HIMAGELIST hList = ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapId), nImageWidth, 0,
                                              crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (!hList)
        return false;
    SetImageList(hList, TVSIL_NORMAL);
    m_imageList.Attach(hList);
    return true;
}

HTREEITEM CDragTreeCtrl::NextInSubtree(HTREEITEM h, HTREEITEM hTop) const
{
    if (HTREEITEM hChild = GetChildItem(h))
        return hChild;
    for (; h && h != hTop; h = GetParentItem(h)) {
        if (HTREEITEM hNext = GetNextSiblingItem(h))
            return hNext;
    }
    return nullptr;
}

bool CDragTreeCtrl::IsInSubtree(HTREEITEM hItem, HTREEITEM hTop) const
{
    for (HTREEITEM h = hItem; h; h = GetParentItem(h)) {
        if (h == hTop)
            return true;
    }
    return false;
}

HTREEITEM CDragTreeCtrl::CopySubtree(HTREEITEM hSource, HTREEITEM hNewParent, bool bMove, bool bTop)
{
    // Into its own subtree the copy would never end.
    if (!hSource || (hNewParent && IsInSubtree(hNewParent, hSource)))
        return nullptr;
    CCopyProgress progress;
    HTREEITEM hLast = CopyNode(hSource, hNewParent, bMove, bTop, progress);
    if (!bMove || !hLast)
        return hLast;
    if (!progress.bComplete) {
        // A moved record must never be shown by two nodes: the partial copy goes, the source stays.
        CTreeCtrl::DeleteItem(progress.hTop);
        return nullptr;
    }
    // Every node is in place: only now do the source's children go.
    while (HTREEITEM hChild = GetChildItem(hSource))
        CTreeCtrl::DeleteItem(hChild);
    return hLast;
}

HTREEITEM CDragTreeCtrl::CopyNode(HTREEITEM hSource, HTREEITEM hNewParent, bool bMove, bool bTop,
                                  CCopyProgress &progress)
{
    // The whole label, however long the name.
    std::wstring strLabel = GetItemText(hSource);
    int nImage = 0, nSelImage = 0;
    GetItemImage(hSource, nImage, nSelImage);
    CItemInfo *pRecord = GetItemRecord(hSource);
    CItemInfo *pDuplicate = nullptr;
    if (!bMove) {
        pDuplicate = AdoptItemData(DuplicateItemData(pRecord));
        pRecord = pDuplicate;
    }

    TVINSERTSTRUCTW tvis = {};
    tvis.hParent = hNewParent ? hNewParent : TVI_ROOT;
    tvis.hInsertAfter = TVI_LAST;
    // The expanded state is not carried over.
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    tvis.item.pszText = strLabel.data();
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelImage;
    tvis.item.lParam = reinterpret_cast<LPARAM>(pRecord);
    PrepareCopyInsert(tvis, bTop, bMove);
    auto hNew = reinterpret_cast<HTREEITEM>(SendTreeMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tvis)));
    if (!hNew) {
        if (pDuplicate)
            OnDeleteItemData(DetachItemData(pDuplicate));
        progress.bComplete = false;
        return nullptr;
    }
    if (!progress.hTop)
        progress.hTop = hNew;
    OnItemCopied(hNew, pRecord, bTop);

    HTREEITEM hLast = hNew;
    for (HTREEITEM hChild = GetChildItem(hSource); hChild; hChild = GetNextSiblingItem(hChild)) {
        if (HTREEITEM h = CopyNode(hChild, hNew, bMove, false, progress))
            hLast = h;
        // A move stops at the first node that could not be placed; a copy goes on without it.
        if (bMove && !progress.bComplete)
            break;
    }
    return hLast;
}

CItemInfo *CDragTreeCtrl::AdoptItemData(std::unique_ptr<CItemInfo> pRecord)
{
    if (!pRecord)
        return nullptr;
    CItemInfo *pRaw = pRecord.get();
    m_listItemData.push_back(std::move(pRecord));
    m_mapItemData[pRaw] = std::prev(m_listItemData.end());
    return pRaw;
}

std::unique_ptr<CItemInfo> CDragTreeCtrl::DetachItemData(CItemInfo *pRecord)
{
    auto it = m_mapItemData.find(pRecord);
    if (it == m_mapItemData.end())
        return nullptr;
    std::unique_ptr<CItemInfo> pOwned = std::move(*it->second);
    m_listItemData.erase(it->second);
    m_mapItemData.erase(it);
    return pOwned;
}

bool CDragTreeCtrl::IsInClientArea(POINT pt) const
{
    RECT rc = GetClientRect();
    return ::PtInRect(&rc, pt) != FALSE;
}

// Neutral defaults of the hooks.

void CDragTreeCtrl::OnDeleteItemData(std::unique_ptr<CItemInfo>) {}

bool CDragTreeCtrl::GetInsertInfo(HTREEITEM &, CItemInfo *, std::wstring &strLabel, int &nImage, int &nSelImage)
{
    strLabel = L"新しいｱｲﾃﾑ";
    nImage = nSelImage = 0;
    return true;
}

bool CDragTreeCtrl::CanDeleteItem(HTREEITEM, CItemInfo *)
{
    return true;
}

void CDragTreeCtrl::OnItemRemoved(CItemInfo *) {}

std::unique_ptr<CItemInfo> CDragTreeCtrl::DuplicateItemData(const CItemInfo *)
{
    return nullptr;
}

bool CDragTreeCtrl::CanClear()
{
    return true;
}

void CDragTreeCtrl::OnCleared() {}

bool CDragTreeCtrl::CanBeginDrag(HTREEITEM)
{
    return true;
}

void CDragTreeCtrl::PrepareCopyInsert(TVINSERTSTRUCTW &, bool, bool) {}

void CDragTreeCtrl::OnItemCopied(HTREEITEM, CItemInfo *, bool) {}

void CDragTreeCtrl::OnDropRefused(HTREEITEM)
{
    UiMessageBeep(0);
}

bool CDragTreeCtrl::OnItemInserted(HTREEITEM, CItemInfo *, const std::wstring &)
{
    return true;
}

bool CDragTreeCtrl::OnItemsDeleted(CItemInfo *)
{
    return true;
}
