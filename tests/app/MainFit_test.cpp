// The main window's labels show whole at the display's DPI (ctest runs MainDpi at 96, 144, 192).
#include "MainDlgRun.h"

#include "TextFit.h"

TEST(MainDpi, TheDestinationButtonShowsItsText)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        EXPECT_EQ(TextFitProblems(dlg.m_hWnd), L"");
        RECT rcButton = {}, rcEdit = {};
        ::GetWindowRect(dlg.GetDlgItem(IDC_SELECT_DEST), &rcButton);
        ::GetWindowRect(dlg.GetDlgItem(IDC_DEST_PATH), &rcEdit);
        EXPECT_LT(rcButton.right, rcEdit.left);
    });
    run.Run();
}
