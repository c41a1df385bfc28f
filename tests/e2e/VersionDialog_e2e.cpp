// The about box as a person sees it: the tool bar button opens it over a busy main window, its four
// lines read from outside, OK closes it and the window is usable again.
#include "Controls.h"
#include "Dialogs.h"
#include "Scenario.h"

#include "res/Version.h"
#include "res/resource.h"

namespace {

const wchar_t VERSION_CAPTION[] = L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)";
// The lines of the box, top to bottom, and its picture.
const int LINE_IDS[] = {9999, 9998, 9997, 9996};
constexpr int ID_PICTURE = 9995;

class VersionDialog : public CPelnixScenario {};

TEST_F(VersionDialog, TheButtonShowsTheVersionLinesAndOkClosesIt)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hBar = Control(IDC_TOOLBAR);
    PressToolButton(hBar, ID_APP_ABOUT);
    HWND hDlg = WaitForDialog(m_app, VERSION_CAPTION);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(::GetWindow(hDlg, GW_OWNER), m_hMain);
    EXPECT_FALSE(IsToolButtonEnabled(hBar, ID_APP_EXIT)); // busy while it shows

    const std::wstring lines[] = {L"Ostrel:Halvorn Version 01.00 β 1", L"" PELNIX_COPYRIGHT, L"" PELNIX_COMMENTS,
                                  L"Build Version : 2026.12.07 No.1"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(GetText(RequireControl(hDlg, LINE_IDS[i])), lines[i]) << "line " << i + 1;
    HWND hPicture = RequireControl(hDlg, ID_PICTURE);
    EXPECT_TRUE(::IsWindowVisible(hPicture));
    EXPECT_NE(::SendMessageW(hPicture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    Shot(L"version-dialog");

    ClickButton(hDlg, IDOK);
    WaitUntil([&] { return !::IsWindow(hDlg); }, L"the version dialog to close");
    WaitUntilIdle();
    EXPECT_TRUE(IsToolButtonEnabled(hBar, ID_APP_ABOUT));
    ExitConfirmed();
}

} // namespace
