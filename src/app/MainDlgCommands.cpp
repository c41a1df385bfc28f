// The tool bar's commands, run from the main window's queue.
#include "app/MainDlg.h"

#include "app/ToolCommands.h"
#include "dialogs/VersionDlg.h"
#include "framework/Seams.h"

void CMainDlg::DispatchCommand(UINT nID)
{
    // A command is never started inside another: a scan or run pumps messages, and so does every
    // question a command asks, so a command posted meanwhile would otherwise run in the middle.
    if (m_bBusy || m_bDispatching) {
        if (IsJobCommand(nID))
            UiMessageBeep(0);
        return;
    }
    m_bDispatching = true;
    if (IsJobCommand(nID))
        RunJobCommand(nID);
    else
        RunToolCommand(nID);
    SyncJobWithTree();
    m_bDispatching = false;
}

void CMainDlg::RunToolCommand(UINT nID)
{
    switch (nID) {
    case ID_CLEAR_TREE: ClearTreeCommand(); break;
    case ID_SELECT_SOURCE: SelectSource(false); break;
    case ID_SELECT_DEST: SelectDestination(); break;
    case ID_RUN_DIRS_ONLY: RunCommand(true); break;
    case ID_APP_EXIT: ExitSequence(); break;
    case ID_ADD_DIR: AddDirectoryCommand(); break;
    case ID_DELETE_DIR: DeleteDirectoryCommand(); break;
    case ID_APP_ABOUT: ShowVersionInfo(); break;
    case ID_OPTIONS: OptionsCommand(); break;
    case ID_EDIT_ATTRIBUTES: EditAttributesCommand(); break;
    case ID_ADD_LOAD: SelectSource(true); break;
    case ID_RUN_WITH_FILES: RunCommand(false); break;
    default: break;
    }
}

void CMainDlg::ClearTreeCommand()
{
    EnableUserInterface(false);
    m_tree.EnsureRootItem(); // asks first when the tree holds anything
    EnableUserInterface(true);
    RefreshReport();
}

void CMainDlg::AddDirectoryCommand()
{
    auto pRecord = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pRecord->m_strName = L"新規 SubDir";
    // No parent: the selected node, else the root.
    HTREEITEM hNew = m_tree.InsertItemData(nullptr, std::move(pRecord), TVI_SORT);
    if (hNew)
        m_tree.EditLabel(hNew);
    UpdateCommandStates();
}

void CMainDlg::DeleteDirectoryCommand()
{
    HTREEITEM hSelected = m_tree.GetSelectedItem();
    if (!hSelected) {
        UiMessageBeep(0);
        return;
    }
    EnableUserInterface(false);
    m_tree.DeleteItem(hSelected); // asks first
    EnableUserInterface(true);
    RefreshReport();
}

void CMainDlg::EditAttributesCommand()
{
    // The tool bar's rule also holds for a command that reaches us another way.
    const HTREEITEM hSelected = m_tree.GetSelectedItem();
    if (!hSelected || !CurrentCommandStates().bEditAttributes) {
        UiMessageBeep(0);
        return;
    }
    EnableUserInterface(false);
    m_tree.EditItemAttributes(hSelected);
    EnableUserInterface(true);
    RefreshReport();
}

void CMainDlg::ShowVersionInfo()
{
    EnableUserInterface(false);
    ShowVersionDialog(m_hWnd);
    EnableUserInterface(true);
}
