#include "datetime/CalendarCtrlEx.h"

#include "datetime/Holidays.h"

#include <algorithm>

CCalendarCtrlEx::CCalendarCtrlEx()
{
    std::fill(&m_aHolidays[0][0], &m_aHolidays[0][0] + 12 * kDaysPerMonth, -1);
}

void CCalendarCtrlEx::UpdateMovableHolidays(int nYear)
{
    const CHolidayMonths months = HolidaysOfYear(nYear);
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        int *pDays = m_aHolidays[nMonth - 1];
        std::fill(pDays, pDays + kDaysPerMonth, -1);
        int n = 0;
        for (int nDay = 1; nDay <= 31 && n < kDaysPerMonth; ++nDay)
            if ((months[nMonth] >> nDay) & 1u)
                pDays[n++] = nDay;
    }
    m_nHolidayYear = nYear;
}

bool CCalendarCtrlEx::IsHoliday(int nMonth, int nDay) const
{
    if (nMonth < 1 || nMonth > 12)
        return false;
    const int *pDays = m_aHolidays[nMonth - 1];
    return std::find(pDays, pDays + kDaysPerMonth, nDay) != pDays + kDaysPerMonth;
}

COLORREF CCalendarCtrlEx::GetDayColor(int nYear, int nMonth, int nDay, int nColumn, bool bHeading)
{
    const COLORREF crBase = CCalendarCtrl::GetDayColor(nYear, nMonth, nDay, nColumn, bHeading);
    if (bHeading || nDay == CALENDAR_EMPTY_CELL || IsPastCalendarEnd(nYear, nMonth, nDay))
        return crBase;
    if (nYear != m_nHolidayYear)
        UpdateMovableHolidays(nYear);
    return IsHoliday(nMonth, nDay) ? CALENDAR_HOLIDAY_COLOR : crBase;
}
