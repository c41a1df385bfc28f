// The options as a person changes them: the dialog from the tool bar, a new overwrite policy, OK,
// exit, and the next start of the program shows the policy kept.
#include "Controls.h"
#include "Dialogs.h"
#include "Scenario.h"

#include "res/resource.h"

namespace {

constexpr int ID_OPTIONS_COMMAND = 32779;
const wchar_t OPTIONS_CAPTION[] = L"ｵﾌﾟｼｮﾝ";

class OptionsDialog : public CPelnixScenario {};

int ListSelection(HWND hDlg)
{
    return static_cast<int>(::SendMessageW(RequireControl(hDlg, IDC_OPT_OVERWRITE_MODE), CB_GETCURSEL, 0, 0));
}

bool IsChecked(HWND hDlg, int nId)
{
    return ::SendMessageW(RequireControl(hDlg, nId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A check box clicked: it changes its state and tells the dialog.
void ClickCheckBox(HWND hDlg, int nId)
{
    HWND hBox = RequireControl(hDlg, nId);
    ::SendMessageW(hBox, BM_CLICK, 0, 0);
    SyncWindowThread(hBox);
}

// The close box and the exit question of a program the fixture did not start.
void ExitConfirmedOf(CProgram &app)
{
    app.PostClose();
    EXPECT_EQ(AnswerMessageBox(app, L"確認", IDOK), L"Pelnixを終了します。");
    app.WaitExit();
}

TEST_F(OptionsDialog, OverwritePolicyIsKeptForTheNextStart)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hReport = Control(IDC_FILEINFO);
    EXPECT_FALSE(::IsWindowVisible(hReport));

    PressToolButton(Control(IDC_TOOLBAR), ID_OPTIONS_COMMAND);
    HWND hDlg = WaitForDialog(m_app, OPTIONS_CAPTION);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(ListSelection(hDlg), 1);                                             // only when the source is newer
    EXPECT_FALSE(::IsWindowEnabled(RequireControl(hDlg, IDC_OPT_OVERWRITE_MODE))); // files are ignored
    ClickCheckBox(hDlg, IDC_OPT_NOT_COPY_FILE);
    EXPECT_TRUE(::IsWindowEnabled(RequireControl(hDlg, IDC_OPT_OVERWRITE_MODE)));
    ::SendMessageW(RequireControl(hDlg, IDC_OPT_OVERWRITE_MODE), CB_SETCURSEL, 3, 0); // never overwrite
    ClickCheckBox(hDlg, IDC_OPT_SORT_ASCENDING);
    Shot(L"options-dialog");
    ClickButton(hDlg, IDOK);
    WaitUntil([&] { return !::IsWindow(hDlg); }, L"the options dialog to close");
    m_app.Sync();
    EXPECT_TRUE(::IsWindowVisible(hReport)); // files are part of the job now
    ExitConfirmed();

    CProgram again;
    again.Start(m_pFolder->Exe());
    HWND hMain = again.WaitMainWindow(PELNIX_CAPTION);
    EXPECT_TRUE(::IsWindowVisible(RequireControl(hMain, IDC_FILEINFO)));
    PressToolButton(RequireControl(hMain, IDC_TOOLBAR), ID_OPTIONS_COMMAND);
    hDlg = WaitForDialog(again, OPTIONS_CAPTION);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(ListSelection(hDlg), 3);
    EXPECT_EQ(WindowText(RequireControl(hDlg, IDC_OPT_OVERWRITE_MODE)), L"上書きしない");
    EXPECT_FALSE(IsChecked(hDlg, IDC_OPT_NOT_COPY_FILE));
    EXPECT_TRUE(IsChecked(hDlg, IDC_OPT_SORT_ASCENDING));
    ClickButton(hDlg, IDCANCEL);
    WaitUntil([&] { return !::IsWindow(hDlg); }, L"the options dialog to close");
    ExitConfirmedOf(again);
}

} // namespace
