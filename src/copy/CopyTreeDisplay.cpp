#include "copy/CopyTreeDisplay.h"
#include "tree/DirTreeCtrl.h"

#include <algorithm>

namespace {

ULONGLONG NowMs()
{
    LARGE_INTEGER nFrequency, nNow;
    ::QueryPerformanceFrequency(&nFrequency);
    ::QueryPerformanceCounter(&nNow);
    return static_cast<ULONGLONG>(nNow.QuadPart / (nFrequency.QuadPart / 1000));
}

} // namespace

ULONGLONG TreeDrawPeriod(ULONGLONG ullDrawMs)
{
    return std::max(TREE_PERIOD_MS, ullDrawMs * TREE_DRAW_SHARE);
}

CCopyTreeDisplay::CCopyTreeDisplay(CDirTreeCtrl &tree, bool bFollow)
    : m_tree(tree), m_bFollow(bFollow), m_ullDrawn(NowMs())
{
}

CCopyTreeDisplay::~CCopyTreeDisplay()
{
    Draw();
}

void CCopyTreeDisplay::BeginDirectory(HTREEITEM hItem)
{
    if (!m_bFollow || !hItem)
        return;
    Hold();
    for (HTREEITEM h = m_tree.GetParentItem(hItem); h; h = m_tree.GetParentItem(h)) {
        // A node opened before tells nobody when it opens again: its image is set here.
        if (!(m_tree.GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED)) {
            m_tree.Expand(h, TVE_EXPAND);
            m_tree.UpdateItemImage(h);
        }
    }
    m_hCurrent = hItem;
}

void CCopyTreeDisplay::ShowMarked(HTREEITEM hItem)
{
    Hold();
    m_tree.UpdateItemImage(hItem);
}

DWORD CCopyTreeDisplay::DueIn() const
{
    if (!m_bHeld)
        return INFINITE;
    const ULONGLONG ullAge = NowMs() - m_ullDrawn;
    return ullAge >= m_ullPeriod ? 0 : static_cast<DWORD>(m_ullPeriod - ullAge);
}

void CCopyTreeDisplay::DrawIfDue()
{
    if (DueIn() == 0)
        Draw();
}

void CCopyTreeDisplay::Draw()
{
    if (!m_bHeld)
        return;
    const ULONGLONG ullStart = NowMs();
    // The control is told too: some tree views keep the flag to themselves.
    ::DefWindowProcW(m_tree.m_hWnd, WM_SETREDRAW, TRUE, 0);
    m_tree.SendMessage(WM_SETREDRAW, TRUE);
    m_bHeld = false;
    // Selected while drawing, so that the control scrolls it into view.
    if (m_hCurrent && m_tree.GetSelectedItem() != m_hCurrent)
        m_tree.SelectItem(m_hCurrent);
    m_hCurrent = nullptr;
    ::RedrawWindow(m_tree.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    m_ullDrawn = NowMs();
    m_ullPeriod = TreeDrawPeriod(m_ullDrawn - ullStart);
}

void CCopyTreeDisplay::Hold()
{
    if (m_bHeld)
        return;
    // Holding back discards what waits to be drawn: it is drawn first.
    ::UpdateWindow(m_tree.m_hWnd);
    m_tree.SendMessage(WM_SETREDRAW, FALSE);
    ::DefWindowProcW(m_tree.m_hWnd, WM_SETREDRAW, FALSE, 0);
    m_bHeld = true;
}
