// The main window as started: its controls and tool bar, tooltips, layout, command states and the
// busy state, on the real dialog under the real tool bar and tree view.
#include "MainDlgRun.h"
#include "ToolButtonTable.h"

#include "app/WindowPlacement.h"
#include "support/DllVersion.h"

#include <iterator>

namespace {

const UINT kAllCommands[] = {ID_CLEAR_TREE, ID_SELECT_SOURCE,   ID_SELECT_DEST, ID_RUN_DIRS_ONLY,
                             ID_APP_EXIT,   ID_ADD_DIR,         ID_DELETE_DIR,  ID_APP_ABOUT,
                             ID_OPTIONS,    ID_EDIT_ATTRIBUTES, ID_ADD_LOAD,    ID_RUN_WITH_FILES};

RECT ChildRect(const CMainDlg &dlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(dlg.GetDlgItem(nID), &rc);
    ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

// The commands that are enabled, in id order.
std::vector<UINT> EnabledCommands(const CMainDlg &dlg)
{
    std::vector<UINT> list;
    for (UINT n : kAllCommands)
        if (IsToolEnabled(dlg, n))
            list.push_back(n);
    std::sort(list.begin(), list.end());
    return list;
}

const std::vector<UINT> kAlwaysEnabled = {ID_CLEAR_TREE, ID_SELECT_SOURCE, ID_SELECT_DEST, ID_APP_EXIT,
                                          ID_ADD_DIR,    ID_APP_ABOUT,     ID_OPTIONS};

std::vector<UINT> With(std::vector<UINT> list, std::initializer_list<UINT> more)
{
    list.insert(list.end(), more);
    std::sort(list.begin(), list.end());
    return list;
}

std::string FormatRect(const RECT &rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

TEST(MainWindow, StartsWithItsControlsTheToolBarAndTheFreshCommandStates)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        EXPECT_EQ(dlg.GetWindowText(), L"Ostrel:Halvorn");
        EXPECT_EQ(dlg.GetDlgItemText(IDC_SELECT_DEST), L"複写先 :");
        EXPECT_NE(dlg.SendMessage(WM_GETICON, ICON_BIG), 0);
        ASSERT_EQ(CWnd::FromHandle(dlg.GetDlgItem(IDC_DIRTREE)), &dlg.m_tree);
        EXPECT_EQ(dlg.m_tree.GetItemText(dlg.m_tree.GetRootItem()), L"[ root ]");
        EXPECT_EQ(dlg.m_tree.GetCount(), 1u);

        HWND hBar = dlg.GetDlgItem(IDC_TOOLBAR);
        ASSERT_NE(hBar, nullptr);
        wchar_t szClass[64];
        ::GetClassNameW(hBar, szClass, 64);
        EXPECT_STREQ(szClass, TOOLBARCLASSNAMEW);
        EXPECT_EQ((::GetWindowLongW(hBar, GWL_STYLE) & TBSTYLE_FLAT) != 0, IsComCtl470OrLater());
        EXPECT_TRUE(::GetWindowLongW(hBar, GWL_STYLE) & TBSTYLE_TOOLTIPS);
        EXPECT_NE(::SendMessageW(hBar, TB_GETTOOLTIPS, 0, 0), 0);
        auto hImages = reinterpret_cast<HIMAGELIST>(::SendMessageW(hBar, TB_GETIMAGELIST, 0, 0));
        ASSERT_NE(hImages, nullptr);
        EXPECT_EQ(::ImageList_GetImageCount(hImages), 16);

        // The buttons as the control holds them.
        std::vector<CToolButtonDef> expected = ExpectedToolButtons(IsComCtl470OrLater());
        ASSERT_EQ(::SendMessageW(hBar, TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            TBBUTTON tb = {};
            ASSERT_TRUE(::SendMessageW(hBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&tb)));
            if (!expected[i].nCommand) {
                EXPECT_TRUE(tb.fsStyle & BTNS_SEP) << i;
                continue;
            }
            EXPECT_EQ(static_cast<UINT>(tb.idCommand), expected[i].nCommand) << i;
            EXPECT_EQ(tb.iBitmap, expected[i].nImage) << i;
        }

        // At the top, full width; the tree starts below it.
        RECT rcBar = ChildRect(dlg, IDC_TOOLBAR), rcClient = dlg.GetClientRect();
        EXPECT_EQ(rcBar.top, 0);
        EXPECT_EQ(rcBar.right - rcBar.left, rcClient.right);
        EXPECT_GT(rcBar.bottom, 16);
        EXPECT_EQ(ChildRect(dlg, IDC_DIRTREE).top, rcBar.bottom);

        // Fresh start, the root selected: nothing to run, to add to or to delete.
        EXPECT_EQ(dlg.m_tree.GetSelectedItem(), dlg.m_tree.GetRootItem());
        EXPECT_EQ(EnabledCommands(dlg), kAlwaysEnabled);
        EXPECT_TRUE(run.m_seams.m_listMessages.empty());
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainWindow, ToolTipsAreTheStringsOfTheCommandIds)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        HWND hBar = dlg.GetDlgItem(IDC_TOOLBAR);
        auto hTip = reinterpret_cast<HWND>(::SendMessageW(hBar, TB_GETTOOLTIPS, 0, 0));
        ASSERT_NE(hTip, nullptr);
        // What the tooltip asks when the pointer rests on a button; the tool bar passes it on.
        auto ask = [&](UINT nID) {
            NMTTDISPINFOW info = {};
            info.hdr.hwndFrom = hTip;
            info.hdr.idFrom = nID;
            info.hdr.code = TTN_GETDISPINFOW;
            ::SendMessageW(hBar, WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&info));
            return info.lpszText ? std::wstring(info.lpszText) : std::wstring();
        };
        const std::pair<UINT, const wchar_t *> texts[] = {
            {ID_CLEAR_TREE, L"初期化"},      {ID_SELECT_SOURCE, L"複写元選択"},
            {ID_SELECT_DEST, L"複写先選択"}, {ID_RUN_DIRS_ONLY, L"実行(ﾃﾞｨﾚｸﾄﾘだけｺﾋﾟｰ)"},
            {ID_APP_EXIT, L"終了"},          {ID_ADD_DIR, L"Dir追加"},
            {ID_DELETE_DIR, L"Dir削除"},     {ID_APP_ABOUT, L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)"},
            {ID_OPTIONS, L"ｵﾌﾟｼｮﾝ"},         {ID_EDIT_ATTRIBUTES, L"属性変更"},
            {ID_ADD_LOAD, L"Dir追加読込"},   {ID_RUN_WITH_FILES, L"実行(ﾌｧｲﾙもｺﾋﾟｰ)"},
        };
        for (const auto &t : texts)
            EXPECT_EQ(ask(t.first), t.second) << t.first;
        // A disabled button still explains itself.
        ASSERT_FALSE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        EXPECT_EQ(ask(ID_RUN_WITH_FILES), L"実行(ﾌｧｲﾙもｺﾋﾟｰ)");
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainWindow, WithoutFilesTheReportIsHiddenAndTheTreeReachesTheDestinationRow)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=1\r\n[Common]\r\nWindowPos=40,30,560,430\r\n");
    CMainDlg &dlg = run.m_dlg;
    auto checkLayout = [&] {
        RECT rcClient = dlg.GetClientRect();
        RECT rcEdit = ChildRect(dlg, IDC_DEST_PATH), rcButton = ChildRect(dlg, IDC_SELECT_DEST);
        RECT rcTree = ChildRect(dlg, IDC_DIRTREE);
        EXPECT_EQ(rcEdit.bottom, rcClient.bottom);
        EXPECT_EQ(rcEdit.right, rcClient.right);
        EXPECT_EQ(rcButton.top, rcEdit.top);
        EXPECT_EQ(rcButton.bottom, rcEdit.bottom);
        EXPECT_FALSE(::IsWindowVisible(dlg.GetDlgItem(IDC_FILEINFO)));
        EXPECT_EQ(rcTree.bottom, rcEdit.top - 4);
        EXPECT_EQ(rcTree.left, 0);
        EXPECT_EQ(rcTree.right, rcClient.right);
    };
    run.Step([&] {
        RECT rc = dlg.GetWindowRect();
        EXPECT_EQ(rc.left, 40);
        EXPECT_EQ(rc.top, 30);
        EXPECT_EQ(rc.right, 560);
        EXPECT_EQ(rc.bottom, 430);
        checkLayout();
        RECT rcEdit = ChildRect(dlg, IDC_DEST_PATH);
        ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, 700, 600, SWP_NOMOVE | SWP_NOZORDER);
        checkLayout();
        // The row keeps its left edges and heights.
        RECT rcEdit2 = ChildRect(dlg, IDC_DEST_PATH);
        EXPECT_EQ(rcEdit2.left, rcEdit.left);
        EXPECT_EQ(rcEdit2.bottom - rcEdit2.top, rcEdit.bottom - rcEdit.top);

        // Content does not enable the run with files; the hidden pane is not updated.
        const std::wstring strBefore = dlg.GetDlgItemText(IDC_FILEINFO);
        HTREEITEM hDir =
            dlg.m_tree.InsertItemData(dlg.m_tree.GetRootItem(), MakeDirRecord(L"資料", {10, 20}), TVI_SORT);
        ASSERT_NE(hDir, nullptr);
        EXPECT_EQ(dlg.m_tree.GetSelectedItem(), hDir);
        EXPECT_EQ(EnabledCommands(dlg),
                  With(kAlwaysEnabled, {ID_RUN_DIRS_ONLY, ID_ADD_LOAD, ID_DELETE_DIR, ID_EDIT_ATTRIBUTES}));
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), strBefore);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainWindow, WithFilesTheReportSitsAboveTheRowAndShowsTheSelectedDirectory)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    run.Step([&] {
        HWND hReport = dlg.GetDlgItem(IDC_FILEINFO);
        EXPECT_TRUE(::IsWindowVisible(hReport));
        RECT rcEdit = ChildRect(dlg, IDC_DEST_PATH), rcReport = ChildRect(dlg, IDC_FILEINFO);
        RECT rcTree = ChildRect(dlg, IDC_DIRTREE), rcClient = dlg.GetClientRect();
        EXPECT_EQ(rcReport.bottom, rcEdit.top - 4);
        EXPECT_EQ(rcTree.bottom, rcReport.top - 4);
        EXPECT_EQ(rcReport.left, 0);
        EXPECT_EQ(rcReport.right, rcClient.right);
        // Four lines of "複写" in the dialog's font, 8 pixels and a scroll bar.
        HDC hdc = ::GetDC(dlg.m_hWnd);
        HGDIOBJ hOld = ::SelectObject(hdc, dlg.GetFont());
        SIZE size = {};
        ::GetTextExtentPoint32W(hdc, L"複写", 2, &size);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(dlg.m_hWnd, hdc);
        EXPECT_EQ(rcReport.bottom - rcReport.top, 4 * size.cy + 8 + ::GetSystemMetrics(SM_CYHSCROLL));

        // The report's font has a fixed pitch.
        LOGFONTW lf = {};
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(hReport, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        EXPECT_STREQ(lf.lfFaceName, L"ＭＳ ゴシック");

        // The root is selected at the start and has nothing to report.
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"--- << [ root ] >> には複写対象ﾌｧｲﾙの情報はありません ---");

        // 3 files of 1,234,567 bytes, and 22 more of 11,111,111 bytes below.
        HTREEITEM hDir = tree.InsertItemData(tree.GetRootItem(),
                                             MakeDirRecord(L"資料", {1000000, 234567, 0}, L"Z:\\src\\資料"), TVI_SORT);
        ASSERT_NE(hDir, nullptr);
        std::initializer_list<uint64_t> sizes = {1111111, 1111111, 1111111, 1111111, 1111111, 1111111,
                                                 1111111, 1111111, 1111111, 1111111, 1,       0};
        ASSERT_NE(tree.InsertItemData(hDir, MakeDirRecord(L"下", sizes), TVI_SORT), nullptr);
        std::initializer_list<uint64_t> more = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        ASSERT_NE(tree.InsertItemData(hDir, MakeDirRecord(L"空", more), TVI_SORT), nullptr);
        EXPECT_EQ(EnabledCommands(dlg), With(kAlwaysEnabled, {ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES, ID_ADD_LOAD,
                                                              ID_DELETE_DIR, ID_EDIT_ATTRIBUTES}));
        tree.SelectItem(hDir);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"----- << 資料 >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
                                                    L"ﾌｧｲﾙの複写元 : Z:\\src\\資料\r\n"
                                                    L"      ﾌｧｲﾙ数 :         3 file(s) [         25 file(s) ]\r\n"
                                                    L"合計ﾌｧｲﾙｻｲｽﾞ : 1,234,567 byte(s) [ 12,345,678 byte(s) ]");

        // The root without files of its own still reports what is below it, deletable or not.
        tree.SelectItem(tree.GetRootItem());
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"----- << [ root ] >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
                                                    L"ﾌｧｲﾙの複写元 : (N/A)\r\n"
                                                    L"      ﾌｧｲﾙ数 : 0 file(s) [         25 file(s) ]\r\n"
                                                    L"合計ﾌｧｲﾙｻｲｽﾞ : 0 byte(s) [ 12,345,678 byte(s) ]");
        EXPECT_EQ(EnabledCommands(dlg), With(kAlwaysEnabled, {ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES, ID_ADD_LOAD}));

        // Nothing selected.
        tree.SelectItem(nullptr);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"--- << (Invalid) >> には複写対象ﾌｧｲﾙの情報はありません ---");
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainWindow, BusyDisablesEverythingButTheTreeAndIgnoresClose)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        dlg.EnableUserInterface(false);
        EXPECT_TRUE(dlg.IsBusy());
        EXPECT_TRUE(EnabledCommands(dlg).empty());
        for (int nID : {IDC_SELECT_DEST, IDC_DEST_PATH, IDC_FILEINFO})
            EXPECT_FALSE(::IsWindowEnabled(dlg.GetDlgItem(nID))) << nID;
        EXPECT_TRUE(::IsWindowEnabled(dlg.GetDlgItem(IDC_DIRTREE)));
        EXPECT_TRUE(dlg.m_tree.m_bLocked);

        // The states are not recomputed while busy, and the report is not touched.
        dlg.UpdateCommandStates();
        EXPECT_TRUE(EnabledCommands(dlg).empty());
        ::SetDlgItemTextW(dlg.m_hWnd, IDC_FILEINFO, L"unchanged");
        dlg.RefreshReport();
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"unchanged");

        // The close box and the exit command do nothing.
        dlg.PostMessage(WM_CLOSE);
        dlg.DispatchCommand(ID_APP_EXIT);
    });
    run.Step(
        [&] {
            EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
            EXPECT_TRUE(run.m_seams.m_listMessages.empty());
            dlg.EnableUserInterface(true);
            EXPECT_FALSE(dlg.IsBusy());
            EXPECT_FALSE(dlg.m_tree.m_bLocked);
            EXPECT_EQ(EnabledCommands(dlg), kAlwaysEnabled);
            for (int nID : {IDC_SELECT_DEST, IDC_DEST_PATH, IDC_FILEINFO})
                EXPECT_TRUE(::IsWindowEnabled(dlg.GetDlgItem(nID))) << nID;
            CloseConfirmed(run);
        },
        true);
    EXPECT_EQ(run.Run(), IDCANCEL);
    ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(run.m_seams.m_listMessages[0].strText, L"Pelnixを終了します。");
}

TEST(MainWindow, AFlagKeyOfTwoMeansOn)
{
    // NotCopyFile=2: files are not part of the job, for the report pane and the commands alike.
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=2\r\n");
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        EXPECT_EQ(dlg.m_tree.NotCopyFile, 1);
        EXPECT_FALSE(::IsWindowVisible(dlg.GetDlgItem(IDC_FILEINFO)));
        EXPECT_EQ(ChildRect(dlg, IDC_DIRTREE).bottom, ChildRect(dlg, IDC_DEST_PATH).top - 4);
        ASSERT_NE(dlg.m_tree.InsertItemData(dlg.m_tree.GetRootItem(), MakeDirRecord(L"資料", {10}), TVI_SORT), nullptr);
        EXPECT_TRUE(IsToolEnabled(dlg, ID_RUN_DIRS_ONLY));
        EXPECT_FALSE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainWindow, ASavedPlaceOffTheWorkAreasOrTooSmallOpensTheWindowWhereTheTemplatePutsIt)
{
    RECT rcTemplate = {};
    {
        CMainDlgRun run;
        run.Step([&] {
            rcTemplate = run.m_dlg.GetWindowRect();
            CloseConfirmed(run);
        });
        ASSERT_EQ(run.Run(), IDCANCEL);
    }
    ASSERT_NE(::MonitorFromRect(&rcTemplate, MONITOR_DEFAULTTONULL), nullptr);
    for (const wchar_t *pszPos : {L"5000,5000,5800,5600", L"-2147483648,-2147483648,2147483647,2147483647",
                                  L"-3000,-2000,-2400,-1500", L"600,400,100,100"}) {
        CMainDlgRun run(std::wstring(L"[Common]\r\nWindowPos=") + pszPos + L"\r\n");
        run.Step([&] {
            RECT rc = run.m_dlg.GetWindowRect();
            EXPECT_EQ(FormatRect(rc), FormatRect(rcTemplate)) << pszPos;
            EXPECT_NE(::MonitorFromWindow(run.m_dlg.m_hWnd, MONITOR_DEFAULTTONULL), nullptr) << pszPos;
            CloseConfirmed(run);
        });
        EXPECT_EQ(run.Run(), IDCANCEL);
    }

    // Measured against the work area the window opens on: a one-pixel window in its corner, a
    // caption that sticks out further than a frame is wide, and one that lies on it with the rest
    // of the window below.
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromRect(&rcTemplate, MONITOR_DEFAULTTONEAREST), &mi));
    const RECT &rcWork = mi.rcWork;
    const RECT rcBelow = {rcWork.left + 20, rcWork.bottom - 200, rcWork.left + 620, rcWork.bottom + 300};
    struct {
        RECT rcSaved;
        bool bUsed;
    } cases[] = {
        {{1279, 899, 1280, 900}, false},
        {{1, 2, 3, 4}, false},
        {{rcWork.right - 1, rcWork.bottom - 1, rcWork.right, rcWork.bottom}, false},
        {{rcWork.right - 580, rcWork.top + 10, rcWork.right + 20, rcWork.top + 410}, false},
        {rcBelow, true},
    };
    for (const auto &c : cases) {
        CMainDlgRun run(L"[Common]\r\nWindowPos=" + std::to_wstring(c.rcSaved.left) + L"," +
                        std::to_wstring(c.rcSaved.top) + L"," + std::to_wstring(c.rcSaved.right) + L"," +
                        std::to_wstring(c.rcSaved.bottom) + L"\r\n");
        run.Step([&] {
            RECT rc = run.m_dlg.GetWindowRect();
            EXPECT_EQ(FormatRect(rc), FormatRect(c.bUsed ? c.rcSaved : rcTemplate)) << FormatRect(c.rcSaved);
            CloseConfirmed(run);
        });
        EXPECT_EQ(run.Run(), IDCANCEL);
    }
}

TEST(WindowPlacement, ASavedRectangleIsUsedOnlyWithItsCaptionOnAWorkAreaAndAtItsMinimumSize)
{
    const RECT rcWork = {0, 0, 1280, 900};
    const RECT rcRight = {1280, 0, 2560, 1024}; // a second monitor to the right
    const SIZE sizeMin = {112, 27};
    CCaptionBand band;
    band.nSide = 8;
    band.nBottom = 31;
    struct {
        RECT rcSaved;
        std::vector<RECT> listWork;
        bool bUsed;
    } cases[] = {
        {{40, 30, 560, 430}, {rcWork}, true},
        {{0, 0, 1280, 900}, {rcWork}, true},
        // One pixel on the screen; smaller than a window can be.
        {{1279, 899, 1280, 900}, {rcWork}, false},
        {{1, 2, 3, 4}, {rcWork}, false},
        // The minimum itself, and a pixel less either way.
        {{100, 100, 212, 127}, {rcWork}, true},
        {{100, 100, 211, 127}, {rcWork}, false},
        {{100, 100, 212, 126}, {rcWork}, false},
        // The frame may stick out (a window snapped to an edge); the caption may not.
        {{-8, 0, 600, 400}, {rcWork}, true},
        {{-9, 0, 600, 400}, {rcWork}, false},
        {{100, -1, 600, 400}, {rcWork}, false},
        {{100, 870, 600, 1400}, {rcWork}, false},
        // The caption on, the rest below the screen: the person can still take it by its caption.
        {{100, 600, 700, 1400}, {rcWork}, true},
        // Across two monitors, or on the second one only; gone when that monitor is.
        {{1000, 100, 1600, 500}, {rcWork, rcRight}, true},
        {{1000, 100, 1600, 500}, {rcWork}, false},
        {{1300, 950, 1900, 1000}, {rcWork, rcRight}, true},
        {{1300, 950, 1900, 1000}, {rcWork}, false},
        // Below the first monitor's bottom beside the taller second one: off both work areas.
        {{1000, 950, 1600, 1000}, {rcWork, rcRight}, false},
        // No monitor, empty, inverted, or beyond what window coordinates can be.
        {{40, 30, 560, 430}, {}, false},
        {{0, 0, 0, 0}, {rcWork}, false},
        {{600, 400, 100, 100}, {rcWork}, false},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {rcWork}, false},
        {{-40000, 0, 200, 200}, {rcWork}, false},
        {{0, 0, 200, 40000}, {rcWork}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsSavedWindowRectUsable(c.rcSaved, sizeMin, band, c.listWork), c.bUsed) << FormatRect(c.rcSaved);
}

} // namespace
