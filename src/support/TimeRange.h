// Calendar rules and the range of times the program keeps: local 1970-01-01 09:00:00 to
// 2038-01-19 03:14:07, the instants a 32-bit count of seconds holds here.
#pragma once
#include <windows.h>

// Which parts of a time a conversion or a text is about.
enum : DWORD {
    TIME_PART_DATE = 0x1,
    TIME_PART_TIME = 0x2,
    TIME_USE_NOW = 0x4, // the current time replaces the given one
};

// Neither date nor time asked for means both; other bits stay.
DWORD NormalizeTimeParts(DWORD dwParts);

bool IsLeapYear(int nYear);

// Limits the day to the length of the month (then day 0 becomes 1); nothing else changes.
// Months outside 1-12 follow the odd/even rule: 31 days for odd months up to 7, even from 8.
void ClampDayOfMonth(SYSTEMTIME &st);

int DaysInMonth(int nYear, int nMonth);

// Brings a local time into the range, field by field: a field is lowered or raised only while all
// earlier fields sit at their limit (2038/1/19 4:00:00 becomes 03:00:00, not 03:14:07). A year
// raised to 1970 keeps month, day and time, the day limited to the month. Null does nothing.
void ClampToCTimeRange(SYSTEMTIME *pstLocal);

// The same for a UTC file time, judged in local time; a time inside the range is left untouched.
void ClampFileTimeToCTimeRange(FILETIME &ftUtc);
