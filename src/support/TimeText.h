// Date and time texts in local time: "%4d/%02d/%02d %02d:%02d:%02d" and the parts alone.
#pragma once
#include "framework/Time.h"
#include "support/TimeRange.h"

#include <string>

// Parts (after NormalizeTimeParts): date and time "%Y/%m/%d %H:%M:%S", date "%Y/%m/%d",
// time "%H:%M:%S".
std::wstring FormatCTime(const CTime &time, DWORD dwParts);
// The same from local fields; null gives "".
std::wstring FormatSystemTime(const SYSTEMTIME *pstLocal, DWORD dwParts);
// A UTC file time shown in local time; null gives "". A zero time is formatted like any other.
std::wstring FormatFileTime(const FILETIME *pftUtc, DWORD dwParts);

// Reads "Y/M/D h:m:s" as typed: either part may be missing (no date: today; no time: 00:00:00) and
// may come first; two-digit years 0-38 are 20xx, 39-99 19xx; every field is limited to its range
// and the day to its month. Not limited to the CTime range. The result also goes to *pstLocal when
// given. The parts do not restrict what is read.
SYSTEMTIME ParseDateTimeText(const std::wstring &strText, SYSTEMTIME *pstLocal = nullptr, DWORD dwParts = 0);
