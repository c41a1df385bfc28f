// The display's dots per inch for a window, and measures drawn for 96 DPI scaled to it.
#pragma once
#include <windows.h>

constexpr int kBaseDpi = 96;
// WM_DPICHANGED, which the headers for Windows 7 do not define.
constexpr UINT WM_DPICHANGED_MSG = 0x02E0;

using GetDpiForWindowFn = UINT(WINAPI *)(HWND);

// The system's GetDpiForWindow, or nullptr before Windows 10 1607 (looked up once).
GetDpiForWindowFn FindGetDpiForWindow();
// hWnd's DPI: from pfnGetDpiForWindow when given and it answers, else the screen's (system DPI),
// else 96.
int GetWindowDpi(HWND hWnd, GetDpiForWindowFn pfnGetDpiForWindow);
inline int GetWindowDpi(HWND hWnd)
{
    return GetWindowDpi(hWnd, FindGetDpiForWindow());
}

// nPixels at 96 DPI, at nDpi, rounded half away from zero. A DPI below 1 counts as 96.
int ScaleForDpi(int nPixels, int nDpi);

// The art drawn at 100 %, 150 % and 200 %: the scale nearest to nDpi (a tie takes the larger).
int NearestArtScale(int nDpi);
// The pixel size of art drawn nBase wide at 100 %, at the scale nearest to nDpi.
int ArtSizeForDpi(int nBase, int nDpi);
// The one of three resources drawn at 100 %, 150 % and 200 % that is nearest to nDpi.
UINT PickArtResource(int nDpi, UINT nId100, UINT nId150, UINT nId200);

// A system metric (SM_CYHSCROLL ...) at nDpi: asked for that DPI where the system can answer
// (Windows 10 1607 on), else the system DPI's value rescaled.
int SystemMetricForDpi(int nIndex, int nDpi);
