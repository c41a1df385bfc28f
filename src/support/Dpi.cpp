#include "support/Dpi.h"

GetDpiForWindowFn FindGetDpiForWindow()
{
    // Loaded by name: the import would keep the program from starting on Windows 7 and 8.
    static const GetDpiForWindowFn pfn = [] {
        HMODULE hUser = ::GetModuleHandleW(L"user32.dll");
        return hUser ? reinterpret_cast<GetDpiForWindowFn>(
                           reinterpret_cast<void (*)()>(::GetProcAddress(hUser, "GetDpiForWindow")))
                     : nullptr;
    }();
    return pfn;
}

int GetWindowDpi(HWND hWnd, GetDpiForWindowFn pfnGetDpiForWindow)
{
    if (pfnGetDpiForWindow && hWnd) {
        const UINT nDpi = pfnGetDpiForWindow(hWnd);
        if (nDpi > 0)
            return static_cast<int>(nDpi);
    }
    int nDpi = 0;
    if (HDC hDC = ::GetDC(nullptr)) {
        nDpi = ::GetDeviceCaps(hDC, LOGPIXELSY);
        ::ReleaseDC(nullptr, hDC);
    }
    return nDpi > 0 ? nDpi : kBaseDpi;
}

int ScaleForDpi(int nPixels, int nDpi)
{
    if (nDpi < 1)
        nDpi = kBaseDpi;
    const long long nScaled = static_cast<long long>(nPixels) * nDpi;
    const long long nHalf = kBaseDpi / 2;
    return static_cast<int>(nScaled >= 0 ? (nScaled + nHalf) / kBaseDpi : (nScaled - nHalf) / kBaseDpi);
}

int NearestArtScale(int nDpi)
{
    // Midpoints between the three: 120 DPI (125 %) and 168 DPI (175 %).
    if (nDpi < 120)
        return 100;
    if (nDpi < 168)
        return 150;
    return 200;
}

int ArtSizeForDpi(int nBase, int nDpi)
{
    return nBase * NearestArtScale(nDpi) / 100;
}

UINT PickArtResource(int nDpi, UINT nId100, UINT nId150, UINT nId200)
{
    switch (NearestArtScale(nDpi)) {
    case 150: return nId150;
    case 200: return nId200;
    default: return nId100;
    }
}

int SystemMetricForDpi(int nIndex, int nDpi)
{
    using Fn = int(WINAPI *)(int, UINT);
    static const Fn pfn = [] {
        HMODULE hUser = ::GetModuleHandleW(L"user32.dll");
        return hUser ? reinterpret_cast<Fn>(
                           reinterpret_cast<void (*)()>(::GetProcAddress(hUser, "GetSystemMetricsForDpi")))
                     : nullptr;
    }();
    if (nDpi < 1)
        nDpi = kBaseDpi;
    if (pfn)
        return pfn(nIndex, static_cast<UINT>(nDpi));
    return ::MulDiv(::GetSystemMetrics(nIndex), nDpi, GetWindowDpi(nullptr, nullptr));
}
