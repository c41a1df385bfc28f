#include "framework/App.h"

#include <commctrl.h>
#include <objbase.h>

namespace {
CWinApp *g_pApp = nullptr;
}

CWinApp::CWinApp() : m_pPrevApp(g_pApp)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    g_pApp = m_pPrevApp;
}

CWinApp *CWinApp::GetApp()
{
    return g_pApp;
}

bool CWinApp::OnCommand(UINT)
{
    return false;
}

bool CWinApp::InitInstance()
{
    return false;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    InitCommonControlClasses();
    // The shell's folder picker needs COM on this thread.
    HRESULT hr = ::OleInitialize(nullptr);
    if (InitInstance()) {
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    int nExit = ExitInstance();
    if (SUCCEEDED(hr))
        ::OleUninitialize();
    return nExit;
}

void InitCommonControlClasses()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES |
                                                 ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
}
