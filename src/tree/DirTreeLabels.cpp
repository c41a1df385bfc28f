// Label editing: F2, the begin and end of an edit, and ending it from the main window.
#include "tree/DirTreeCtrl.h"

#include "framework/Seams.h"

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
    // An empty name is how a deleted record is recognised: a live node never gets one.
    if (!nm.item.pszText[0]) {
        UiMessageBeep(0);
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
