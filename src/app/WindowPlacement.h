// Where the main window opens from the rectangle the settings file saved: a hand-edited value or
// a monitor that is gone must not open it out of sight or smaller than it can be.
#pragma once
#include <windows.h>

#include <vector>

// How a window's caption bar lies within its window rectangle: nSide pixels in from the left and
// right edges, from the top edge down to nBottom.
struct CCaptionBand {
    int nSide = 0;
    int nBottom = 0;
};

// True when the saved rectangle can be used as it is: within the coordinates windows can have, at
// least sizeMin, and its caption bar wholly on the work areas (together, so it may span two
// monitors). Otherwise the window keeps its default placement.
bool IsSavedWindowRectUsable(const RECT &rcSaved, SIZE sizeMin, const CCaptionBand &band,
                             const std::vector<RECT> &listWorkAreas);
// The same for this window with the monitors there are now: its own minimum size and caption.
bool IsSavedWindowRectUsable(HWND hWnd, const RECT &rcSaved);
