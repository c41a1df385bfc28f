#include "app/WindowPlacement.h"

#include <initializer_list>

namespace {

// Window positions travel in 16-bit fields of window messages.
constexpr LONG COORD_MIN = -32768;
constexpr LONG COORD_MAX = 32767;

bool IsSane(const RECT &rc)
{
    for (LONG n : {rc.left, rc.top, rc.right, rc.bottom}) {
        if (n < COORD_MIN || n > COORD_MAX)
            return false;
    }
    return rc.left < rc.right && rc.top < rc.bottom;
}

// The span [nLow, nHigh) moved (and shortened) to lie within [nMin, nMax).
void FitSpan(LONG &nLow, LONG &nHigh, LONG nMin, LONG nMax)
{
    if (nHigh - nLow > nMax - nMin)
        nHigh = nLow + (nMax - nMin);
    if (nHigh > nMax) {
        nLow -= nHigh - nMax;
        nHigh = nMax;
    }
    if (nLow < nMin) {
        nHigh += nMin - nLow;
        nLow = nMin;
    }
}

} // namespace

bool FitSavedWindowRect(const RECT &rcSaved, const RECT &rcWork, RECT &rcOut)
{
    if (!IsSane(rcSaved) || !IsSane(rcWork))
        return false;
    rcOut = rcSaved;
    FitSpan(rcOut.left, rcOut.right, rcWork.left, rcWork.right);
    FitSpan(rcOut.top, rcOut.bottom, rcWork.top, rcWork.bottom);
    return true;
}

bool PlaceSavedWindowRect(const RECT &rcSaved, RECT &rcOut)
{
    if (!IsSane(rcSaved))
        return false;
    RECT rcWork = {};
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromRect(&rcSaved, MONITOR_DEFAULTTONULL);
    if (hMonitor && ::GetMonitorInfoW(hMonitor, &mi))
        rcWork = mi.rcWork;
    return FitSavedWindowRect(rcSaved, rcWork, rcOut);
}
