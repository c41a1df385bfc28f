#include "datetime/CalendarRules.h"

#include "support/TimeRange.h"

#include <algorithm>
#include <cwchar>

CCalendarMeasures CalendarMeasuresFor(int nDpi)
{
    auto px = [nDpi](int n) { return ScaleForDpi(n, nDpi); };
    return CCalendarMeasures{nDpi, px(2), px(4), px(2), px(26), px(1)};
}

int DayOfWeek(int nYear, int nMonth, int nDay)
{
    static const int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (nMonth < 3)
        --nYear;
    return (nYear + nYear / 4 - nYear / 100 + nYear / 400 + kMonthOffset[nMonth - 1] + nDay) % 7;
}

int DaysBeforeMonth(int nYear, int nMonth)
{
    int nDays = 0;
    for (int m = 1; m < nMonth; ++m)
        nDays += DaysInMonth(nYear, m);
    return nDays;
}

bool IsPastCalendarEnd(int nYear, int nMonth, int nDay)
{
    if (nYear != CALENDAR_LAST_YEAR)
        return nYear > CALENDAR_LAST_YEAR;
    return nMonth > 1 || nDay > CALENDAR_LAST_DAY_OF_2038;
}

void FillDayGrid(int (&aDays)[CALENDAR_GRID_SIZE], int nFirstColumn, int nDays)
{
    std::fill(std::begin(aDays), std::end(aDays), CALENDAR_EMPTY_CELL);
    for (int nDay = 1; nDay <= nDays && nFirstColumn + nDay - 1 < 42; ++nDay)
        aDays[nFirstColumn + nDay - 1] = nDay;
}

CCalendarDate PreviousMonth(const CCalendarDate &date)
{
    CCalendarDate to = date;
    if (date.nMonth > 1) {
        to.nMonth = date.nMonth - 1;
    } else if (date.nYear > CALENDAR_FIRST_YEAR) {
        to.nYear = date.nYear - 1;
        to.nMonth = 12;
    }
    to.nDay = std::min(to.nDay, DaysInMonth(to.nYear, to.nMonth));
    return to;
}

CCalendarDate NextMonth(const CCalendarDate &date)
{
    CCalendarDate to = date;
    if (date.nYear >= CALENDAR_LAST_YEAR) {
        to.nDay = std::min(to.nDay, CALENDAR_LAST_DAY_OF_2038);
    } else if (date.nMonth < 12) {
        to.nMonth = date.nMonth + 1;
    } else {
        to.nYear = date.nYear + 1;
        to.nMonth = 1;
    }
    to.nDay = std::min(to.nDay, DaysInMonth(to.nYear, to.nMonth));
    return to;
}

LPARAM PackCalendarDate(int nYear, int nMonth, int nDay)
{
    return static_cast<LPARAM>((static_cast<DWORD>(nYear) << 16) | ((static_cast<DWORD>(nMonth) & 0xFF) << 8) |
                               (static_cast<DWORD>(nDay) & 0xFF));
}

namespace {

std::vector<int> EntriesAround(int nFirst, int nLast, int nHeld)
{
    std::vector<int> entries;
    for (int n = nFirst; n <= nLast; ++n) {
        if (n == nHeld && n != nFirst)
            entries.push_back(0);
        entries.push_back(n);
        if (n == nHeld && n != nLast)
            entries.push_back(0);
    }
    return entries;
}

HMENU CreateMenuOf(const std::vector<int> &entries, const wchar_t *pszFormat)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int n : entries) {
        if (n == 0) {
            ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        wchar_t sz[32];
        swprintf(sz, 32, pszFormat, n);
        ::AppendMenuW(hMenu, MF_STRING, CALENDAR_MENU_BASE + static_cast<UINT>(n), sz);
    }
    return hMenu;
}

} // namespace

std::vector<int> YearMenuEntries(int nYear)
{
    return EntriesAround(std::max(nYear - 5, CALENDAR_FIRST_YEAR), std::min(nYear + 5, CALENDAR_LAST_YEAR), nYear);
}

std::vector<int> MonthMenuEntries(int nMonth)
{
    return EntriesAround(1, 12, nMonth);
}

HMENU CreateYearMonthMenu(int nYear, int nMonth, bool bMonthFirst)
{
    HMENU hYears = CreateMenuOf(YearMenuEntries(nYear), L"%4d 年");
    HMENU hMonths = CreateMenuOf(MonthMenuEntries(nMonth), L"%2d 月");
    if (bMonthFirst) {
        ::InsertMenuW(hMonths, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(hYears), L"- 年 -");
        return hMonths;
    }
    ::InsertMenuW(hYears, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(hMonths), L"- 月 -");
    return hYears;
}
