// The tool bar's attribute command: the item attributes dialog of the selected directory, run while
// the main window is busy, and the report refreshed after it; refused where the button is disabled.
#include "MainDlgRun.h"

#include "app/ToolCommands.h"
#include "dialogs/ItemAttrDlg.h"

namespace {

TEST(EditAttributesCommand, RunsTheDialogBusyAndRefreshesTheReportOrBeepsWhereTheButtonIsOff)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    HTREEITEM hDir = nullptr;
    run.Step([&] {
        // The root without files: the button is off, and a command that comes anyway only beeps.
        EXPECT_FALSE(IsToolEnabled(dlg, ID_EDIT_ATTRIBUTES));
        dlg.DispatchCommand(ID_EDIT_ATTRIBUTES);
        EXPECT_EQ(run.m_seams.m_listBeeps, std::vector<UINT>{0});
        EXPECT_EQ(run.m_seams.m_nDialogs, 1);

        hDir = tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"元の名前", {100, 200}), TVI_SORT);
        ASSERT_NE(hDir, nullptr);
        tree.SelectItem(hDir);
        EXPECT_TRUE(IsToolEnabled(dlg, ID_EDIT_ATTRIBUTES));
        run.m_seams.m_listDialogActions.push_back([&](CDialog &d) {
            ASSERT_NE(dynamic_cast<CItemAttrDlg *>(&d), nullptr);
            EXPECT_EQ(::GetWindow(d.m_hWnd, GW_OWNER), dlg.m_hWnd);
            EXPECT_TRUE(dlg.IsBusy());
            EXPECT_TRUE(tree.m_bLocked);
            EXPECT_FALSE(IsToolEnabled(dlg, ID_EDIT_ATTRIBUTES));
            ::SetDlgItemTextW(d.m_hWnd, IDC_ATTR_DIR_NAME, L"新しい名前");
            d.PostButtonClick(IDOK);
        });
        ClickToolButton(dlg, ID_EDIT_ATTRIBUTES);
    });
    run.Step([&] {
        EXPECT_EQ(run.m_seams.m_nDialogs, 2);
        EXPECT_FALSE(dlg.IsBusy());
        EXPECT_FALSE(tree.m_bLocked);
        EXPECT_EQ(tree.GetItemText(hDir), L"新しい名前");
        const std::wstring strReport = dlg.GetDlgItemText(IDC_FILEINFO);
        EXPECT_NE(strReport.find(L"<< 新しい名前 >>"), std::wstring::npos) << "the report was not refreshed";
        EXPECT_TRUE(IsToolEnabled(dlg, ID_EDIT_ATTRIBUTES));
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

} // namespace
