#include "datetime/Holidays.h"

#include "datetime/CalendarRules.h"
#include "support/TimeRange.h"

#include <vector>

namespace {

// The n-th Monday of a month.
int NthMonday(int nYear, int nMonth, int n)
{
    const int nFirstMonday = 1 + (8 - DayOfWeek(nYear, nMonth, 1)) % 7;
    return nFirstMonday + 7 * (n - 1);
}

// int(base + 0.242194 (Y - 1980) - int(leap days)), in millionths so that no rounding creeps in.
int EquinoxDay(int nYear, long long llBase1980, long long llBaseBefore)
{
    const long long llYears = nYear - 1980;
    if (nYear >= 1980)
        return static_cast<int>((llBase1980 + 242194LL * llYears) / 1000000LL - llYears / 4);
    return static_cast<int>((llBaseBefore + 242194LL * llYears) / 1000000LL - (nYear - 1983) / 4);
}

void Set(CHolidayMonths &months, int nMonth, int nDay)
{
    months[nMonth] |= 1u << nDay;
}

bool IsSet(const CHolidayMonths &months, int nMonth, int nDay)
{
    return (months[nMonth] >> nDay) & 1u;
}

// The days the law names ("national holidays"), with the one-off days given the same standing.
CHolidayMonths NamedHolidays(int y)
{
    CHolidayMonths m = {};
    Set(m, 1, 1);
    Set(m, 1, y < 2000 ? 15 : NthMonday(y, 1, 2)); // Coming of Age Day
    Set(m, 2, 11);
    if (y >= 2020)
        Set(m, 2, 23); // the Emperor's Birthday; none in 2019
    Set(m, 3, VernalEquinoxDay(y));
    Set(m, 4, 29); // Emperor's Birthday, Greenery Day from 1989, Showa Day from 2007
    Set(m, 5, 3);
    if (y >= 2007)
        Set(m, 5, 4); // Greenery Day
    Set(m, 5, 5);
    // Marine Day; in 2020 and 2021 moved for the Olympic Games.
    if (y == 2020)
        Set(m, 7, 23);
    else if (y == 2021)
        Set(m, 7, 22);
    else if (y >= 2003)
        Set(m, 7, NthMonday(y, 7, 3));
    else if (y >= 1996)
        Set(m, 7, 20);
    // Mountain Day.
    if (y == 2020)
        Set(m, 8, 10);
    else if (y == 2021)
        Set(m, 8, 8);
    else if (y >= 2016)
        Set(m, 8, 11);
    Set(m, 9, y < 2003 ? 15 : NthMonday(y, 9, 3)); // Respect for the Aged Day
    Set(m, 9, AutumnalEquinoxDay(y));
    // Sports Day.
    if (y == 2020)
        Set(m, 7, 24);
    else if (y == 2021)
        Set(m, 7, 23);
    else
        Set(m, 10, y < 2000 ? 10 : NthMonday(y, 10, 2));
    Set(m, 11, 3);
    Set(m, 11, 23);
    if (y >= 1989 && y <= 2018)
        Set(m, 12, 23);
    struct COneOff {
        int y, m, d;
    };
    static const COneOff kOneOffs[] = {
        {1989, 2, 24},  // funeral of the Showa Emperor
        {1990, 11, 12}, // enthronement ceremony
        {1993, 6, 9},   // the Crown Prince's wedding
        {2019, 5, 1},   // accession; 30 April and 2 May follow as days between two holidays
        {2019, 10, 22}, // enthronement ceremony
    };
    for (const COneOff &day : kOneOffs)
        if (day.y == y)
            Set(m, day.m, day.d);
    return m;
}

struct CDayOfYear {
    int nMonth, nDay;
};

} // namespace

int VernalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, 20843100, 20835700);
}

int AutumnalEquinoxDay(int nYear)
{
    return EquinoxDay(nYear, 23248800, 23258800);
}

CHolidayMonths HolidaysOfYear(int nYear)
{
    const CHolidayMonths named = NamedHolidays(nYear);
    CHolidayMonths result = named;

    // The year's days in order, so that "the next day" may cross into the next month.
    std::vector<CDayOfYear> days;
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        for (int nDay = 1, n = DaysInMonth(nYear, nMonth); nDay <= n; ++nDay)
            days.push_back({nMonth, nDay});
    auto isNamed = [&](size_t i) { return i < days.size() && IsSet(named, days[i].nMonth, days[i].nDay); };
    auto isSunday = [&](size_t i) { return DayOfWeek(nYear, days[i].nMonth, days[i].nDay) == 0; };
    auto isBefore = [&](size_t i, int nYearFrom, int nMonthFrom, int nDayFrom) {
        if (nYear != nYearFrom)
            return nYear < nYearFrom;
        return days[i].nMonth != nMonthFrom ? days[i].nMonth < nMonthFrom : days[i].nDay < nDayFrom;
    };

    // Substitute holidays, from 12 April 1973: until 2006 the Monday after a Sunday holiday, from
    // 2007 the first following day that is no holiday itself.
    CHolidayMonths substitutes = {};
    for (size_t i = 0; i < days.size(); ++i) {
        if (!isNamed(i) || !isSunday(i) || isBefore(i, 1973, 4, 12))
            continue;
        size_t j = i + 1;
        if (nYear >= 2007)
            while (isNamed(j))
                ++j;
        if (j < days.size())
            Set(substitutes, days[j].nMonth, days[j].nDay);
    }

    // A day between two holidays, from 27 December 1985; until 2006 not on a Sunday and not on a
    // substitute holiday.
    for (size_t i = 1; i + 1 < days.size(); ++i) {
        if (isNamed(i) || !isNamed(i - 1) || !isNamed(i + 1) || isBefore(i, 1985, 12, 27))
            continue;
        if (nYear < 2007 && (isSunday(i) || IsSet(substitutes, days[i].nMonth, days[i].nDay)))
            continue;
        Set(result, days[i].nMonth, days[i].nDay);
    }
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        result[nMonth] |= substitutes[nMonth];
    return result;
}

bool IsPublicHoliday(int nYear, int nMonth, int nDay)
{
    if (nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31)
        return false;
    return IsSet(HolidaysOfYear(nYear), nMonth, nDay);
}
