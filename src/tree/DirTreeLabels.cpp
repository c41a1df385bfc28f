// Label editing: F2, the begin and end of an edit, and ending it from the main window.
#include "tree/DirTreeCtrl.h"

#include "framework/Captions.h"
#include "framework/Seams.h"
#include "support/ItemName.h"

#include <algorithm>

void CDirTreeCtrl::EndLabelEdit(bool bCancel)
{
    if (m_bEditing)
        EndEditLabelNow(bCancel);
}

bool CDirTreeCtrl::OnBeginLabelEdit(const NMTVDISPINFOW &nm, LRESULT *pResult)
{
    if (m_bLocked) {
        UiMessageBeep(0);
        *pResult = TRUE;
        return true;
    }
    const CItemInfo *pRecord = GetItemRecord(nm.item.hItem);
    if (!pRecord || !pRecord->IsKind(ITEM_KIND_DIR)) {
        *pResult = TRUE; // the root keeps its name
        return true;
    }
    m_bEditing = true;
    *pResult = FALSE;
    return true;
}

bool CDirTreeCtrl::OnEndLabelEdit(const NMTVDISPINFOW &nm, LRESULT *pResult)
{
    *pResult = FALSE;
    // Hiding the edit box moves the focus, and some tree views then report the end of the same
    // edit again, with the box's text even when it was cancelled: only the first report counts.
    if (!m_bEditing)
        return true;
    m_bEditing = false;
    if (m_bLocked) {
        UiMessageBeep(0);
        return true;
    }
    if (!nm.item.pszText)
        return true; // cancelled
    // The name becomes a path below the destination: it must stay one entry inside its parent.
    // (An empty name is also how a deleted record is recognised.)
    if (CheckItemName(nm.item.pszText) != NAME_OK) {
        // The tree view closes the edit after this notification; it is opened again from the queue.
        m_hRefusedItem = nm.item.hItem;
        m_strRefusedText = nm.item.pszText;
        PostMessage(WM_REOPENLABEL);
        return true;
    }
    CItemInfo *pRecord = GetItemRecord(nm.item.hItem);
    if (!pRecord)
        return true;
    pRecord->m_strName = nm.item.pszText;
    SetItemText(nm.item.hItem, pRecord->m_strName);
    *pResult = TRUE;
    return true;
}

void CDirTreeCtrl::ReopenRefusedLabel()
{
    const HTREEITEM hItem = m_hRefusedItem;
    const std::wstring strText = std::move(m_strRefusedText);
    m_hRefusedItem = nullptr;
    if (!hItem)
        return;
    UiMessageBeep(0);
    UiMessageBox(m_hWnd, ItemNameErrorText(CheckItemName(strText)), CAPTION_ERROR, MB_OK | MB_ICONSTOP);
    // The node may have gone, or the window turned busy, while the message was up.
    const auto &list = GetItemDataList();
    const bool bLive = std::any_of(list.begin(), list.end(), [&](const std::unique_ptr<CItemInfo> &p) {
        return p->m_hTreeItem == hItem && !p->m_strName.empty();
    });
    if (!bLive || m_bLocked || m_bEditing)
        return;
    if (HWND hEdit = EditLabel(hItem)) {
        ::SetWindowTextW(hEdit, strText.c_str());
        ::SendMessageW(hEdit, EM_SETSEL, 0, -1);
    }
}
