// The tree's own notifications and mouse messages, with the locked state in front of them.
#include "tree/DirTreeCtrl.h"

#include "framework/Seams.h"
#include "tree/ScanDisplay.h"

LRESULT CDirTreeCtrl::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_REOPENLABEL) {
        ReopenRefusedLabel();
        return 0;
    }
    if (uMsg == WM_TIMER && wParam == CScanDisplay::kTimerID) {
        if (m_pScanDisplay)
            m_pScanDisplay->OnTimer();
        return 0;
    }
    LRESULT lResult = CDragTreeCtrl::WindowProc(uMsg, wParam, lParam);
    // After a drop: the former parent of a moved node may have lost its last child.
    if (uMsg == WM_LBUTTONUP || uMsg == WM_RBUTTONUP)
        RefreshAfterChange();
    return lResult;
}

bool CDirTreeCtrl::OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (uMsg != WM_NOTIFY)
        return CDragTreeCtrl::OnChildNotify(uMsg, wParam, lParam, pResult);
    const auto *pHdr = reinterpret_cast<const NMHDR *>(lParam);
    switch (pHdr->code) {
    case TVN_KEYDOWN: return OnKeyDown(*reinterpret_cast<const NMTVKEYDOWN *>(lParam), pResult);
    case TVN_BEGINLABELEDITW: return OnBeginLabelEdit(*reinterpret_cast<const NMTVDISPINFOW *>(lParam), pResult);
    case TVN_ENDLABELEDITW: return OnEndLabelEdit(*reinterpret_cast<const NMTVDISPINFOW *>(lParam), pResult);
    case TVN_BEGINDRAGW:
    case TVN_BEGINRDRAGW:
        if (m_bLocked) {
            UiMessageBeep(0);
            *pResult = 0;
            return true;
        }
        break;
    case TVN_ITEMEXPANDEDW:
        // The image shows the open state.
        UpdateItemImage(reinterpret_cast<const NMTREEVIEWW *>(lParam)->itemNew.hItem);
        *pResult = 0;
        return true;
    default: break;
    }
    return CDragTreeCtrl::OnChildNotify(uMsg, wParam, lParam, pResult);
}

bool CDirTreeCtrl::OnKeyDown(const NMTVKEYDOWN &nm, LRESULT *pResult)
{
    if (m_bLocked) {
        UiMessageBeep(0);
        *pResult = 1; // keeps the key out of the incremental search
        return true;
    }
    if (nm.wVKey == VK_F2) {
        if (HTREEITEM hCaret = GetSelectedItem())
            EditLabel(hCaret);
        *pResult = 0;
        return true;
    }
    return false;
}
