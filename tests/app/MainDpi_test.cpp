// The main window at the display's DPI. ctest runs these in prefixes set to 96, 144 and 192 DPI
// and names the value in PELNIX_EXPECT_DPI (unset: 96).
#include "MainDlgRun.h"

#include "support/Dpi.h"

#include <cstdlib>

namespace {

int ExpectedDpi()
{
    const char *psz = std::getenv("PELNIX_EXPECT_DPI");
    return psz && *psz ? std::atoi(psz) : 96;
}

struct CDpiRow {
    int nDpi, nImage, nGap, nMargin, nFontHeight;
};
// Images drawn for 100, 150 and 200 %; the 4-pixel gaps and 8-pixel margin; 9 points.
const CDpiRow kRows[] = {{96, 16, 4, 8, 12}, {144, 24, 6, 12, 18}, {192, 32, 8, 16, 24}};

const CDpiRow *RowFor(int nDpi)
{
    for (const CDpiRow &row : kRows)
        if (row.nDpi == nDpi)
            return &row;
    return nullptr;
}

RECT ChildRect(const CMainDlg &dlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(dlg.GetDlgItem(nID), &rc);
    ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

SIZE ImageSize(HIMAGELIST hList)
{
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(hList, &cx, &cy);
    return {cx, cy};
}

int IconWidth(HICON hIcon)
{
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return 0;
    BITMAP bm = {};
    ::GetObjectW(info.hbmColor, sizeof(bm), &bm);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bm.bmWidth;
}

SIZE TextSize(HDC hdc, const wchar_t *psz)
{
    SIZE size = {};
    ::GetTextExtentPoint32W(hdc, psz, lstrlenW(psz), &size);
    return size;
}

TEST(MainDpi, ImagesFontAndRowsAreOfTheDisplaysSize)
{
    const CDpiRow *pRow = RowFor(ExpectedDpi());
    ASSERT_NE(pRow, nullptr) << "no row for " << ExpectedDpi();
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n[Common]\r\nWindowPos=20,20,820,620\r\n");
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        ASSERT_EQ(GetWindowDpi(dlg.m_hWnd), pRow->nDpi);

        HWND hBar = dlg.GetDlgItem(IDC_TOOLBAR);
        const SIZE sizeTool = ImageSize(reinterpret_cast<HIMAGELIST>(::SendMessageW(hBar, TB_GETIMAGELIST, 0, 0)));
        EXPECT_EQ(sizeTool.cx, pRow->nImage);
        EXPECT_EQ(sizeTool.cy, pRow->nImage);
        EXPECT_EQ(::ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(::SendMessageW(hBar, TB_GETIMAGELIST, 0, 0))),
                  16);
        // A button holds its image.
        RECT rcButton = {};
        ASSERT_TRUE(::SendMessageW(hBar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcButton)));
        EXPECT_GT(rcButton.right - rcButton.left, pRow->nImage);
        EXPECT_GT(rcButton.bottom - rcButton.top, pRow->nImage);

        // The caption's small icon is as large as a node image; its large icon and the drag cursors twice that.
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_SMALL, 0))), pRow->nImage);
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_BIG, 0))), 2 * pRow->nImage);
        for (int nType : {DRAG_CURSOR_MOVE, DRAG_CURSOR_NODROP, DRAG_CURSOR_COPY}) {
            dlg.m_tree.SetDragCursor(nType);
            EXPECT_EQ(IconWidth(::GetCursor()), 2 * pRow->nImage) << nType;
        }

        HWND hTree = dlg.GetDlgItem(IDC_DIRTREE);
        auto hNodes = reinterpret_cast<HIMAGELIST>(::SendMessageW(hTree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
        const SIZE sizeNode = ImageSize(hNodes);
        EXPECT_EQ(sizeNode.cx, pRow->nImage);
        EXPECT_EQ(sizeNode.cy, pRow->nImage);
        EXPECT_EQ(::ImageList_GetImageCount(hNodes), 24);

        // Rows top to bottom, touching or a gap apart, none overlapping, the full width.
        const RECT rcClient = dlg.GetClientRect();
        const RECT rcBar = ChildRect(dlg, IDC_TOOLBAR), rcTree = ChildRect(dlg, IDC_DIRTREE);
        const RECT rcReport = ChildRect(dlg, IDC_FILEINFO), rcEdit = ChildRect(dlg, IDC_DEST_PATH);
        const RECT rcDest = ChildRect(dlg, IDC_SELECT_DEST);
        EXPECT_EQ(rcBar.top, 0);
        EXPECT_EQ(rcTree.top, rcBar.bottom);
        EXPECT_EQ(rcReport.top, rcTree.bottom + pRow->nGap);
        EXPECT_EQ(rcEdit.top, rcReport.bottom + pRow->nGap);
        EXPECT_EQ(rcEdit.bottom, rcClient.bottom);
        EXPECT_EQ(rcDest.top, rcEdit.top);
        // The button left of the edit, the edit to the right edge.
        EXPECT_GE(rcDest.left, 0);
        EXPECT_LE(rcDest.right, rcEdit.left);
        EXPECT_EQ(rcEdit.right, rcClient.right);
        for (const RECT &rc : {rcBar, rcTree, rcReport}) {
            EXPECT_EQ(rc.left, 0);
            EXPECT_EQ(rc.right, rcClient.right);
        }
        HDC hdcDlg = ::GetDC(dlg.m_hWnd);
        HGDIOBJ hOldDlg = ::SelectObject(hdcDlg, dlg.GetFont());
        const LONG cyLine = TextSize(hdcDlg, L"複写").cy;
        ::SelectObject(hdcDlg, hOldDlg);
        ::ReleaseDC(dlg.m_hWnd, hdcDlg);
        EXPECT_EQ(rcReport.bottom - rcReport.top,
                  4 * cyLine + pRow->nMargin + SystemMetricForDpi(SM_CYHSCROLL, pRow->nDpi));

        // The report's font is 9 points at this DPI, and its columns line up: half-width letters,
        // digits and spaces all of one width, a full-width letter two of them.
        HWND hReport = dlg.GetDlgItem(IDC_FILEINFO);
        auto hFont = reinterpret_cast<HFONT>(::SendMessageW(hReport, WM_GETFONT, 0, 0));
        LOGFONTW lf = {};
        ASSERT_TRUE(::GetObjectW(hFont, sizeof(lf), &lf));
        EXPECT_EQ(lf.lfHeight, -pRow->nFontHeight);
        HDC hdc = ::GetDC(hReport);
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        const LONG cxDigits = TextSize(hdc, L"1234567890").cx;
        EXPECT_GT(cxDigits, 0);
        EXPECT_EQ(TextSize(hdc, L"ﾌｧｲﾙ数 :  ").cx, cxDigits);
        EXPECT_EQ(TextSize(hdc, L"      ,,,,").cx, cxDigits);
        EXPECT_EQ(TextSize(hdc, L"ﾌｧｲﾙの複写").cx, cxDigits);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(hReport, hdc);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

// Moved to a monitor at another DPI: the images, the font and the rows follow, at the place the
// system suggests.
TEST(MainDpi, ADpiChangeRelaysTheWindowAtTheSuggestedRectangle)
{
    const int nDpi = ExpectedDpi() == 192 ? 96 : 192;
    const CDpiRow *pRow = RowFor(nDpi);
    ASSERT_NE(pRow, nullptr);
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n[Common]\r\nWindowPos=20,20,620,470\r\n");
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        RECT rcSuggested = {40, 30, 40 + 900, 30 + 700};
        dlg.SendMessage(WM_DPICHANGED_MSG, MAKEWPARAM(nDpi, nDpi), reinterpret_cast<LPARAM>(&rcSuggested));
        const RECT rcWindow = dlg.GetWindowRect();
        EXPECT_EQ(rcWindow.left, 40);
        EXPECT_EQ(rcWindow.top, 30);
        EXPECT_EQ(rcWindow.right, 940);
        EXPECT_EQ(rcWindow.bottom, 730);

        HWND hBar = dlg.GetDlgItem(IDC_TOOLBAR);
        EXPECT_EQ(ImageSize(reinterpret_cast<HIMAGELIST>(::SendMessageW(hBar, TB_GETIMAGELIST, 0, 0))).cx,
                  pRow->nImage);
        RECT rcButton = {};
        ASSERT_TRUE(::SendMessageW(hBar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcButton)));
        EXPECT_GT(rcButton.bottom - rcButton.top, pRow->nImage);
        EXPECT_EQ(ImageSize(reinterpret_cast<HIMAGELIST>(
                                ::SendMessageW(dlg.GetDlgItem(IDC_DIRTREE), TVM_GETIMAGELIST, TVSIL_NORMAL, 0)))
                      .cx,
                  pRow->nImage);
        LOGFONTW lf = {};
        ASSERT_TRUE(
            ::GetObjectW(reinterpret_cast<HFONT>(::SendDlgItemMessageW(dlg.m_hWnd, IDC_FILEINFO, WM_GETFONT, 0, 0)),
                         sizeof(lf), &lf));
        EXPECT_EQ(lf.lfHeight, -pRow->nFontHeight);

        const RECT rcClient = dlg.GetClientRect();
        const RECT rcBar = ChildRect(dlg, IDC_TOOLBAR), rcTree = ChildRect(dlg, IDC_DIRTREE);
        const RECT rcReport = ChildRect(dlg, IDC_FILEINFO), rcEdit = ChildRect(dlg, IDC_DEST_PATH);
        EXPECT_GE(rcBar.bottom - rcBar.top, rcButton.bottom - rcButton.top);
        EXPECT_EQ(rcTree.top, rcBar.bottom);
        EXPECT_EQ(rcReport.top, rcTree.bottom + pRow->nGap);
        EXPECT_EQ(rcEdit.top, rcReport.bottom + pRow->nGap);
        EXPECT_EQ(rcEdit.bottom, rcClient.bottom);
        EXPECT_EQ(rcTree.right, rcClient.right);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

} // namespace
