// The busy state, the command states and the layout of the main window.
#include "app/MainDlg.h"

#include "app/CommandStates.h"
#include "app/MainLayout.h"
#include "res/resource.h"
#include "support/Dpi.h"

namespace {

RECT ChildRect(HWND hDlg, HWND hChild)
{
    RECT rc = {};
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

void MoveChild(HWND hChild, const RECT &rc)
{
    ::MoveWindow(hChild, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

// Height of a line of text in the window's font.
int TextLineHeight(HWND hWnd)
{
    CClientDC dc(hWnd);
    CSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)));
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, L"複写", 2, &size);
    return size.cy;
}

} // namespace

void CMainDlg::EnableUserInterface(bool bEnable)
{
    m_bBusy = bEnable ? 0 : 1;
    if (!bEnable)
        m_hcurRestore = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    m_wndToolBar.EnableAllCommands(bEnable);
    m_tree.m_bLocked = !bEnable;
    // The tree stays enabled, so that it can be scrolled and watched.
    EnableDlgItem(IDC_SELECT_DEST, bEnable);
    EnableDlgItem(IDC_DEST_PATH, bEnable);
    EnableDlgItem(IDC_FILEINFO, bEnable);
    if (bEnable) {
        ::SetCursor(m_hcurRestore ? m_hcurRestore : ::LoadCursorW(nullptr, IDC_ARROW));
        m_hcurRestore = nullptr;
        UpdateCommandStates();
    }
}

CCommandStates CMainDlg::CurrentCommandStates() const
{
    CCommandStateInput in;
    if (HTREEITEM hRoot = m_tree.GetRootItem()) {
        in.bHasRoot = true;
        if (const CItemInfo *pRoot = m_tree.GetItemRecord(hRoot))
            in.nRootFiles = pRoot->m_listFiles.size();
    }
    in.nItemCount = m_tree.GetCount();
    if (HTREEITEM hSelected = m_tree.GetSelectedItem()) {
        in.bSelected = true;
        if (const CItemInfo *pSelected = m_tree.GetItemRecord(hSelected)) {
            in.dwSelectedKind = pSelected->m_dwKindFlags & ITEM_KIND_MASK;
            in.nSelectedFiles = pSelected->m_listFiles.size();
        }
    }
    in.bNotCopyFile = m_tree.NotCopyFile != 0;
    return ComputeCommandStates(in);
}

void CMainDlg::UpdateCommandStates()
{
    if (m_bBusy || !m_tree.m_hWnd || !m_wndToolBar.m_hWnd)
        return;
    const CCommandStates states = CurrentCommandStates();
    m_wndToolBar.EnableCommand(ID_RUN_DIRS_ONLY, states.bRunDirsOnly);
    m_wndToolBar.EnableCommand(ID_RUN_WITH_FILES, states.bRunWithFiles);
    m_wndToolBar.EnableCommand(ID_ADD_LOAD, states.bAddLoad);
    m_wndToolBar.EnableCommand(ID_DELETE_DIR, states.bDelete);
    m_wndToolBar.EnableCommand(ID_EDIT_ATTRIBUTES, states.bEditAttributes);
}

void CMainDlg::ArrangeControls()
{
    HWND hEdit = GetDlgItem(IDC_DEST_PATH), hButton = GetDlgItem(IDC_SELECT_DEST), hReport = GetDlgItem(IDC_FILEINFO);
    if (!m_wndToolBar.m_hWnd || !m_tree.m_hWnd || !hEdit || !hButton || !hReport)
        return;
    CMainLayoutInput in;
    in.rcClient = GetClientRect();
    in.nToolBarHeight = m_wndToolBar.GetHeight();
    in.rcDestEdit = ChildRect(m_hWnd, hEdit);
    in.rcDestButton = ChildRect(m_hWnd, hButton);
    in.nLineHeight = TextLineHeight(m_hWnd);
    in.nDpi = m_nDpi;
    in.nHScrollHeight = SystemMetricForDpi(SM_CYHSCROLL, in.nDpi);
    in.bShowReport = m_tree.NotCopyFile == 0;

    const CMainLayout out = ArrangeMainWindow(in);
    MoveChild(m_wndToolBar.m_hWnd, out.rcToolBar);
    MoveChild(hEdit, out.rcDestEdit);
    MoveChild(hButton, out.rcDestButton);
    if (out.bShowReport) {
        MoveChild(hReport, out.rcReport);
        ::ShowWindow(hReport, SW_SHOW);
    } else {
        ::ShowWindow(hReport, SW_HIDE);
    }
    if (out.bMoveTree)
        MoveChild(m_tree.m_hWnd, out.rcTree);
}
