#include "support/DpiArt.h"

#include "support/Dpi.h"

HICON LoadIconOfSize(UINT nId, int nSize)
{
    return static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nId), IMAGE_ICON, nSize, nSize, LR_DEFAULTCOLOR));
}

HCURSOR LoadCursorForDpi(UINT nId, int nDpi)
{
    const int nSize = ArtSizeForDpi(32, nDpi);
    return static_cast<HCURSOR>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nId), IMAGE_CURSOR, nSize, nSize, LR_DEFAULTCOLOR));
}

void CWindowIcons::Apply(HWND hWnd, UINT nId, int nDpi)
{
    CIcon iconLarge(LoadIconOfSize(nId, ScaleForDpi(32, nDpi)));
    CIcon iconSmall(LoadIconOfSize(nId, ScaleForDpi(16, nDpi)));
    // The old icons go only after the window has let go of them.
    ::SendMessageW(hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(iconLarge.Get()));
    ::SendMessageW(hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconSmall.Get()));
    m_iconLarge = std::move(iconLarge);
    m_iconSmall = std::move(iconSmall);
}
