// Conversions between file times (UTC), local system times, texts and CTime, in whole seconds.
// Everything that becomes a CTime is first brought into the range (ClampToCTimeRange).
#pragma once
#include "framework/Time.h"
#include "support/TimeRange.h"

#include <string>

// Null gives the current time.
CTime FileTimeToCTime(const FILETIME *pftUtc, DWORD dwParts = 0);
// Null gives the current time; otherwise *pstLocal itself is clamped first.
CTime SystemTimeToCTime(SYSTEMTIME *pstLocal, DWORD dwParts = 0);
// "" gives the current time; otherwise ParseDateTimeText.
CTime TextToCTime(const std::wstring &strText, DWORD dwParts = 0);

// The UTC file time of a CTime, or of now with TIME_USE_NOW; also stored in *pftUtc when given.
FILETIME CTimeToFileTime(const CTime &time, FILETIME *pftUtc = nullptr, DWORD dwParts = 0);
// The UTC file time of a typed local time, not clamped; zero when the system cannot hold it
// (before 1601). Also stored in *pftUtc when given.
FILETIME TextToFileTime(const std::wstring &strText, FILETIME *pftUtc = nullptr, DWORD dwParts = 0);
