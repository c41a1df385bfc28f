#include "app/MainApp.h"

#include "app/MainDlg.h"
#include "app/ToolCommands.h"

bool CMainApp::InitInstance()
{
    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // A dialog application: the process ends when the main window closes.
    return false;
}

bool CMainApp::OnCommand(UINT nID)
{
    if (!IsToolCommand(nID))
        return CWinApp::OnCommand(nID);
    OnToolCommand(nID);
    return true;
}

void CMainApp::OnToolCommand(UINT nID)
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->PostMessage(WM_TOOLCOMMAND, nID, 0);
}
