// The two lines of a status window at the pace a person can read them. A scan or a run passes
// thousands of directories and files a second, and showing each one, with the drain of the
// message queue that follows, would cost more than the work itself. A phase shows its title at
// once; an item is shown when the last showing is STATUS_PERIOD_MS old, otherwise kept for the
// next one that is due (or for Flush before a long wait). Every showing of a phase or an item
// drains the queue, which is where the cancel button and every other input are seen.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

class CStatusWnd;

// Milliseconds from a fixed start. The status lines and the tree's drawing are paced by the same
// clock; tests give their own.
using PaceClock = ULONGLONG(WINAPI *)();

constexpr ULONGLONG STATUS_PERIOD_MS = 25;

class CStatusPacer {
public:
    // pWnd: the owner's status window, read at every showing (it may be replaced or gone; the
    // queue is drained all the same). The lines it shows now are taken as shown.
    explicit CStatusPacer(const std::unique_ptr<CStatusWnd> &pWnd, PaceClock clock = &::GetTickCount64);

    // A new phase: both lines shown now (null leaves a line). The phase's first item is shown too.
    void ShowPhase(const wchar_t *pszLine1, const wchar_t *pszLine2);
    // One item (null leaves a line): shown when due, kept otherwise. Lines already shown or kept
    // change nothing.
    void ShowItem(const wchar_t *pszLine1, const wchar_t *pszLine2);
    // Shows a kept item now, without draining the queue: for a caller that is about to wait for
    // messages, or is handling one.
    void Flush();
    // Flush when a kept item is due.
    void ShowIfDue()
    {
        if (DueIn() == 0)
            Flush();
    }
    // Milliseconds until a kept item is due (0: now); INFINITE when nothing is kept.
    DWORD DueIn() const;

private:
    void Keep(const wchar_t *pszLine1, const wchar_t *pszLine2);
    void Show(bool bNextDue, bool bPump);

    const std::unique_ptr<CStatusWnd> &m_pWnd;
    const PaceClock m_clock;
    std::wstring m_strLine1, m_strLine2; // as shown, or as they will be once the kept item is
    bool m_bKeep1 = false, m_bKeep2 = false;
    bool m_bNextDue = true; // the first item, and the one after a phase title, are shown at once
    ULONGLONG m_ullShown = 0;
};
