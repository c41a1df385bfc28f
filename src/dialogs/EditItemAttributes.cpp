// The tree view's entry to the item attributes dialog.
#include "dialogs/ItemAttrDlg.h"
#include "dialogs/ItemAttrRules.h"
#include "tree/DirTreeCtrl.h"

void CDirTreeCtrl::EditItemAttributes(HTREEITEM hItem)
{
    CItemInfo *pRecord = hItem ? GetItemRecord(hItem) : nullptr;
    if (!pRecord)
        return;
    // Owned by the main window, so that it stays modal to it.
    CItemAttrDlg dlg(::GetAncestor(m_hWnd, GA_ROOT));
    dlg.m_bDescending = PresetDescending(FileSortOrder);
    dlg.m_nSortKey = PresetSortKey(FileSortOrder);
    dlg.m_item = *pRecord;
    if (dlg.DoModal() != IDOK)
        return;
    *pRecord = dlg.m_item;
    SetItemText(hItem, pRecord->m_strName);
    ApplyCopiedMark(*pRecord);
    UpdateItemImage(hItem);
}
