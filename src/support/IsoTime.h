// A stored time as text that says which instant it is wherever it is read: the local date and
// time with the local offset from UTC, "2026-12-08T09:14:01.1234567+09:00" (the fraction only when
// there is one; the file time's full resolution of 100 ns is kept).
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// The UTC file time shown in the local time of that date, with its offset.
std::string FormatIsoTime(const FILETIME &ftUtc);
// The same, at a given offset in minutes east of UTC.
std::string FormatIsoTimeAt(const FILETIME &ftUtc, int nOffsetMinutes);

// The UTC file time of such a text, any offset (or "Z"); false for anything else, including
// dates that do not exist and years outside 1601..9999.
bool ParseIsoTime(std::string_view strText, FILETIME &ftUtc);
