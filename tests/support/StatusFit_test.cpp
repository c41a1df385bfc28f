// The status window's cancel button shows its text whole at the display's DPI (ctest runs the
// StatusDpi tests at 96, 144 and 192).
#include "support/StatusWnd.h"

#include "res/resource.h"

#include "TextFit.h"
#include "WindowText.h"

#include <gtest/gtest.h>

TEST(StatusDpi, TheCancelButtonAndTheCaptionShowTheirTexts)
{
    HWND hOwner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 80, 600, 400,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hOwner, nullptr);
    int bCancel = 0;
    {
        CStatusWnd wnd(L"Ostrel:Halvorn", &bCancel, IDB_STATUS_ANIM, 0xFFFF, 250, SHORTEN_IN_MIDDLE, 0, false);
        ASSERT_TRUE(wnd.Create(hOwner, 9, 256));
        HWND hButton = wnd.GetDlgItem(IDC_STATUS_CANCEL);
        ASSERT_NE(hButton, nullptr);
        EXPECT_EQ(Text(hButton), L"ｷｬﾝｾﾙ");
        EXPECT_EQ(TextFitProblems(wnd.m_hWnd), L"");
        EXPECT_EQ(CaptionFitProblem(wnd.m_hWnd), L"");
        // Resizing keeps the fitted button.
        const RECT rcWindow = wnd.GetWindowRect();
        ::SetWindowPos(wnd.m_hWnd, nullptr, 0, 0, rcWindow.right - rcWindow.left + 40, rcWindow.bottom - rcWindow.top,
                       SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(TextFitProblem(hButton), L"");
    }
    ::DestroyWindow(hOwner);
}
