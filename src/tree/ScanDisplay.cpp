#include "tree/ScanDisplay.h"

#include "tree/DirTreeCtrl.h"

CScanDisplay::CScanDisplay(CDirTreeCtrl &tree)
    : m_tree(tree), m_bHoldTree(!tree.NoExpandOnSearch), m_pacer(tree.m_pStatusWnd), m_hold(tree)
{
    if (m_bHoldTree) {
        m_hFirstVisible = m_tree.GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
        m_hCaret = m_tree.GetSelectedItem();
        m_hold.Hold();
    }
    m_tree.m_pScanDisplay = this;
    ::SetTimer(m_tree.m_hWnd, kTimerID, static_cast<UINT>(STATUS_PERIOD_MS), nullptr);
}

CScanDisplay::~CScanDisplay()
{
    ::KillTimer(m_tree.m_hWnd, kTimerID);
    m_tree.m_pScanDisplay = nullptr;
    m_pacer.Flush();
    DrawTree(true);
}

void CScanDisplay::OnTimer()
{
    m_pacer.ShowIfDue();
    if (m_bTreeChanged && m_hold.DueIn() == 0)
        DrawTree(false);
}

void CScanDisplay::Flush()
{
    m_pacer.Flush();
    if (m_bTreeChanged)
        DrawTree(false);
}

void CScanDisplay::DrawTree(bool bKeepDrawing)
{
    m_bTreeChanged = false;
    if (!m_hold.IsHeld())
        return; // it draws by itself
    m_hold.Draw([this] { ScrollToCaret(); });
    if (bKeepDrawing)
        return;
    m_hFirstVisible = m_tree.GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
    m_hold.Hold();
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
