#include "tree/ScanDisplay.h"

#include "support/Pump.h"
#include "tree/DirTreeCtrl.h"

namespace {

constexpr UINT_PTR kTimerID = 0x5CA7;

} // namespace

CScanDisplay::CScanDisplay(CDirTreeCtrl &tree) : m_tree(tree), m_bHoldTree(!tree.NoExpandOnSearch)
{
    if (m_tree.m_pStatusWnd) {
        m_strLine1 = m_tree.m_pStatusWnd->GetLine1();
        m_strLine2 = m_tree.m_pStatusWnd->GetLine2();
    }
    if (m_bHoldTree) {
        m_hFirstVisible = m_tree.GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
        m_hCaret = m_tree.GetSelectedItem();
        m_ullTreeDrawn = ::GetTickCount64();
        SetTreeDrawing(false);
    }
    m_tree.m_pScanDisplay = this;
    ::SetTimer(m_tree.m_hWnd, kTimerID, static_cast<UINT>(kStatusPeriodMs), &CScanDisplay::OnTimer);
}

CScanDisplay::~CScanDisplay()
{
    ::KillTimer(m_tree.m_hWnd, kTimerID);
    m_tree.m_pScanDisplay = nullptr;
    if (m_bStatusWaits)
        ShowStatus();
    if (m_bHoldTree)
        DrawTree(true);
}

void CALLBACK CScanDisplay::OnTimer(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    auto *pTree = dynamic_cast<CDirTreeCtrl *>(CWnd::FromHandle(hWnd));
    CScanDisplay *pDisplay = pTree ? pTree->m_pScanDisplay : nullptr;
    if (!pDisplay)
        return;
    const ULONGLONG ullNow = ::GetTickCount64();
    if (pDisplay->m_bStatusWaits && ullNow - pDisplay->m_ullStatusShown >= kStatusPeriodMs)
        pDisplay->ShowStatus();
    if (pDisplay->m_bTreeChanged && ullNow - pDisplay->m_ullTreeDrawn >= kTreePeriodMs)
        pDisplay->DrawTree(false);
}

void CScanDisplay::SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    // A sub-directory's path is shown before it is descended into and again as its level starts.
    if ((!pszLine1 || m_strLine1 == pszLine1) && (!pszLine2 || m_strLine2 == pszLine2))
        return;
    if (pszLine1)
        m_strLine1 = pszLine1;
    if (pszLine2)
        m_strLine2 = pszLine2;
    m_bStatusWaits = true;
    if (::GetTickCount64() - m_ullStatusShown < kStatusPeriodMs)
        return;
    ShowStatus();
    PumpMessages();
}

void CScanDisplay::Flush()
{
    if (m_bStatusWaits)
        ShowStatus();
    if (m_bTreeChanged)
        DrawTree(false);
}

void CScanDisplay::ShowStatus()
{
    m_bStatusWaits = false;
    m_ullStatusShown = ::GetTickCount64();
    m_tree.SetStatus(m_strLine1.c_str(), m_strLine2.c_str());
}

void CScanDisplay::DrawTree(bool bKeepDrawing)
{
    m_bTreeChanged = false;
    if (!m_bHoldTree)
        return; // it draws by itself
    m_ullTreeDrawn = ::GetTickCount64();
    SetTreeDrawing(true);
    ScrollToCaret();
    ::RedrawWindow(m_tree.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    if (bKeepDrawing)
        return;
    m_hFirstVisible = m_tree.GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
    SetTreeDrawing(false);
}

void CScanDisplay::SetTreeDrawing(bool bOn)
{
    // The window itself is told too: some tree views keep the flag to themselves and, while it is
    // off, wipe every row they are asked to repaint (a selected node's, say) without drawing it.
    if (bOn)
        ::DefWindowProcW(m_tree.m_hWnd, WM_SETREDRAW, TRUE, 0);
    m_tree.SendMessage(WM_SETREDRAW, bOn);
    if (!bOn)
        ::DefWindowProcW(m_tree.m_hWnd, WM_SETREDRAW, FALSE, 0);
}

void CScanDisplay::ScrollToCaret()
{
    // Without drawing, the control loses track of its top row while nodes are added; it was
    // where the last drawing left it, unless selecting made the caret leave the rows shown.
    if (m_hFirstVisible)
        m_tree.SendTreeMessage(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(m_hFirstVisible));
    HTREEITEM hCaret = m_tree.GetSelectedItem();
    if (!hCaret || hCaret == m_hCaret)
        return;
    m_hCaret = hCaret;
    RECT rc = {};
    if (!m_tree.GetItemRect(hCaret, rc, false))
        return;
    const int cyItem = static_cast<int>(m_tree.SendTreeMessage(TVM_GETITEMHEIGHT));
    const int nRows = static_cast<int>(m_tree.SendTreeMessage(TVM_GETVISIBLECOUNT));
    if (cyItem <= 0)
        return;
    if (rc.top < 0) {
        // Above the rows shown: it becomes the top row. Some tree views refuse to make the selected
        // node the first visible one; the row above it, scrolled one line down, is the same.
        if (HTREEITEM hAbove = m_tree.GetNextItem(hCaret, TVGN_PREVIOUSVISIBLE)) {
            m_tree.SendTreeMessage(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(hAbove));
            m_tree.SendMessage(WM_VSCROLL, SB_LINEDOWN);
        } else {
            m_tree.SendMessage(WM_VSCROLL, SB_TOP);
        }
        return;
    }
    // Below them: it becomes the bottom row.
    HTREEITEM hTop = nullptr;
    if (nRows > 1 && rc.top / cyItem >= nRows) {
        hTop = hCaret;
        for (int i = 1; i < nRows; ++i) {
            HTREEITEM hPrev = m_tree.GetNextItem(hTop, TVGN_PREVIOUSVISIBLE);
            if (!hPrev)
                break;
            hTop = hPrev;
        }
    }
    if (hTop)
        m_tree.SendTreeMessage(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(hTop));
}
