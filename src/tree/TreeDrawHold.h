// A tree view held back from drawing while it changes quickly. A tree view that draws does work
// over all of its open rows for every change to one of them (its scroll range, its drawing), and
// a scan or a large copy changes thousands. So the tree is held back and drawn as a whole at most
// every TREE_PERIOD_MS, and less often when drawing itself takes long; once let go it draws by
// itself again.
#pragma once
#include "support/StatusPacer.h"

#include <functional>

class CTreeCtrl;

constexpr ULONGLONG TREE_PERIOD_MS = 100;
// At most one part in this many of the time goes to drawing the tree.
constexpr ULONGLONG TREE_DRAW_SHARE = 20;

// Milliseconds from one drawing to the next after a drawing that took ullDrawMs.
ULONGLONG TreeDrawPeriod(ULONGLONG ullDrawMs);

class CTreeDrawHold {
public:
    explicit CTreeDrawHold(CTreeCtrl &tree, PaceClock clock = &::GetTickCount64);
    // Lets the tree go, drawing what waits.
    ~CTreeDrawHold();
    CTreeDrawHold(const CTreeDrawHold &) = delete;
    CTreeDrawHold &operator=(const CTreeDrawHold &) = delete;

    // Stops the tree's own drawing (what waits to be drawn is drawn first); nothing when held.
    void Hold();
    bool IsHeld() const { return m_bHeld; }
    // Milliseconds until the held tree is due to be drawn (0: now); INFINITE when not held.
    DWORD DueIn() const;
    // Lets the tree go and draws it now; fnPrepare runs once it draws again and before it is
    // painted (a node selected there is scrolled into view by the control). Nothing when not held.
    void Draw(const std::function<void()> &fnPrepare = nullptr);

private:
    void SetDrawing(bool bOn);

    CTreeCtrl &m_tree;
    const PaceClock m_clock;
    bool m_bHeld = false;
    ULONGLONG m_ullDrawn;                   // when the last drawing ended
    ULONGLONG m_ullPeriod = TREE_PERIOD_MS; // from then to the next
};
