// What the user sees of a scan in progress: the status window's lines and the growing tree.
// The lines are paced (CStatusPacer). When the scan selects every node it inserts
// (NoExpandOnSearch 0), the tree is held back from drawing and drawn at a steady rate too
// (CTreeDrawHold). What waits is drawn by the next update that is due or by the display's timer,
// whichever comes first, so the windows keep up while a large directory is being listed or sorted.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "support/StatusPacer.h"
#include "tree/TreeDrawHold.h"

class CDirTreeCtrl;

class CScanDisplay {
public:
    // Starts the timer; holds the tree's own drawing back when the scan selects what it inserts.
    explicit CScanDisplay(CDirTreeCtrl &tree);
    // Draws what waits and gives the tree its drawing back.
    ~CScanDisplay();
    CScanDisplay(const CScanDisplay &) = delete;
    CScanDisplay &operator=(const CScanDisplay &) = delete;

    // The status window's lines (null leaves a line), paced.
    void SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2) { m_pacer.ShowItem(pszLine1, pszLine2); }
    // The tree has changed since it was last drawn.
    void TreeChanged() { m_bTreeChanged = true; }
    // Draws everything that waits, now.
    void Flush();
    // The tree's timer (kTimerID) went off: draws what is due.
    void OnTimer();

    static constexpr UINT_PTR kTimerID = 0x5CA7;

private:
    // Draws the tree; bKeepDrawing leaves the tree drawing by itself afterwards.
    void DrawTree(bool bKeepDrawing);
    // Scrolls as selecting the caret node would have, had the tree been drawing.
    void ScrollToCaret();

    CDirTreeCtrl &m_tree;
    const bool m_bHoldTree;
    CStatusPacer m_pacer;
    CTreeDrawHold m_hold;
    bool m_bTreeChanged = false;
    HTREEITEM m_hFirstVisible = nullptr; // the top row as last drawn
    HTREEITEM m_hCaret = nullptr;        // the caret node as last drawn
};
