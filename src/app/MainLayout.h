// Where the main window's controls go when its size changes: the tool bar on top, the destination
// row at the bottom, the report pane above that (while files are part of the job), the tree between.
#pragma once
#include <windows.h>

struct CMainLayoutInput {
    RECT rcClient;      // the dialog's client rectangle
    int nToolBarHeight; // the tool bar's current height
    RECT rcDestEdit;    // IDC_DEST_PATH and IDC_SELECT_DEST where they are now (client coordinates)
    RECT rcDestButton;
    int nLineHeight;    // height of a text line in the dialog's font
    int nHScrollHeight; // height of a horizontal scroll bar
    bool bShowReport;   // files are part of the job
    int nDpi = 96;      // the window's DPI; the gaps are in pixels at 96
};

struct CMainLayout {
    RECT rcToolBar;
    RECT rcDestEdit;
    RECT rcDestButton;
    RECT rcReport; // meaningful only when bShowReport
    bool bShowReport;
    RECT rcTree;    // meaningful only when bMoveTree
    bool bMoveTree; // false when no room is left for the tree
};

// Gaps between the rows, and the report pane's margin above its four lines, at 96 DPI.
constexpr int MAIN_LAYOUT_GAP = 4;
constexpr int MAIN_REPORT_MARGIN = 8;

CMainLayout ArrangeMainWindow(const CMainLayoutInput &in);
