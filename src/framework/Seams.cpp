#include "framework/Seams.h"

#include "framework/FilePicker.h"
#include "framework/FolderPicker.h"
#include "framework/WorkArea.h"

namespace {
CUiSeams g_platformSeams;
CUiSeams *g_pSeams = &g_platformSeams;

// The owner of the message box this thread shows; the system centres a box on its owner even where
// that puts the buttons off the screen.
thread_local HWND t_hBoxOwner = nullptr;

// Just before the box shows: it has placed itself by then.
LRESULT CALLBACK KeepBoxOnScreen(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto *p = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (nCode == HC_ACTION && p->message == WM_SHOWWINDOW && p->wParam) {
        wchar_t szClass[16] = {};
        ::GetClassNameW(p->hwnd, szClass, 16);
        if (::lstrcmpW(szClass, L"#32770") == 0)
            KeepWindowInWorkArea(p->hwnd, t_hBoxOwner);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
} // namespace

int CUiSeams::MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType)
{
    const HWND hOuterOwner = t_hBoxOwner;
    t_hBoxOwner = hOwner;
    HHOOK hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, KeepBoxOnScreen, nullptr, ::GetCurrentThreadId());
    const int nResult = ::MessageBoxW(hOwner, strText.c_str(), strCaption.c_str(), nType);
    if (hHook)
        ::UnhookWindowsHookEx(hHook);
    t_hBoxOwner = hOuterOwner;
    return nResult;
}

int CUiSeams::BrowseForFolder(const CFolderRequest &req, std::wstring &strPath)
{
    return ShowShellFolderPicker(req, strPath);
}

bool CUiSeams::ChooseFile(const CFileRequest &req, std::wstring &strPath)
{
    return ShowFilePicker(req, strPath);
}

SHORT CUiSeams::GetAsyncKeyState(int nVirtKey)
{
    return ::GetAsyncKeyState(nVirtKey);
}

void CUiSeams::MessageBeep(UINT nType)
{
    ::MessageBeep(nType);
}

void CUiSeams::OnModalDialogInit(CDialog &) {}

CUiSeams &UiSeams()
{
    return *g_pSeams;
}

CUiSeams *SetUiSeams(CUiSeams *pSeams)
{
    CUiSeams *pOld = g_pSeams;
    g_pSeams = pSeams ? pSeams : &g_platformSeams;
    return pOld == &g_platformSeams ? nullptr : pOld;
}

int UiMessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType)
{
    return UiSeams().MessageBox(hOwner, strText, strCaption, nType);
}

int UiBrowseForFolder(const CFolderRequest &req, std::wstring &strPath)
{
    return UiSeams().BrowseForFolder(req, strPath);
}

bool UiChooseFile(const CFileRequest &req, std::wstring &strPath)
{
    return UiSeams().ChooseFile(req, strPath);
}

SHORT UiGetAsyncKeyState(int nVirtKey)
{
    return UiSeams().GetAsyncKeyState(nVirtKey);
}

void UiMessageBeep(UINT nType)
{
    UiSeams().MessageBeep(nType);
}

bool UiIsKeyDown(int nVirtKey)
{
    return (UiGetAsyncKeyState(nVirtKey) & 0x8000) != 0;
}
