#include "support/StatusLayout.h"

#include "support/Dpi.h"

#include <algorithm>

namespace {

constexpr int kMarginAt96 = 4;

RECT Rect(int left, int top, int right, int bottom)
{
    return RECT{left, top, right, bottom};
}

} // namespace

int CalcStatusClientHeight(int nLineHeight, bool bFrames, bool bButton, int nButtonHeight, int nIconSize, int nDpi)
{
    const int kIconSize = nIconSize, kMargin = ScaleForDpi(kMarginAt96, nDpi);
    int h = nLineHeight;
    // Three margins and the 4 pixels under line 2.
    int cy = (bFrames ? h + std::max(h, kIconSize) : 2 * h) + 4 * kMargin;
    return cy + (bButton ? nButtonHeight + kMargin : 0);
}

CStatusLayout LayoutStatusControls(const RECT &rc, int nLineHeight, bool bFrames, bool bButton, SIZE sizeButton,
                                   int nIconSize, int nDpi)
{
    const int kIconSize = nIconSize, kMargin = ScaleForDpi(kMarginAt96, nDpi);
    int h = nLineHeight;
    CStatusLayout lay = {};
    int yNext;
    if (bFrames) {
        lay.rcIcon =
            Rect(rc.left + kMargin, rc.top + kMargin, rc.left + kMargin + kIconSize, rc.top + kMargin + kIconSize);
        int yLine1 = h >= kIconSize ? rc.top + kMargin : rc.top + kMargin + (kIconSize - h) / 2;
        lay.rcLine1 = Rect(rc.left + kIconSize + 2 * kMargin, yLine1, rc.right - kMargin, yLine1 + h);
        // Below the taller of icon and line 1, so that a large font cannot overlap line 2.
        yNext = rc.top + std::max(h, kIconSize) + 2 * kMargin;
    } else {
        lay.rcLine1 = Rect(rc.left + kMargin, rc.top + kMargin, rc.right - kMargin, rc.top + kMargin + h);
        yNext = rc.top + h + 2 * kMargin;
    }
    lay.rcLine2 = Rect(rc.left + kMargin, yNext, rc.right - kMargin, yNext + h + kMargin);
    if (bButton) {
        int x = rc.left + (rc.right - rc.left - sizeButton.cx) / 2;
        int y = lay.rcLine2.bottom + kMargin;
        lay.rcButton = Rect(x, y, x + sizeButton.cx, y + sizeButton.cy);
    }
    return lay;
}

POINT PlaceOnWorkArea(const RECT &rcWindow, const RECT &rcWork, int nFlags)
{
    POINT pt = {rcWindow.left, rcWindow.top};
    if (nFlags & PLACE_BEYOND_CORNER)
        return POINT{rcWork.right, rcWork.bottom};
    int cx = rcWindow.right - rcWindow.left, cy = rcWindow.bottom - rcWindow.top;
    // A later flag of an axis wins over an earlier one.
    if (nFlags & PLACE_LEFT)
        pt.x = rcWork.left;
    if (nFlags & PLACE_RIGHT)
        pt.x = rcWork.right - cx;
    if (nFlags & PLACE_HCENTER)
        pt.x = rcWork.left + (rcWork.right - rcWork.left - cx) / 2;
    if (nFlags & PLACE_TOP)
        pt.y = rcWork.top;
    if (nFlags & PLACE_BOTTOM)
        pt.y = rcWork.bottom - cy;
    if (nFlags & PLACE_VCENTER)
        pt.y = rcWork.top + (rcWork.bottom - rcWork.top - cy) / 2;
    return pt;
}
