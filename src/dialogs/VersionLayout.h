// Where the version dialog's picture, text lines and OK button go, from what was measured (pixels).
#pragma once
#include <windows.h>

struct CVersionMeasure {
    int cxText = 0;           // the widest line
    int cyText = 0;           // the tallest line
    SIZE sizeButton = {};     // the OK button
    bool bBitmap = false;     // the picture's control exists
    SIZE sizeBitmapCtrl = {}; // its whole window, border included
};

struct CVersionLayout {
    SIZE sizeClient = {};
    RECT rcBitmap = {}; // empty without the picture's control
    RECT rcLines[4] = {};
    RECT rcOK = {};
};

CVersionLayout ComputeVersionLayout(const CVersionMeasure &m);
