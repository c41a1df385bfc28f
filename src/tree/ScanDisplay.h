// What the user sees of a scan in progress: the status window's lines and the growing tree.
// The lines are shown at the pace a person can read them rather than once per directory: showing
// one, with the drain of the queue after it, costs more than reading a small directory. When the
// scan selects every node it inserts (NoExpandOnSearch 0), the tree is drawn at a steady rate too:
// a tree view that draws re-counts all of its shown rows for every node added below an open one,
// so it draws itself only between frames. What waits is drawn by the next update that is due or
// by the display's timer, whichever comes first, so the windows keep up while a large directory
// is being listed or sorted.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

class CDirTreeCtrl;

class CScanDisplay {
public:
    // Starts the timer; holds the tree's own drawing back when the scan selects what it inserts.
    explicit CScanDisplay(CDirTreeCtrl &tree);
    // Draws what waits and gives the tree its drawing back.
    ~CScanDisplay();
    CScanDisplay(const CScanDisplay &) = delete;
    CScanDisplay &operator=(const CScanDisplay &) = delete;

    // The status window's lines (null leaves a line). Shown at once, with the queue drained after
    // it, when the last showing is kStatusPeriodMs old; otherwise kept for the next one that is due.
    void SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2);
    // The tree has changed since it was last drawn.
    void TreeChanged() { m_bTreeChanged = true; }
    // Draws everything that waits, now.
    void Flush();

    static constexpr ULONGLONG kStatusPeriodMs = 25;
    static constexpr ULONGLONG kTreePeriodMs = 100;

private:
    static void CALLBACK OnTimer(HWND hWnd, UINT, UINT_PTR, DWORD);
    void ShowStatus();
    // Draws the tree; bKeepDrawing leaves the tree drawing by itself afterwards.
    void DrawTree(bool bKeepDrawing);
    void SetTreeDrawing(bool bOn);
    // Scrolls as selecting the caret node would have, had the tree been drawing.
    void ScrollToCaret();

    CDirTreeCtrl &m_tree;
    const bool m_bHoldTree;
    std::wstring m_strLine1, m_strLine2;
    bool m_bStatusWaits = false;
    bool m_bTreeChanged = false;
    ULONGLONG m_ullStatusShown = 0;
    ULONGLONG m_ullTreeDrawn = 0;
    HTREEITEM m_hFirstVisible = nullptr; // the top row as last drawn
    HTREEITEM m_hCaret = nullptr;        // the caret node as last drawn
};
