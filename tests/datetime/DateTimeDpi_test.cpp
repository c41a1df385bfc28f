// The clock and the calendar at the display's DPI; ctest runs this in prefixes at 96, 144 and 192.
#include "datetime/CalendarCtrl.h"
#include "datetime/ClockCtrl.h"

#include "HostWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

TEST(DateTimeDpi, ClockAndCalendarMeasuresAreThoseOfTheWindowsDpi)
{
    const char *psz = std::getenv("PELNIX_EXPECT_DPI");
    const int nDpi = psz && *psz ? std::atoi(psz) : 96;
    // At 96 DPI: the smallest cell 16, the ring band 10, the hour hand 37 inside the face, pens 1;
    // a calendar cell 2 over its text, the window 26 over ten lines. Times 1.5 and 2, halves up.
    struct CRow {
        int nDpi, nMinCell, nRing, nHourTip, nPen, nCellPadding, nExtraHeight;
    } const rows[] = {{96, 16, 10, 37, 1, 2, 26}, {144, 24, 15, 56, 2, 3, 39}, {192, 32, 20, 74, 2, 4, 52}};
    const CRow *pRow = std::find_if(std::begin(rows), std::end(rows), [&](const CRow &r) { return r.nDpi == nDpi; });
    ASSERT_NE(pRow, std::end(rows)) << "no row for " << nDpi;

    CHostWindow host(RECT{50, 50, 700, 600});
    CClockCtrl clock;
    ASSERT_TRUE(clock.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, 1, host.m_hWnd, nullptr, 9));
    const CClockLayout &l = clock.GetLayout();
    EXPECT_EQ(l.m.nMinCell, pRow->nMinCell);
    EXPECT_GE(l.nCell, pRow->nMinCell);
    EXPECT_EQ(l.m.nRing, pRow->nRing);
    EXPECT_EQ(l.m.nHourTip, pRow->nHourTip);
    EXPECT_EQ(l.m.nPen, pRow->nPen);
    EXPECT_EQ(clock.GetClientRect().bottom, l.sizeClient.cy);

    CCalendarCtrl cal;
    ASSERT_TRUE(cal.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, 2, host.m_hWnd, nullptr, 9));
    EXPECT_EQ(cal.GetMeasures().nCellPadding, pRow->nCellPadding);
    EXPECT_EQ(cal.GetMeasures().nExtraHeight, pRow->nExtraHeight);
    EXPECT_EQ(cal.GetMeasures().nPen, pRow->nPen);
}
