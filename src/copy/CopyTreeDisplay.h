// What the user sees of the tree during the file copy phase: the parents of every directory copied
// into are opened, the directory being copied is selected (when the tree follows the copy), and a
// directory whose files were all handled shows its mark.
// A tree view that draws does work over all of its open rows for every change to one of them
// (its scroll range, its drawing), and after a large copy thousands are open. So while changes
// come quickly the tree is held back from drawing and drawn as a whole at most every
// TREE_PERIOD_MS, the current directory selected then; once nothing changes it draws by itself
// again, so that a long copy leaves it as any window.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CDirTreeCtrl;

constexpr ULONGLONG TREE_PERIOD_MS = 100;
// At most one part in this many of the time goes to drawing the tree.
constexpr ULONGLONG TREE_DRAW_SHARE = 20;

// Milliseconds from one drawing to the next after a drawing that took ullDrawMs.
ULONGLONG TreeDrawPeriod(ULONGLONG ullDrawMs);

class CCopyTreeDisplay {
public:
    // bFollow: the tree follows the copy (NoExpandOnCopy 0).
    CCopyTreeDisplay(CDirTreeCtrl &tree, bool bFollow);
    // Draws what waits and leaves the tree drawing by itself.
    ~CCopyTreeDisplay();
    CCopyTreeDisplay(const CCopyTreeDisplay &) = delete;
    CCopyTreeDisplay &operator=(const CCopyTreeDisplay &) = delete;

    // Copying into the directory of this node begins.
    void BeginDirectory(HTREEITEM hItem);
    // The directory of this node got its processed mark.
    void ShowMarked(HTREEITEM hItem);
    // Milliseconds until what waits is due to be drawn (0: now); INFINITE when nothing waits.
    DWORD DueIn() const;
    // Draws what waits when it is due.
    void DrawIfDue();
    // Draws what waits now.
    void Draw();

private:
    void Hold();

    CDirTreeCtrl &m_tree;
    const bool m_bFollow;
    bool m_bHeld = false;
    HTREEITEM m_hCurrent = nullptr; // the directory to select at the next drawing
    ULONGLONG m_ullDrawn = 0;       // when the last drawing ended, in ms
    ULONGLONG m_ullPeriod = TREE_PERIOD_MS;
};
