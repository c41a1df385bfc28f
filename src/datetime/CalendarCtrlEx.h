// The calendar with Japan's public holidays of the shown year in the holiday colour.
#pragma once
#include "datetime/CalendarCtrl.h"

constexpr COLORREF CALENDAR_HOLIDAY_COLOR = RGB(255, 0, 255);

class CCalendarCtrlEx : public CCalendarCtrl {
public:
    CCalendarCtrlEx();
    COLORREF GetDayColor(int nYear, int nMonth, int nDay, int nColumn, bool bHeading) override;

    // Fills the table with the holidays of the year as the law stood then, substitute holidays
    // and days between two holidays included.
    void UpdateMovableHolidays(int nYear);
    // A day of the table's year.
    bool IsHoliday(int nMonth, int nDay) const;

protected:
    static constexpr int kDaysPerMonth = 8; // no month has more holidays
    int m_aHolidays[12][kDaysPerMonth];
    int m_nHolidayYear = 0; // the year the table holds; 0 before the first
};
