#include "app/MainLayout.h"

#include "support/Dpi.h"

CMainLayout ArrangeMainWindow(const CMainLayoutInput &in)
{
    CMainLayout out = {};
    const RECT &rcClient = in.rcClient;
    const int nGap = ScaleForDpi(MAIN_LAYOUT_GAP, in.nDpi);
    out.rcToolBar = {rcClient.left, rcClient.top, rcClient.right, rcClient.top + in.nToolBarHeight};

    // The destination row keeps its left edges, the edit's height and the button's width.
    const LONG nEditHeight = in.rcDestEdit.bottom - in.rcDestEdit.top;
    out.rcDestEdit.left = in.rcDestEdit.left;
    out.rcDestEdit.right = rcClient.right > in.rcDestEdit.left ? rcClient.right : in.rcDestEdit.left;
    out.rcDestEdit.bottom = rcClient.bottom;
    out.rcDestEdit.top = rcClient.bottom - nEditHeight;
    out.rcDestButton.left = in.rcDestButton.left;
    out.rcDestButton.right = in.rcDestButton.left + (in.rcDestButton.right - in.rcDestButton.left);
    out.rcDestButton.top = out.rcDestEdit.top;
    out.rcDestButton.bottom = out.rcDestEdit.bottom;

    LONG nAboveRow = out.rcDestEdit.top - nGap;
    out.bShowReport = in.bShowReport;
    if (in.bShowReport) {
        const LONG nReportHeight = 4 * in.nLineHeight + ScaleForDpi(MAIN_REPORT_MARGIN, in.nDpi) + in.nHScrollHeight;
        out.rcReport = {rcClient.left, nAboveRow - nReportHeight, rcClient.right, nAboveRow};
        nAboveRow = out.rcReport.top - nGap;
    }

    out.rcTree = {rcClient.left, out.rcToolBar.bottom, rcClient.right, nAboveRow};
    out.bMoveTree = out.rcTree.bottom > out.rcTree.top;
    return out;
}
