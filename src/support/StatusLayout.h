// Where the status window's controls go and where the window goes on the screen.
#pragma once
#include <windows.h>

// Placement flags: where the status window goes over the work area of the screen.
enum {
    PLACE_TOP = 0x1,
    PLACE_BOTTOM = 0x2,
    PLACE_LEFT = 0x4,
    PLACE_RIGHT = 0x8,
    PLACE_HCENTER = 0x10,
    PLACE_VCENTER = 0x20,
    PLACE_BEYOND_CORNER = 0x8000, // top-left corner to the work area's bottom-right corner
};

struct CStatusLayout {
    RECT rcIcon; // empty without frames
    RECT rcLine1;
    RECT rcLine2;
    RECT rcButton; // empty without a cancel button
};

// Client height for a line height nLineHeight ("QWERT" plus 4 pixels). The animation is nIconSize
// square; margins are pixels at 96 DPI, scaled to nDpi.
int CalcStatusClientHeight(int nLineHeight, bool bFrames, bool bButton, int nButtonHeight, int nIconSize = 32,
                           int nDpi = 96);
// The controls in the client rectangle rc; the button keeps sizeButton and is centred below line 2.
CStatusLayout LayoutStatusControls(const RECT &rc, int nLineHeight, bool bFrames, bool bButton, SIZE sizeButton,
                                   int nIconSize = 32, int nDpi = 96);
// Top-left corner of a window of rcWindow's size placed by nFlags over rcWork; an axis without a
// flag keeps rcWindow's position.
POINT PlaceOnWorkArea(const RECT &rcWindow, const RECT &rcWork, int nFlags);
