// The clock and the calendar at the display's DPI. ctest runs these in prefixes set to 96, 144 and
// 192 DPI and names the value in PELNIX_EXPECT_DPI (unset: 96).
#include "datetime/CalendarCtrl.h"
#include "datetime/ClockCtrl.h"

#include "HostWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int ExpectedDpi()
{
    const char *psz = std::getenv("PELNIX_EXPECT_DPI");
    return psz && *psz ? std::atoi(psz) : 96;
}

// The 96 DPI pixels times 1.5 and 2, halves rounded up.
struct CRow {
    int nDpi;
    // The clock: smallest cell, margin, ring band, centre, mark inset and half box, hit growth,
    // minute, second and hour hand tips, minute and hour hand bases, second hand tail, OK gap, pen.
    int aClock[15];
    // The calendar: margin, header gap, cell padding, extra height, pen.
    int aCalendar[5];
};
const CRow kRows[] = {
    {96, {16, 2, 10, 20, 5, 3, 5, 22, 23, 37, 5, 6, 8, 10, 1}, {2, 4, 2, 26, 1}},
    {144, {24, 3, 15, 30, 8, 5, 8, 33, 35, 56, 8, 9, 12, 15, 2}, {3, 6, 3, 39, 2}},
    {192, {32, 4, 20, 40, 10, 6, 10, 44, 46, 74, 10, 12, 16, 20, 2}, {4, 8, 4, 52, 2}},
};

TEST(DateTimeDpi, ClockAndCalendarMeasuresAreThoseOfTheWindowsDpi)
{
    const CRow *pRow = nullptr;
    for (const CRow &row : kRows)
        if (row.nDpi == ExpectedDpi())
            pRow = &row;
    ASSERT_NE(pRow, nullptr) << "no row for " << ExpectedDpi();

    CHostWindow host(RECT{50, 50, 700, 600});
    CClockCtrl clock;
    ASSERT_TRUE(clock.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, 1, host.m_hWnd, nullptr, 9));
    const CClockLayout &l = clock.GetLayout();
    const CClockMeasures &m = l.m;
    const int aClock[] = {m.nMinCell,    m.nMargin,   m.nRing,       m.nCentre,    m.nMarkInset,
                          m.nMarkRadius, m.nHitGrow,  m.nMinuteTip,  m.nSecondTip, m.nHourTip,
                          m.nMinuteBase, m.nHourBase, m.nSecondTail, m.nOkGap,     m.nPen};
    for (size_t i = 0; i < std::size(aClock); ++i)
        EXPECT_EQ(aClock[i], pRow->aClock[i]) << "clock measure " << i;
    EXPECT_GE(l.nCell, pRow->aClock[0]);
    EXPECT_EQ(l.rcFace.left, pRow->aClock[1]);
    // The window is the layout's size: the digit row a margin above its bottom.
    const RECT rcClock = clock.GetClientRect();
    EXPECT_EQ(rcClock.right, l.sizeClient.cx);
    EXPECT_EQ(rcClock.bottom, l.rcRow.bottom + pRow->aClock[1]);

    CCalendarCtrl cal;
    ASSERT_TRUE(cal.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, 2, host.m_hWnd, nullptr, 9));
    const CCalendarMeasures &c = cal.GetMeasures();
    const int aCalendar[] = {c.nMargin, c.nHeaderGap, c.nCellPadding, c.nExtraHeight, c.nPen};
    for (size_t i = 0; i < std::size(aCalendar); ++i)
        EXPECT_EQ(aCalendar[i], pRow->aCalendar[i]) << "calendar measure " << i;
    EXPECT_EQ(cal.GetHeaderRect().top, pRow->aCalendar[0]);
    EXPECT_EQ(cal.GetTodayRect().top, 9 * cal.GetCellHeight() + pRow->aCalendar[0]);
}

} // namespace
