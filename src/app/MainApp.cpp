#include "app/MainApp.h"

#include "app/MainDlg.h"

bool CMainApp::InitInstance()
{
    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // A dialog application: the process ends when the main window closes.
    return false;
}
