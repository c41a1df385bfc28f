#include "datetime/ClockCtrl.h"

#include "HostWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cmath>
#include <set>

namespace {

constexpr UINT WM_CLOCK = WM_APP + 3;

int SpinPos(HWND hSpin)
{
    return static_cast<int>(::SendMessageW(hSpin, UDM_GETPOS32, 0, 0));
}

// A press and release on the upper (increasing) or lower half of a spin control.
void ClickSpin(HWND hSpin, bool bUp)
{
    RECT rc = {};
    ::GetClientRect(hSpin, &rc);
    const LPARAM lPoint = MAKELPARAM(rc.right / 2, bUp ? rc.bottom / 4 : rc.bottom * 3 / 4);
    ::SendMessageW(hSpin, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageW(hSpin, WM_LBUTTONUP, 0, lPoint);
}

struct CClockInHost {
    CHostWindow host{RECT{100, 100, 500, 450}};
    CClockCtrl clock;
    CClockInHost()
    {
        if (clock.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, 9998, host.m_hWnd, nullptr, 9))
            clock.m_nNotifyMessage = WM_CLOCK;
    }
    std::vector<CHostMessage> Results()
    {
        PumpPending();
        return host.Received(WM_CLOCK);
    }
};

// Where a mark of a ring lies, from the face alone: hour marks 15, minute marks 5 pixels inside
// the face's edge, 3 o'clock to the right of the centre, 6 o'clock below it.
POINT MarkPoint(const CClockCtrl &clock, bool bHourRing, int nOClock)
{
    const RECT &rc = clock.GetLayout().rcFace;
    const int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
    const int r = cy - rc.top - (bHourRing ? 15 : 5);
    return nOClock == 3 ? POINT{cx + r, cy} : POINT{cx, cy + r};
}

TEST(ClockRules, LayoutHourHandAndSpinSteps)
{
    const CClockLayout l = ClockLayoutFor(SIZE{14, 12});
    EXPECT_EQ(l.nCell, 16);
    EXPECT_EQ(l.sizeClient.cx, 8 * 16 + 5);
    EXPECT_EQ(l.sizeClient.cy, 9 * 16 + 7);
    EXPECT_EQ(l.rcFace.right, 8 * 16 + 3);
    EXPECT_EQ(l.rcMinutes.left, 23 * 16 / 8 + 2);
    EXPECT_EQ(l.rcSpinSeconds.right, 46 * 16 / 8 + 2 + 20 + 16);
    EXPECT_EQ(ClockLayoutFor(SIZE{20, 22}).nCell, 22);

    EXPECT_EQ(HourHandAngle(3, 0), 90);
    EXPECT_EQ(HourHandAngle(3, 12), 90);
    EXPECT_EQ(HourHandAngle(3, 13), 96);
    EXPECT_EQ(HourHandAngle(15, 24), 96);
    EXPECT_EQ(HourHandAngle(15, 25), 102);
    EXPECT_EQ(HourHandAngle(11, 59), 354);

    CClockTime t = {23, 59, 59};
    EXPECT_EQ(StepClockField(t, CLOCK_SECONDS, 1), 7);
    EXPECT_EQ(t.nHours * 10000 + t.nMinutes * 100 + t.nSeconds, 0);
    EXPECT_EQ(StepClockField(t, CLOCK_MINUTES, -1), 3);
    EXPECT_EQ(t.nHours, 23);
    EXPECT_EQ(t.nMinutes, 59);
    t = {23, 0, 0};
    EXPECT_EQ(StepClockField(t, CLOCK_HOURS, 1), 1);
    EXPECT_EQ(t.nHours, 0);

    // Marks: a second click on the same hour flips the half of the day; 12 o'clock is noon.
    EXPECT_EQ(HoursAfterMarkClick(14, 3), 15);
    EXPECT_EQ(HoursAfterMarkClick(15, 3), 3);
    EXPECT_EQ(HoursAfterMarkClick(0, 12), 12);
    EXPECT_EQ(HoursAfterMarkClick(12, 0), 0);
    EXPECT_EQ(HoursAfterMarkClick(23, 12), 0);
    EXPECT_EQ(PackClockTime(13, 5, 9), static_cast<LPARAM>(13 * 65536 + 5 * 256 + 9));
}

TEST(Clock, SetTimeLimitsEachFieldAndTheSpinsFollow)
{
    CClockInHost t;
    ASSERT_TRUE(t.clock.m_hWnd);
    t.clock.SetTime(25, 61, -3);
    EXPECT_EQ(t.clock.GetTimeText(), L"23:59:00");
    EXPECT_EQ(SpinPos(t.clock.GetSpin(CLOCK_HOURS)), 23);
    EXPECT_EQ(SpinPos(t.clock.GetSpin(CLOCK_MINUTES)), 59);
    EXPECT_EQ(SpinPos(t.clock.GetSpin(CLOCK_SECONDS)), 0);
    const RECT rc = t.clock.GetClientRect();
    EXPECT_EQ(rc.right, t.clock.GetLayout().sizeClient.cx);
    EXPECT_EQ(rc.bottom, t.clock.GetLayout().sizeClient.cy);
}

TEST(Clock, TheSecondsSpinWrapsIntoTheMinutesAndHours)
{
    CClockInHost t;
    t.clock.SetTime(10, 20, 59);
    ClickSpin(t.clock.GetSpin(CLOCK_SECONDS), true);
    EXPECT_EQ(t.clock.GetTimeText(), L"10:21:00");
    EXPECT_EQ(SpinPos(t.clock.GetSpin(CLOCK_SECONDS)), 0);
    EXPECT_EQ(SpinPos(t.clock.GetSpin(CLOCK_MINUTES)), 21);
    t.clock.SetTime(23, 59, 59);
    ClickSpin(t.clock.GetSpin(CLOCK_SECONDS), true);
    EXPECT_EQ(t.clock.GetTimeText(), L"00:00:00");
    ClickSpin(t.clock.GetSpin(CLOCK_MINUTES), false);
    EXPECT_EQ(t.clock.GetTimeText(), L"23:59:00");
    const auto results = t.Results();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].wParam, static_cast<WPARAM>(CLOCK_CHANGED));
    EXPECT_EQ(results[0].lParam, PackClockTime(10, 21, 0));
    EXPECT_EQ(results[2].lParam, PackClockTime(23, 59, 0));
}

TEST(Clock, ClicksOnTheMarksSetHoursAndMinutes)
{
    CClockInHost t;
    t.clock.SetTime(14, 20, 0);
    const POINT ptThree = MarkPoint(t.clock, true, 3);
    t.clock.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptThree.x, ptThree.y));
    EXPECT_EQ(t.clock.GetTimeText(), L"15:20:00");
    t.clock.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptThree.x + 3, ptThree.y - 2));
    EXPECT_EQ(t.clock.GetTimeText(), L"03:20:00");
    EXPECT_EQ(SpinPos(t.clock.GetSpin(CLOCK_HOURS)), 3);
    const POINT ptSix = MarkPoint(t.clock, false, 6);
    t.clock.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptSix.x, ptSix.y));
    EXPECT_EQ(t.clock.GetTimeText(), L"03:30:00");
    // Half way between the 12 and 1 o'clock minute marks nothing changes.
    const RECT &rcFace = t.clock.GetLayout().rcFace;
    const int cx = (rcFace.left + rcFace.right) / 2, cy = (rcFace.top + rcFace.bottom) / 2;
    const double r = cy - rcFace.top - 5, dHalf = 15 * 3.14159 / 180;
    t.clock.SendMessage(
        WM_LBUTTONDOWN, MK_LBUTTON,
        MAKELPARAM(cx + static_cast<int>(r * std::sin(dHalf)), cy - static_cast<int>(r * std::cos(dHalf))));
    EXPECT_EQ(t.clock.GetTimeText(), L"03:30:00");
    const auto results = t.Results();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[2].lParam, PackClockTime(3, 30, 0));
    // A click in the centre of a child clock is a change, not OK.
    t.clock.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
    ASSERT_EQ(t.Results().size(), 4u);
    EXPECT_EQ(t.Results()[3].wParam, static_cast<WPARAM>(CLOCK_CHANGED));
}

TEST(Clock, ACentreClickInAPopupIsOkWithThePackedTime)
{
    CHostWindow field(RECT{100, 100, 300, 122});
    CClockCtrl clock;
    ASSERT_TRUE(clock.CreatePopup(field.m_hWnd, nullptr, 9));
    clock.m_nNotifyMessage = WM_CLOCK;
    clock.SetTime(13, 5, 9);
    const RECT &rcFace = clock.GetLayout().rcFace;
    const POINT pt = {(rcFace.left + rcFace.right) / 2, (rcFace.top + rcFace.bottom) / 2 + 3};
    clock.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    clock.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    clock.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    const auto results = field.Received(WM_CLOCK);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].wParam, static_cast<WPARAM>(CLOCK_OK));
    EXPECT_EQ(results[0].lParam, static_cast<LPARAM>(13 * 65536 + 5 * 256 + 9));
    EXPECT_EQ(results[1].wParam, static_cast<WPARAM>(CLOCK_CANCELLED));
}

// The colours of the clock drawn into a memory bitmap.
std::set<COLORREF> DrawnColours(CClockCtrl &clock)
{
    const RECT rc = clock.GetClientRect();
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, rc.right, rc.bottom);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    clock.DrawClock(hDC);
    std::set<COLORREF> colours;
    for (int y = 0; y < rc.bottom; ++y)
        for (int x = 0; x < rc.right; ++x)
            colours.insert(::GetPixel(hDC, x, y));
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    return colours;
}

TEST(Clock, DisabledItDrawsInTheDarkerColours)
{
    CClockInHost t;
    t.clock.SetTime(10, 10, 30);
    std::set<COLORREF> colours = DrawnColours(t.clock);
    EXPECT_TRUE(colours.count(CLOCK_HOUR_COLOR));
    EXPECT_TRUE(colours.count(CLOCK_MINUTE_COLOR));
    EXPECT_TRUE(colours.count(CLOCK_SECOND_COLOR));
    EXPECT_FALSE(colours.count(CLOCK_HOUR_COLOR_DISABLED));
    EXPECT_TRUE(colours.count(::GetSysColor(COLOR_WINDOWTEXT)));

    t.clock.EnableWindow(false);
    EXPECT_FALSE(::IsWindowEnabled(t.clock.GetSpin(CLOCK_SECONDS)));
    colours = DrawnColours(t.clock);
    EXPECT_TRUE(colours.count(CLOCK_HOUR_COLOR_DISABLED));
    EXPECT_TRUE(colours.count(CLOCK_MINUTE_COLOR_DISABLED));
    EXPECT_FALSE(colours.count(CLOCK_HOUR_COLOR));
    EXPECT_FALSE(colours.count(CLOCK_MINUTE_COLOR));
    EXPECT_FALSE(colours.count(::GetSysColor(COLOR_WINDOWTEXT)));
}

} // namespace
