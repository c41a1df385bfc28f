#include "copy/RunStatus.h"
#include "support/Pump.h"
#include "tree/DirTreeCtrl.h"

#include <string>

namespace {

// One run at a time per user-interface thread, and one status window.
struct CPacing {
    ULONGLONG ullShown = 0; // tick of the last showing
    bool bNextDue = false;  // the item after a phase title is shown at once
    bool bKept = false;
    bool bKeep1 = false, bKeep2 = false;
    std::wstring strLine1, strLine2;
};
thread_local CPacing t_pacing;

void Show(CDirTreeCtrl &tree, bool bNextDue)
{
    CPacing &p = t_pacing;
    tree.SetStatus(p.bKeep1 ? p.strLine1.c_str() : nullptr, p.bKeep2 ? p.strLine2.c_str() : nullptr);
    PumpMessages();
    p.ullShown = ::GetTickCount64();
    p.bNextDue = bNextDue;
    p.bKept = p.bKeep1 = p.bKeep2 = false;
}

void Keep(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    CPacing &p = t_pacing;
    if (pszLine1) {
        p.strLine1 = pszLine1;
        p.bKeep1 = true;
    }
    if (pszLine2) {
        p.strLine2 = pszLine2;
        p.bKeep2 = true;
    }
    p.bKept = true;
}

} // namespace

void ShowRunPhase(CDirTreeCtrl &tree, const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    Keep(pszLine1, pszLine2);
    Show(tree, true);
}

void ShowRunItem(CDirTreeCtrl &tree, const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    Keep(pszLine1, pszLine2);
    if (t_pacing.bNextDue || ::GetTickCount64() - t_pacing.ullShown >= STATUS_PERIOD_MS)
        Show(tree, false);
}

void FlushRunStatus(CDirTreeCtrl &tree)
{
    if (t_pacing.bKept)
        Show(tree, false);
}

void ShowRunStopping(CDirTreeCtrl &tree, const wchar_t *pszItem)
{
    if (tree.OpenStatusWnd(false))
        ShowRunPhase(tree, L"Canceling Copy File.", pszItem);
}

DWORD RunStatusDueIn()
{
    if (!t_pacing.bKept)
        return INFINITE;
    const ULONGLONG ullAge = ::GetTickCount64() - t_pacing.ullShown;
    return t_pacing.bNextDue || ullAge >= STATUS_PERIOD_MS ? 0 : static_cast<DWORD>(STATUS_PERIOD_MS - ullAge);
}
