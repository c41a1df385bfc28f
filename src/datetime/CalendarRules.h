// The calendar's rules that need no window: weekdays, the day grid, month steps within the years
// the calendar shows (1970 to 2038-01-19), the packed date it reports, the year and month menus.
#pragma once
#include "support/Dpi.h"

#include <windows.h>

#include <vector>

struct CCalendarDate {
    int nYear;
    int nMonth;
    int nDay;
};

constexpr int CALENDAR_FIRST_YEAR = 1970;
constexpr int CALENDAR_LAST_YEAR = 2038;
constexpr int CALENDAR_LAST_DAY_OF_2038 = 19; // the last day of January 2038 a 32-bit time holds
constexpr int CALENDAR_GRID_SIZE = 48;        // 6 weeks of 7 days used, the rest stays empty
constexpr int CALENDAR_EMPTY_CELL = -1;

// The calendar's measures in pixels: the values for 96 DPI scaled to the window's.
struct CCalendarMeasures {
    int nDpi;
    int nMargin;      // 2: round the arrow buttons and the header, right of the days, below the today line
    int nHeaderGap;   // 4: between an arrow button and the header
    int nCellPadding; // 2: a cell's height over its text's
    int nExtraHeight; // 26: the window's height over ten lines of text
    int nPen;         // 1: the today line, and the focus box's inset
};
CCalendarMeasures CalendarMeasuresFor(int nDpi);

// 0 = Sunday ... 6 = Saturday, Gregorian.
int DayOfWeek(int nYear, int nMonth, int nDay);
// Days of the year before the 1st of the month (0 for January).
int DaysBeforeMonth(int nYear, int nMonth);

// True for days after 2038-01-19, which the calendar shows but cannot hold.
bool IsPastCalendarEnd(int nYear, int nMonth, int nDay);

// Every cell empty, then days 1..nDays from nFirstColumn of the first week on, row by row.
void FillDayGrid(int (&aDays)[CALENDAR_GRID_SIZE], int nFirstColumn, int nDays);

// One month back or forward, the day limited to the new month; January 1970 and January 2038 stay,
// and January 2038 keeps no day past the 19th.
CCalendarDate PreviousMonth(const CCalendarDate &date);
CCalendarDate NextMonth(const CCalendarDate &date);

// The date as the calendar reports it: year in the high word, month in bits 8-15, day in bits 0-7.
LPARAM PackCalendarDate(int nYear, int nMonth, int nDay);

// Menu command ids: 11000 + month (1-12), 11000 + year (1970-2038).
constexpr UINT CALENDAR_MENU_BASE = 11000;
// Menu entries, 0 for a separator: the years within 5 of nYear (1970-2038), the 12 months; the
// held entry set apart by separators, none before the first entry or after the last.
std::vector<int> YearMenuEntries(int nYear);
std::vector<int> MonthMenuEntries(int nMonth);
// The year menu with the month menu as a sub-menu "- 月 -", or with bMonthFirst the month menu
// with the year menu at its top as "- 年 -". The caller destroys it.
HMENU CreateYearMonthMenu(int nYear, int nMonth, bool bMonthFirst);
