#include "framework/WorkArea.h"

#include "framework/Seams.h"

#include <gtest/gtest.h>

namespace {

RECT Rect(LONG l, LONG t, LONG r, LONG b)
{
    return RECT{l, t, r, b};
}

::testing::AssertionResult Inside(const RECT &rc, const RECT &rcArea)
{
    if (rc.left >= rcArea.left && rc.top >= rcArea.top && rc.right <= rcArea.right && rc.bottom <= rcArea.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "{" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom
                                         << "} is not inside {" << rcArea.left << "," << rcArea.top << ","
                                         << rcArea.right << "," << rcArea.bottom << "}";
}

// What the test makes of the message box: placed where the system put it, then pushed down to
// the bottom edge as a box centred on a low owner is; and where it was when it showed.
HHOOK g_hPushHook = nullptr;
RECT g_rcPushArea = {};
RECT g_rcShown = {};
bool g_bShown = false;

bool IsDialogBox(HWND hWnd)
{
    wchar_t sz[16] = {};
    ::GetClassNameW(hWnd, sz, 16);
    return ::lstrcmpW(sz, L"#32770") == 0;
}

LRESULT CALLBACK PushDown(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto *p = reinterpret_cast<const CWPRETSTRUCT *>(lParam);
    if (nCode == HC_ACTION && p->message == WM_INITDIALOG && IsDialogBox(p->hwnd))
        ::SetWindowPos(p->hwnd, nullptr, g_rcPushArea.left + 40, g_rcPushArea.bottom - 20, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM)
{
    if (!IsDialogBox(hWnd) || !::IsWindowVisible(hWnd))
        return TRUE;
    ::GetWindowRect(hWnd, &g_rcShown);
    g_bShown = true;
    ::PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK LookForBox(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    if (!g_bShown)
        ::EnumThreadWindows(::GetCurrentThreadId(), AnswerBox, 0);
    if (g_bShown)
        ::KillTimer(nullptr, idTimer);
}

} // namespace

TEST(WorkArea, ARectangleMovesInsideWithoutChangingItsSize)
{
    const RECT area = Rect(0, 0, 1024, 738);
    struct {
        RECT rc, want;
    } const rows[] = {
        {Rect(100, 100, 300, 200), Rect(100, 100, 300, 200)}, // inside: stays
        {Rect(100, 700, 300, 800), Rect(100, 638, 300, 738)}, // off the bottom
        {Rect(900, -30, 1100, 70), Rect(824, 0, 1024, 100)},  // off the top and the right
        {Rect(-50, 300, 150, 400), Rect(0, 300, 200, 400)},   // off the left
        {Rect(10, 10, 1200, 900), Rect(0, 0, 1190, 890)},     // larger: the top left corner inside
        {Rect(0, 638, 1024, 738), Rect(0, 638, 1024, 738)},   // exactly the bottom edge
    };
    for (const auto &row : rows) {
        const RECT rc = MoveRectInside(row.rc, area);
        EXPECT_TRUE(::EqualRect(&rc, &row.want)) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    }
    // Another monitor's area, left of the primary one.
    const RECT rc = MoveRectInside(Rect(-100, 500, 100, 700), Rect(-1280, 0, 0, 1024)), want = Rect(-200, 500, 0, 700);
    EXPECT_TRUE(::EqualRect(&rc, &want));
}

TEST(WorkArea, AMessageBoxPushedBelowTheBottomEdgeShowsInsideTheWorkArea)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi));
    g_rcPushArea = mi.rcWork;
    // An owner low on the screen, as the status window at the bottom of a small desktop.
    HWND hOwner =
        ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, mi.rcWork.left + 20,
                          mi.rcWork.bottom - 60, 400, 120, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hOwner, nullptr);
    g_bShown = false;
    g_hPushHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, PushDown, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(g_hPushHook, nullptr);
    ::SetTimer(nullptr, 0, 20, LookForBox);
    CUiSeams platform;
    const int nAnswer = platform.MessageBox(hOwner, L"上書きしますか ?\n\n1\n2\n3", L"上書き確認", MB_OK);
    ::UnhookWindowsHookEx(g_hPushHook);
    ::DestroyWindow(hOwner);
    ASSERT_TRUE(g_bShown);
    EXPECT_NE(nAnswer, 0);
    EXPECT_TRUE(Inside(g_rcShown, mi.rcWork));
}
