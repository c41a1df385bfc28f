#include "app/MainDlg.h"

#include "res/resource.h"

CMainDlg::CMainDlg(HWND hParent)
    : CDialog(IDD_PELNIX_DIALOG, hParent),
      m_hIcon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

LRESULT CMainDlg::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CLOSE: EndDialog(IDCANCEL); return 0;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(m_hIcon);
    default: return CDialog::WindowProc(uMsg, wParam, lParam);
    }
}
