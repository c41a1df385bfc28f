#include "app/MainDlg.h"

#include "res/resource.h"
#include "tree/NodeImage.h"

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

    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    m_tree.SubclassDlgItem(IDC_DIRTREE, m_hWnd);
    m_tree.SetItemImageList(IDB_DIRTREE, NODE_IMAGE_SIZE, NODE_IMAGE_MASK);
    m_tree.SetDragCursors(::LoadCursorW(hInst, MAKEINTRESOURCEW(IDC_DRAG_MOVE)),
                          ::LoadCursorW(hInst, MAKEINTRESOURCEW(IDC_DRAG_NODROP)),
                          ::LoadCursorW(hInst, MAKEINTRESOURCEW(IDC_DRAG_COPY)));
    m_tree.EnsureRootItem();
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
