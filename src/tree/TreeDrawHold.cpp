#include "tree/TreeDrawHold.h"

#include "framework/TreeCtrl.h"

#include <algorithm>

ULONGLONG TreeDrawPeriod(ULONGLONG ullDrawMs)
{
    return std::max(TREE_PERIOD_MS, ullDrawMs * TREE_DRAW_SHARE);
}

CTreeDrawHold::CTreeDrawHold(CTreeCtrl &tree, PaceClock clock) : m_tree(tree), m_clock(clock), m_ullDrawn(clock()) {}

CTreeDrawHold::~CTreeDrawHold()
{
    Draw();
}

void CTreeDrawHold::Hold()
{
    if (m_bHeld)
        return;
    // Holding back discards what waits to be drawn: it is drawn first.
    ::UpdateWindow(m_tree.m_hWnd);
    SetDrawing(false);
    m_bHeld = true;
}

DWORD CTreeDrawHold::DueIn() const
{
    if (!m_bHeld)
        return INFINITE;
    const ULONGLONG ullAge = m_clock() - m_ullDrawn;
    return ullAge >= m_ullPeriod ? 0 : static_cast<DWORD>(m_ullPeriod - ullAge);
}

void CTreeDrawHold::Draw(const std::function<void()> &fnPrepare)
{
    if (!m_bHeld)
        return;
    const ULONGLONG ullStart = m_clock();
    SetDrawing(true);
    m_bHeld = false;
    if (fnPrepare)
        fnPrepare();
    ::RedrawWindow(m_tree.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    m_ullDrawn = m_clock();
    m_ullPeriod = TreeDrawPeriod(m_ullDrawn - ullStart);
}

void CTreeDrawHold::SetDrawing(bool bOn)
{
    // The window itself is told too: some tree views keep the flag to themselves and, while it is
    // off, wipe every row they are asked to repaint (a selected node's, say) without drawing it.
    if (bOn)
        ::DefWindowProcW(m_tree.m_hWnd, WM_SETREDRAW, TRUE, 0);
    m_tree.SendMessage(WM_SETREDRAW, bOn);
    if (!bOn)
        ::DefWindowProcW(m_tree.m_hWnd, WM_SETREDRAW, FALSE, 0);
}
