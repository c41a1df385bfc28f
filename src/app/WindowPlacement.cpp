#include "app/WindowPlacement.h"

#include "framework/Handles.h"

#include <initializer_list>

namespace {

// Window positions travel in 16-bit fields of window messages.
constexpr LONG COORD_MIN = -32768;
constexpr LONG COORD_MAX = 32767;

bool IsWithinCoordinates(const RECT &rc)
{
    for (LONG n : {rc.left, rc.top, rc.right, rc.bottom}) {
        if (n < COORD_MIN || n > COORD_MAX)
            return false;
    }
    return true;
}

// Nothing of rc is outside the union of the areas.
bool IsCovered(const RECT &rc, const std::vector<RECT> &listAreas)
{
    CRgn rgnLeft(::CreateRectRgnIndirect(&rc));
    if (!rgnLeft)
        return false;
    int nResult = SIMPLEREGION;
    for (const RECT &rcArea : listAreas) {
        CRgn rgnArea(::CreateRectRgnIndirect(&rcArea));
        nResult = rgnArea ? ::CombineRgn(rgnLeft, rgnLeft, rgnArea, RGN_DIFF) : ERROR;
        if (nResult == NULLREGION || nResult == ERROR)
            break;
    }
    return nResult == NULLREGION;
}

BOOL CALLBACK AddWorkArea(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (::GetMonitorInfoW(hMonitor, &mi))
        reinterpret_cast<std::vector<RECT> *>(lParam)->push_back(mi.rcWork);
    return TRUE;
}

} // namespace

bool IsSavedWindowRectUsable(const RECT &rcSaved, SIZE sizeMin, const CCaptionBand &band,
                             const std::vector<RECT> &listWorkAreas)
{
    if (!IsWithinCoordinates(rcSaved))
        return false;
    if (rcSaved.right - rcSaved.left < sizeMin.cx || rcSaved.bottom - rcSaved.top < sizeMin.cy)
        return false;
    const RECT rcCaption = {rcSaved.left + band.nSide, rcSaved.top, rcSaved.right - band.nSide,
                            rcSaved.top + band.nBottom};
    if (rcCaption.left >= rcCaption.right || rcCaption.top >= rcCaption.bottom)
        return false;
    return IsCovered(rcCaption, listWorkAreas);
}

bool IsSavedWindowRectUsable(HWND hWnd, const RECT &rcSaved)
{
    // The window's own minimum: what it answers to the question the system asks before sizing it.
    MINMAXINFO mmi = {};
    mmi.ptMinTrackSize = {::GetSystemMetrics(SM_CXMINTRACK), ::GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {::GetSystemMetrics(SM_CXMAXTRACK), ::GetSystemMetrics(SM_CYMAXTRACK)};
    ::SendMessageW(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    // The caption bar is what lies above the client area, less the side frames.
    RECT rcWindow = {}, rcClient = {};
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT *>(&rcClient), 2);
    CCaptionBand band;
    band.nSide = rcClient.left - rcWindow.left;
    band.nBottom = rcClient.top - rcWindow.top;
    std::vector<RECT> listWorkAreas;
    ::EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&listWorkAreas));
    return IsSavedWindowRectUsable(rcSaved, {mmi.ptMinTrackSize.x, mmi.ptMinTrackSize.y}, band, listWorkAreas);
}
