// Icons and cursors loaded at the size for a window's DPI, from resources that hold several sizes.
#pragma once
#include "framework/Handles.h"

#include <windows.h>

// Resource nId of this module as an icon nSize pixels square (the image of that size, or the
// nearest one scaled); the caller destroys it.
HICON LoadIconOfSize(UINT nId, int nSize);
// Resource nId as a cursor of the size drawn for nDpi's art scale (32, 48 or 64 pixels, never
// stretched between them); the caller destroys it.
HCURSOR LoadCursorForDpi(UINT nId, int nDpi);

// A window's large and small icons at its DPI. The window only borrows them, so they live here
// until replaced or the owner goes.
class CWindowIcons {
public:
    // Loads resource nId at 32 and 16 pixels scaled to nDpi and gives them to hWnd.
    void Apply(HWND hWnd, UINT nId, int nDpi);
    HICON GetLarge() const { return m_iconLarge; }

private:
    CIcon m_iconLarge;
    CIcon m_iconSmall;
};
