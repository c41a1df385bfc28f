// What the user sees of the tree during the file copy phase: the parents of every directory copied
// into are opened, the directory being copied is selected (when the tree follows the copy), and a
// directory whose files were all handled shows its mark. After a large copy thousands of rows are
// open, so while changes come quickly the tree is held back (CTreeDrawHold) and drawn as a whole
// when due, the current directory selected then; once nothing changes it draws by itself again,
// so that a long copy leaves it as any window.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "tree/TreeDrawHold.h"

#include <unordered_set>

class CDirTreeCtrl;

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
    DWORD DueIn() const { return m_hold.DueIn(); }
    // Draws what waits when it is due.
    void DrawIfDue()
    {
        if (DueIn() == 0)
            Draw();
    }
    // Draws what waits now.
    void Draw();

private:
    CDirTreeCtrl &m_tree;
    const bool m_bFollow;
    CTreeDrawHold m_hold;
    HTREEITEM m_hCurrent = nullptr;          // the directory to select at the next drawing
    std::unordered_set<HTREEITEM> m_setOpen; // ancestors seen open since the last drawing
};
