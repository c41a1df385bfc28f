// Choosing the source to scan and the destination to build in.
#include "app/MainDlg.h"

#include "app/MainTexts.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/FolderDialog.h"

void CMainDlg::SelectDestination()
{
    m_strDestination = GetDlgItemText(IDC_DEST_PATH);
    CFolderDialog dlg;
    if (dlg.Browse(DestinationFolderTexts(), m_strDestination.c_str(), m_hWnd) != FOLDER_CHOSEN)
        return; // the typed text stays
    m_strDestination = dlg.GetPath();
    SetDlgItemText(IDC_DEST_PATH, m_strDestination);
}

void CMainDlg::SelectSource(bool bAddLoad)
{
    HTREEITEM hSelected = m_tree.GetSelectedItem();
    const CItemInfo *pSelected = hSelected ? m_tree.GetItemRecord(hSelected) : nullptr;

    CFolderDialog dlg;
    if (dlg.Browse(SourceFolderTexts(bAddLoad), m_strSourcePath.c_str(), m_hWnd) == FOLDER_CHOSEN) {
        // Add-load goes below the selected directory or, when the user says so, below the root.
        HTREEITEM hParent = nullptr;
        if (bAddLoad && pSelected && pSelected->IsKind(ITEM_KIND_DIR)) {
            int nAnswer = UiMessageBox(m_hWnd, AddLoadParentQuestion(pSelected->m_strName, RootLabel()),
                                       CAPTION_CONFIRM, MB_YESNOCANCEL | MB_ICONQUESTION);
            if (nAnswer == IDCANCEL)
                return;
            if (nAnswer == IDYES)
                hParent = hSelected;
        }
        m_strSourcePath = dlg.GetPath();
        EnableUserInterface(false);
        m_tree.ScanDirectory(m_strSourcePath, hParent, bAddLoad); // shows its own progress and questions
        EnableUserInterface(true);
    }
    RefreshReport();
}

std::wstring CMainDlg::RootLabel() const
{
    HTREEITEM hRoot = m_tree.GetRootItem();
    return hRoot ? m_tree.GetItemText(hRoot) : std::wstring(ROOT_ITEM_NAME);
}
