// The questions before a node is deleted or the tree cleared.
#include "tree/DirTreeCtrl.h"

#include "framework/Captions.h"
#include "framework/Seams.h"
#include "tree/TreeConfirmTexts.h"

bool CDirTreeCtrl::CanDeleteItem(HTREEITEM hItem, CItemInfo *pRecord)
{
    // Only directories; the root stays.
    if (!pRecord || !pRecord->IsKind(ITEM_KIND_DIR)) {
        UiMessageBeep(0);
        return false;
    }
    if (UiMessageBox(m_hWnd, DeleteNodeQuestion(pRecord->m_strName), CAPTION_CONFIRM, MB_OKCANCEL | MB_ICONQUESTION) !=
        IDOK)
        return false;
    m_hRefreshItem = GetParentItem(hItem);
    return true;
}

bool CDirTreeCtrl::CanClear()
{
    HTREEITEM hRoot = GetRootItem();
    if (!hRoot)
        return false; // nothing to clear
    if (GetCount() == 1) {
        const CItemInfo *pRoot = GetItemRecord(hRoot);
        if (!pRoot || pRoot->m_listFiles.empty())
            return true; // an empty root is not worth a question
    }
    return UiMessageBox(m_hWnd, ClearTreeQuestion(m_bBusy, NotCopyFile != 0), CAPTION_CONFIRM,
                        MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
