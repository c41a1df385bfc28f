// The bulk settings as a tree view operation: the dialog, then one pass over every record.
#include "dialogs/BulkAttrDlg.h"
#include "dialogs/ItemAttrRules.h"
#include "framework/Seams.h"
#include "support/StatusPacer.h"
#include "tree/DirTreeCtrl.h"

namespace {
const wchar_t kBulkStatusText[] = L"Resetting Attrib/TimeStamp Info of All Item ...";
} // namespace

void CDirTreeCtrl::ApplyBulkAttributes()
{
    // A scan or a run holds pointers into the records; neither may see them change underneath.
    if (m_bBusy || m_pStatusWnd) {
        UiMessageBeep(0);
        return;
    }
    CBulkAttrDlg dlg(GetParent());
    dlg.m_choices.m_nSortOrder = PresetDescending(FileSortOrder) ? 1 : 0;
    dlg.m_choices.m_nSortKey = PresetSortKey(FileSortOrder);
    if (dlg.DoModal() != IDOK)
        return;
    const CBulkAttrChoices &choices = dlg.m_choices;
    if (!HasBulkChoice(choices)) {
        UiMessageBeep(0);
        return;
    }

    // Nothing to cancel: the pass only changes records in memory and ends soon.
    OpenStatusWnd(false);
    CStatusPacer pacer(m_pStatusWnd);
    pacer.ShowPhase(kBulkStatusText, L"");
    // The records are only changed, never added or removed, so the list stays valid while the
    // queue is drained: the main window is busy and its tree locked.
    for (const auto &pRecord : GetItemDataList()) {
        pacer.ShowItem(nullptr, pRecord->m_strName.c_str());
        if (ApplyBulkToRecord(*pRecord, choices, true))
            UpdateItemImage(pRecord->m_hTreeItem);
    }
    CloseStatusWnd();
}
