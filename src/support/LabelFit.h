// Making room for controls whose text does not fit, without breaking a dialog's order and gaps.
#pragma once
#include <windows.h>

#include <vector>

// One control: its rectangle in the dialog's client coordinates and the least size its text needs
// (0: no need on that axis).
struct CFitBox {
    RECT rc = {};
    int cxNeed = 0;
    int cyNeed = 0;
};

struct CFitResult {
    std::vector<RECT> rects; // in the order of the boxes
    SIZE sizeClient = {};
    bool bChanged = false;
};

// A box short of its need gets the difference inserted at its far edge as a column (or a row)
// across the whole dialog: what starts at or beyond that edge moves on, what spans it grows, the
// client area grows. Order and gaps stay; where every box fits, nothing changes. Widths first,
// then heights.
CFitResult FitBoxes(const std::vector<CFitBox> &boxes, SIZE sizeClient);
