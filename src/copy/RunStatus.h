// The run's two status lines at the pace a person can read them. A run passes thousands of
// directories and files a second, and showing each one, with the drain of the message queue that
// follows, would cost more than the work itself. A phase shows its title at once; its items are
// shown when the last showing is STATUS_PERIOD_MS old, otherwise kept for the next one that is due
// (or for FlushRunStatus before a long wait). Every showing drains the queue, which is where the
// cancel button and every other input are seen.
#pragma once
#include <windows.h>

class CDirTreeCtrl;

constexpr ULONGLONG STATUS_PERIOD_MS = 25;

// A new phase: both lines shown now (null leaves a line). The phase's first item is shown too.
void ShowRunPhase(CDirTreeCtrl &tree, const wchar_t *pszLine1, const wchar_t *pszLine2);
// One item of a phase (null leaves a line): shown when due, kept otherwise.
void ShowRunItem(CDirTreeCtrl &tree, const wchar_t *pszLine1, const wchar_t *pszLine2);
// Shows a kept item now.
void FlushRunStatus(CDirTreeCtrl &tree);
// Milliseconds until a kept item is due (0: now); INFINITE when nothing is kept.
DWORD RunStatusDueIn();
// The run was cancelled while pszItem is under way: a status window without a cancel button says
// so until the run ends.
void ShowRunStopping(CDirTreeCtrl &tree, const wchar_t *pszItem);
