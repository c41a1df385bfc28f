#include "framework/WorkArea.h"

#include <algorithm>

namespace {

// One axis: [nStart, nEnd) moved inside [nMin, nMax).
LONG Inside(LONG nStart, LONG nEnd, LONG nMin, LONG nMax)
{
    return std::max(nMin, std::min(nStart, nMax - (nEnd - nStart)));
}

} // namespace

RECT MoveRectInside(const RECT &rc, const RECT &rcArea)
{
    const LONG x = Inside(rc.left, rc.right, rcArea.left, rcArea.right);
    const LONG y = Inside(rc.top, rc.bottom, rcArea.top, rcArea.bottom);
    return RECT{x, y, x + (rc.right - rc.left), y + (rc.bottom - rc.top)};
}

void KeepWindowInWorkArea(HWND hWnd, HWND hOwner)
{
    if (!hWnd || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
        return;
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoW(::MonitorFromWindow(hOwner ? hOwner : hWnd, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    const RECT rcInside = MoveRectInside(rc, mi.rcWork);
    if (rcInside.left != rc.left || rcInside.top != rc.top)
        ::SetWindowPos(hWnd, nullptr, rcInside.left, rcInside.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
