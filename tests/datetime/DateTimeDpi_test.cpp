// The clock and the calendar at the display's DPI; ctest runs this in prefixes at 96, 144 and 192.
#include "datetime/CalendarCtrl.h"
#include "datetime/ClockCtrl.h"
#include "datetime/DateTimeCmb.h"

#include "HostWindow.h"
#include "TextFit.h"

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

TEST(DateTimeDpi, TheFieldShowsItsWholeValueAtItsIdealWidthAndTheYearWhenNarrower)
{
    CHostWindow host(RECT{50, 50, 700, 300});
    HWND hPlaceholder = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 60, 22, host.m_hWnd,
                                          reinterpret_cast<HMENU>(1034), ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hPlaceholder, nullptr);
    CDateTimeCmb field;
    field.Create(1034, 104, host.m_hWnd, nullptr, 9);
    ASSERT_NE(field.m_hWnd, nullptr);
    const RECT rc = field.GetWindowRect();
    const int cyField = rc.bottom - rc.top;

    field.MoveWindow(RECT{10, 10, 10 + field.GetIdealWidth(), 10 + cyField});
    for (const wchar_t *psz : {L"2024/03/15 10:20:30", L"2000/01/01 00:00:00", L"2037/12/31 23:59:59"}) {
        field.SetValueText(psz);
        EXPECT_EQ(FieldShowsWholeText(field.GetEdit()), L"") << psz;
    }

    // Too narrow: the start, with the year, shows; the end is cut.
    field.MoveWindow(RECT{10, 10, 10 + field.GetIdealWidth() / 2, 10 + cyField});
    field.SetValueText(L"2024/03/15 10:20:30");
    RECT rcText = {};
    ::SendMessageW(field.GetEdit(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rcText));
    const LRESULT lFirst = ::SendMessageW(field.GetEdit(), EM_POSFROMCHAR, 0, 0);
    EXPECT_GE(static_cast<short>(LOWORD(lFirst)), rcText.left);
    EXPECT_NE(FieldShowsWholeText(field.GetEdit()), L"");
}
