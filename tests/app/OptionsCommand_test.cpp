// The options command of the real main window: the bulk settings with Shift or the right button,
// the dialog in the busy state, the report pane and the run with files following the files
// option, and the options reaching the settings file at exit.
#include "MainDlgRun.h"

#include "app/Settings.h"
#include "app/ToolCommands.h"
#include "tree/OptionSet.h"

#include "WindowText.h"

namespace {

TEST(OptionsCommand, ShiftOrTheRightButtonOpensTheBulkSettingsWhereNothingChosenOnlyBeeps)
{
    for (int vk : {VK_SHIFT, VK_RBUTTON}) {
        CMainDlgRun run;
        CMainDlg &dlg = run.m_dlg;
        run.Step([&] {
            run.m_seams.m_mapKeysDown[vk] = true;
            run.m_seams.m_listDialogActions.push_back([&](CDialog &bulk) {
                EXPECT_EQ(Text(bulk.m_hWnd), L"( ^ _ ^ ; ) 属性･ﾀｲﾑｽﾀﾝﾌﾟをまとめて設定 ( ^ _ ^ ; )") << vk;
                EXPECT_TRUE(dlg.IsBusy());
                EXPECT_FALSE(IsToolEnabled(dlg, ID_OPTIONS));
                EXPECT_EQ(::GetWindow(bulk.m_hWnd, GW_OWNER), dlg.m_hWnd);
                bulk.PostButtonClick(IDOK);
            });
            ClickToolButton(dlg, ID_OPTIONS);
        });
        run.Step([&] {
            EXPECT_EQ(run.m_seams.m_listBeeps, std::vector<UINT>{0}) << vk;
            EXPECT_EQ(run.m_seams.m_nDialogs, 2) << vk; // the main window's own and the bulk settings
            EXPECT_FALSE(dlg.IsBusy());
            EXPECT_TRUE(IsToolEnabled(dlg, ID_OPTIONS));
            run.m_seams.m_mapKeysDown[vk] = false;
            CloseConfirmed(run);
        });
        EXPECT_EQ(run.Run(), IDCANCEL);
    }
}

TEST(OptionsCommand, FilesOptionShowsTheReportPaneAndEnablesTheRunWithFiles)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    HWND hReport = nullptr;
    auto TreeBottom = [&] {
        RECT rc = tree.GetWindowRect();
        ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT *>(&rc), 2);
        return rc.bottom;
    };
    auto Top = [&](HWND h) {
        RECT rc;
        ::GetWindowRect(h, &rc);
        ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT *>(&rc), 2);
        return rc.top;
    };
    // Each opening of the dialog: check the busy state, click the files box, end with nEnd.
    auto OpenAndToggleFiles = [&](int nEnd) {
        run.m_seams.m_listDialogActions.push_back([&, nEnd](CDialog &opt) {
            EXPECT_TRUE(dlg.IsBusy());
            EXPECT_FALSE(IsToolEnabled(dlg, ID_OPTIONS));
            Click(opt.m_hWnd, IDC_OPT_NOT_COPY_FILE);
            opt.PostButtonClick(nEnd);
        });
        ClickToolButton(dlg, ID_OPTIONS);
    };
    run.Step([&] {
        hReport = dlg.GetDlgItem(IDC_FILEINFO);
        tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"ﾃﾞｨﾚｸﾄﾘ", {10, 20}), TVI_SORT);
        dlg.UpdateCommandStates();
        ASSERT_EQ(tree.NotCopyFile, 1);
        EXPECT_FALSE(::IsWindowVisible(hReport));
        EXPECT_TRUE(IsToolEnabled(dlg, ID_RUN_DIRS_ONLY));
        EXPECT_FALSE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        OpenAndToggleFiles(IDCANCEL);
    });
    run.Step([&] {
        // Cancel: nothing changed.
        EXPECT_EQ(tree.NotCopyFile, 1);
        EXPECT_FALSE(::IsWindowVisible(hReport));
        EXPECT_FALSE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        EXPECT_FALSE(dlg.IsBusy());
        OpenAndToggleFiles(IDOK);
    });
    run.Step([&] {
        EXPECT_EQ(tree.NotCopyFile, 0);
        EXPECT_TRUE(::IsWindowVisible(hReport));
        EXPECT_EQ(TreeBottom(), Top(hReport) - 4);
        EXPECT_TRUE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        EXPECT_TRUE(::IsWindowEnabled(hReport));
        EXPECT_FALSE(dlg.IsBusy());
        OpenAndToggleFiles(IDOK);
    });
    run.Step([&] {
        EXPECT_EQ(tree.NotCopyFile, 1);
        EXPECT_FALSE(::IsWindowVisible(hReport));
        EXPECT_EQ(TreeBottom(), Top(dlg.GetDlgItem(IDC_DEST_PATH)) - 4);
        EXPECT_FALSE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        EXPECT_TRUE(run.m_seams.m_listMessages.empty());
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
    EXPECT_EQ(run.m_seams.m_nDialogs, 4);
}

TEST(OptionsCommand, OptionsReachTheSettingsFileAtExit)
{
    CTempDir logDir;
    CMainDlgRun run;
    run.Step([&] {
        run.m_seams.m_listDialogActions.push_back([&](CDialog &opt) {
            ::SendDlgItemMessageW(opt.m_hWnd, IDC_OPT_OVERWRITE_MODE, CB_SETCURSEL, FOW_NEVER, 0);
            Click(opt.m_hWnd, IDC_OPT_USE_ERROR_LOG);
            Click(opt.m_hWnd, IDC_OPT_NOT_COPY_FILE);
            Click(opt.m_hWnd, IDC_OPT_SORT_DESCENDING);
            ::SetDlgItemTextW(opt.m_hWnd, IDC_OPT_ERROR_LOG_DIR, logDir.Path().c_str());
            opt.PostButtonClick(IDOK);
        });
        ClickToolButton(run.m_dlg, ID_OPTIONS);
    });
    run.Step([&] {
        EXPECT_EQ(run.m_dlg.m_tree.FileOverWriteMode, FOW_NEVER);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);

    OptionSet loaded;
    CMainWindowSettings main;
    LoadSettings(run.IniPath(), loaded, main);
    EXPECT_EQ(loaded.FileOverWriteMode, FOW_NEVER);
    EXPECT_EQ(loaded.UseErrorLog, 1);
    EXPECT_EQ(loaded.NotCopyFile, 0);
    EXPECT_EQ(loaded.FileSortOrder, FSO_DESCENDING | FSO_BY_EXT);
    EXPECT_EQ(loaded.ErrorLogFilePath, logDir.Path());
}

} // namespace
