#include "datetime/CalendarCtrlEx.h"

#include "HostWindow.h"
#include "framework/Time.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr UINT WM_CALENDAR = WM_APP + 2;

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kBlack = RGB(0, 0, 0), kGrey = RGB(128, 128, 128);

// A calendar as a child of a host window that records what the calendar tells it.
struct CCalendarInHost {
    CHostWindow host{RECT{100, 100, 500, 450}};
    CCalendarCtrlEx cal;
    CCalendarInHost()
    {
        if (cal.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, 9999, host.m_hWnd, nullptr, 9))
            cal.m_nNotifyMessage = WM_CALENDAR;
    }
    std::vector<CHostMessage> Results()
    {
        PumpPending();
        return host.Received(WM_CALENDAR);
    }
};

// The centre of the cell of a day of the held month.
POINT CellOf(const CCalendarCtrl &cal, int nYear, int nMonth, int nDay)
{
    const int nIndex = DayOfWeek(nYear, nMonth, 1) + nDay - 1;
    return POINT{(nIndex % 7) * cal.GetCellWidth() + cal.GetCellWidth() / 2,
                 (3 + nIndex / 7) * cal.GetCellHeight() + cal.GetCellHeight() / 2};
}

void Click(CWnd &wnd, POINT pt)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

// The calendar drawn into a memory bitmap; the colours found in a day's cell.
class CDrawnCalendar {
public:
    explicit CDrawnCalendar(CCalendarCtrl &cal) : m_cal(cal)
    {
        const RECT rc = cal.GetClientRect();
        m_cx = rc.right;
        m_cy = rc.bottom;
        HDC hScreen = ::GetDC(nullptr);
        m_hDC = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, m_cx, m_cy);
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        cal.DrawCalendar(m_hDC);
    }
    ~CDrawnCalendar()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    std::set<COLORREF> ColoursOfDay(int nDay) const
    {
        const CTime &date = m_cal.GetDate();
        const POINT pt = CellOf(m_cal, date.GetYear(), date.GetMonth(), nDay);
        return ColoursAround(pt);
    }
    std::set<COLORREF> ColoursAround(POINT pt) const
    {
        std::set<COLORREF> colours;
        const int cx = m_cal.GetCellWidth() / 2 - 2, cy = m_cal.GetCellHeight() / 2 - 2;
        for (int y = pt.y - cy; y <= pt.y + cy; ++y)
            for (int x = pt.x - cx; x <= pt.x + cx; ++x)
                colours.insert(::GetPixel(m_hDC, x, y));
        return colours;
    }

private:
    CCalendarCtrl &m_cal;
    int m_cx = 0, m_cy = 0;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

bool Has(const std::set<COLORREF> &colours, COLORREF cr)
{
    return colours.count(cr) != 0;
}

TEST(Calendar, LayoutInCellUnits)
{
    CCalendarInHost t;
    ASSERT_TRUE(t.cal.m_hWnd);
    const int cx = t.cal.GetCellWidth(), cy = t.cal.GetCellHeight();
    ASSERT_GT(cx, 4);
    ASSERT_GT(cy, 4);
    const RECT rc = t.cal.GetClientRect();
    EXPECT_EQ(rc.right, 7 * cx + 2);
    EXPECT_EQ(rc.bottom, 10 * (cy - 2) + 26);
    EXPECT_EQ(t.cal.GetTodayRect().top, 9 * cy + 2);
    EXPECT_EQ(t.cal.GetTodayRect().bottom, rc.bottom);
    EXPECT_EQ(t.cal.GetHeaderRect().top, 2);
    EXPECT_EQ(t.cal.GetHeaderRect().bottom, 2 * cy - 2);
    RECT rcPrev = {}, rcNext = {};
    ::GetWindowRect(t.cal.GetPrevButton(), &rcPrev);
    ::GetWindowRect(t.cal.GetNextButton(), &rcNext);
    ::MapWindowPoints(nullptr, t.cal.m_hWnd, reinterpret_cast<POINT *>(&rcPrev), 2);
    ::MapWindowPoints(nullptr, t.cal.m_hWnd, reinterpret_cast<POINT *>(&rcNext), 2);
    EXPECT_EQ(rcPrev.left, 2);
    EXPECT_EQ(rcNext.right, rc.right - 2);
    EXPECT_EQ(t.cal.GetHeaderRect().left, rcPrev.right + 4);
    EXPECT_EQ(t.cal.GetHeaderRect().right, rcNext.left - 4);
    EXPECT_EQ(t.cal.GetWeekdayName(-1), L"日");
    EXPECT_EQ(t.cal.GetWeekdayName(3), L"水");
    EXPECT_EQ(t.cal.GetWeekdayName(9), L"土");
}

TEST(Calendar, AMonthStartingOnSundayAndTheDayPicked)
{
    CCalendarInHost t;
    t.cal.SetDateText(L"2026/02/14", true);
    EXPECT_EQ(t.cal.GetDateText(), L"2026/02/14");
    // The top left day cell is the 1st.
    Click(t.cal, POINT{t.cal.GetCellWidth() / 2, 3 * t.cal.GetCellHeight() + 3});
    EXPECT_EQ(t.cal.GetDateText(), L"2026/02/01");
    auto results = t.Results();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].wParam, static_cast<WPARAM>(CALENDAR_CHANGED));
    EXPECT_EQ(results[0].lParam, static_cast<LPARAM>(2026 * 65536 + 2 * 256 + 1));

    // An empty cell after the 28th picks nothing.
    Click(t.cal, CellOf(t.cal, 2026, 2, 29));
    EXPECT_EQ(t.cal.GetDateText(), L"2026/02/01");
    EXPECT_EQ(t.Results().size(), 1u);

    // Dragging over the days reports each day reached.
    const POINT pt = CellOf(t.cal, 2026, 2, 17);
    t.cal.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    results = t.Results();
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].wParam, static_cast<WPARAM>(CALENDAR_DRAGGING));
    EXPECT_EQ(results[1].lParam, static_cast<LPARAM>(2026 * 65536 + 2 * 256 + 17));
    // A click in the two pixels right of Saturday is no click on the next week's Sunday.
    Click(t.cal, POINT{7 * t.cal.GetCellWidth() + 1, CellOf(t.cal, 2026, 2, 7).y});
    EXPECT_EQ(t.cal.GetDateText(), L"2026/02/17");
}

TEST(Calendar, MonthStepsAndTheirLimits)
{
    CCalendarInHost t;
    t.cal.SetDateText(L"2024/03/31", true);
    t.cal.SendMessage(WM_COMMAND, IDC_CALENDAR_PREV, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2024/02/29");
    t.cal.SetDateText(L"2026/03/31", true);
    t.cal.SendMessage(WM_COMMAND, IDC_CALENDAR_PREV, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2026/02/28");

    t.cal.SetDateText(L"1970/01/15", true);
    t.cal.SendMessage(WM_COMMAND, IDC_CALENDAR_PREV, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"1970/01/15");

    t.cal.SetDateText(L"2037/12/31", true);
    t.cal.SendMessage(WM_COMMAND, IDC_CALENDAR_NEXT, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2038/01/19");
    t.cal.SendMessage(WM_COMMAND, IDC_CALENDAR_NEXT, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2038/01/19");
    const auto results = t.Results();
    ASSERT_EQ(results.size(), 5u);
    for (const CHostMessage &m : results)
        EXPECT_EQ(m.wParam, static_cast<WPARAM>(CALENDAR_CHANGED));
    EXPECT_EQ(results[4].lParam, static_cast<LPARAM>(2038 * 65536 + 1 * 256 + 19));

    // The arrow button itself: a click on it steps back a month.
    HWND hPrev = t.cal.GetPrevButton();
    ::SendMessageW(hPrev, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(hPrev, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_TRUE(PumpUntil([&] { return t.host.Received(WM_CALENDAR).size() == 6; }));
    EXPECT_EQ(t.cal.GetDateText(), L"2037/12/19");
}

TEST(Calendar, January2038PastThe19thIsShownButCannotBeHeld)
{
    CCalendarInHost t;
    t.cal.SetDateText(L"2038/01/10", true);
    Click(t.cal, CellOf(t.cal, 2038, 1, 20));
    Click(t.cal, CellOf(t.cal, 2038, 1, 31));
    EXPECT_EQ(t.cal.GetDateText(), L"2038/01/10");
    EXPECT_TRUE(t.Results().empty());
    Click(t.cal, CellOf(t.cal, 2038, 1, 19));
    EXPECT_EQ(t.cal.GetDateText(), L"2038/01/19");

    // Days 20-31 in the colours of empty cells: 2038-01-24 is a Sunday, 01-30 a Saturday.
    CDrawnCalendar drawn(t.cal);
    EXPECT_TRUE(Has(drawn.ColoursOfDay(24), RGB(128, 0, 0)));
    EXPECT_FALSE(Has(drawn.ColoursOfDay(24), kRed));
    EXPECT_TRUE(Has(drawn.ColoursOfDay(30), RGB(0, 0, 128)));
    EXPECT_TRUE(Has(drawn.ColoursOfDay(20), kGrey));
    EXPECT_TRUE(Has(drawn.ColoursOfDay(18), kBlack));
    EXPECT_TRUE(Has(drawn.ColoursOfDay(17), kRed));
}

TEST(Calendar, HolidaysOfTheShownYearInTheHolidayColour)
{
    CCalendarInHost t;
    t.cal.SetDateText(L"2026/02/01", true);
    {
        CDrawnCalendar drawn(t.cal);
        EXPECT_TRUE(Has(drawn.ColoursOfDay(11), CALENDAR_HOLIDAY_COLOR));
        EXPECT_TRUE(Has(drawn.ColoursOfDay(23), CALENDAR_HOLIDAY_COLOR));
        EXPECT_TRUE(Has(drawn.ColoursOfDay(8), kRed));   // a Sunday
        EXPECT_TRUE(Has(drawn.ColoursOfDay(14), kBlue)); // a Saturday
        EXPECT_TRUE(Has(drawn.ColoursOfDay(10), kBlack));
        EXPECT_FALSE(Has(drawn.ColoursOfDay(24), CALENDAR_HOLIDAY_COLOR));
    }
    t.cal.SetDateText(L"2026/09/01", true);
    {
        CDrawnCalendar drawn(t.cal);
        for (int nDay : {21, 22, 23})
            EXPECT_TRUE(Has(drawn.ColoursOfDay(nDay), CALENDAR_HOLIDAY_COLOR)) << nDay;
        EXPECT_FALSE(Has(drawn.ColoursOfDay(15), CALENDAR_HOLIDAY_COLOR));
        EXPECT_FALSE(Has(drawn.ColoursOfDay(24), CALENDAR_HOLIDAY_COLOR));
    }
    // The older law in older years: fixed days in 1999, Mondays in 2001, a substitute Monday.
    struct CCase {
        int nYear, nMonth, nDay;
    } const cases[] = {{1999, 1, 15}, {1999, 10, 10}, {2001, 1, 8}, {2001, 10, 8}, {2002, 11, 4}};
    for (const CCase &c : cases) {
        wchar_t sz[32];
        swprintf(sz, 32, L"%d/%d/1", c.nYear, c.nMonth);
        t.cal.SetDateText(sz, true);
        CDrawnCalendar drawn(t.cal);
        EXPECT_TRUE(Has(drawn.ColoursOfDay(c.nDay), CALENDAR_HOLIDAY_COLOR)) << c.nYear << "-" << c.nMonth;
    }
    // Weekday headings keep their column colours.
    EXPECT_EQ(t.cal.GetDayColor(0, 0, 0, 0, true), kRed);
    EXPECT_EQ(t.cal.GetDayColor(0, 0, 0, 6, true), kBlue);
    EXPECT_EQ(t.cal.GetDayColor(2026, 2, -1, 3, false), kGrey);
}

TEST(Calendar, TheMenusCommandsMoveToAMonthOrAYear)
{
    CCalendarInHost t;
    t.cal.SetDateText(L"2024/03/31", true);
    t.cal.SendMessage(WM_COMMAND, CALENDAR_MENU_BASE + 2, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2024/02/29");
    t.cal.SendMessage(WM_COMMAND, CALENDAR_MENU_BASE + 2023, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2023/02/28");
    t.cal.SendMessage(WM_COMMAND, CALENDAR_MENU_BASE + 13, 0); // no such month
    t.cal.SendMessage(WM_COMMAND, CALENDAR_MENU_BASE + 2039, 0);
    EXPECT_EQ(t.cal.GetDateText(), L"2023/02/28");
    const auto results = t.Results();
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].lParam, static_cast<LPARAM>(2023 * 65536 + 2 * 256 + 28));
}

TEST(Calendar, AsAPopupTheTodayLineAndADayArePickedAndTheRightButtonCancels)
{
    CHostWindow field(RECT{100, 100, 300, 122});
    CCalendarCtrlEx cal;
    ASSERT_TRUE(cal.CreatePopup(field.m_hWnd, nullptr, 9));
    cal.m_nNotifyMessage = WM_CALENDAR;
    cal.SetDateText(L"2030/06/15", false);
    cal.ShowDropDown();

    const RECT &rcToday = cal.GetTodayRect();
    const POINT ptToday = {(rcToday.left + rcToday.right) / 2, (rcToday.top + rcToday.bottom) / 2};
    const CTime now = CTime::GetCurrentTime();
    Click(cal, ptToday);
    EXPECT_EQ(cal.GetDate().GetYear(), now.GetYear());
    EXPECT_EQ(cal.GetDate().GetDay(), now.GetDay());
    PumpPending();
    auto results = field.Received(WM_CALENDAR);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].wParam, static_cast<WPARAM>(CALENDAR_PICKED));
    EXPECT_EQ(results[0].lParam, static_cast<LPARAM>(now.GetYear() * 65536 + now.GetMonth() * 256 + now.GetDay()));

    cal.SetDateText(L"2030/06/15", true);
    Click(cal, CellOf(cal, 2030, 6, 3));
    cal.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
    // A press outside cancels through the base.
    cal.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-4, -4));
    PumpPending();
    results = field.Received(WM_CALENDAR);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[1].wParam, static_cast<WPARAM>(CALENDAR_PICKED));
    EXPECT_EQ(results[1].lParam, static_cast<LPARAM>(2030 * 65536 + 6 * 256 + 3));
    EXPECT_EQ(results[2].wParam, static_cast<WPARAM>(CALENDAR_CANCELLED));
    EXPECT_EQ(results[3].wParam, static_cast<WPARAM>(CALENDAR_CANCELLED));

    // A press on an arrow button is passed on to it (the field holds the capture in a popup).
    RECT rcNext = {};
    ::GetWindowRect(cal.GetNextButton(), &rcNext);
    POINT pt = {rcNext.left + 2, rcNext.top + 2};
    ::ScreenToClient(cal.m_hWnd, &pt);
    cal.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_EQ(::GetCapture(), cal.GetNextButton());
    ::SendMessageW(cal.GetNextButton(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(::GetCapture(), field.m_hWnd);
    ASSERT_TRUE(PumpUntil([&] { return field.Received(WM_CALENDAR).size() == 5; }));
    EXPECT_EQ(cal.GetDateText(), L"2030/07/03");
    EXPECT_EQ(field.Received(WM_CALENDAR)[4].wParam, static_cast<WPARAM>(CALENDAR_CHANGED));
    cal.HideDropDown();
}

} // namespace
