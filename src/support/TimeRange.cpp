#include "support/TimeRange.h"

namespace {

constexpr WORD kFirstYear = 1970, kFirstHour = 9;
constexpr WORD kLastYear = 2038, kLastMonth = 1, kLastDay = 19, kLastHour = 3, kLastMinute = 14, kLastSecond = 7;

bool SameFields(const SYSTEMTIME &a, const SYSTEMTIME &b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute && a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

SYSTEMTIME LastLocalTime()
{
    SYSTEMTIME st = {};
    st.wYear = kLastYear;
    st.wMonth = kLastMonth;
    st.wDay = kLastDay;
    st.wHour = kLastHour;
    st.wMinute = kLastMinute;
    st.wSecond = kLastSecond;
    return st;
}

} // namespace

DWORD NormalizeTimeParts(DWORD dwParts)
{
    if (!(dwParts & (TIME_PART_DATE | TIME_PART_TIME)))
        dwParts |= TIME_PART_DATE | TIME_PART_TIME;
    return dwParts;
}

bool IsLeapYear(int nYear)
{
    return nYear % 4 == 0 && !(nYear % 100 == 0 && nYear % 400 != 0);
}

void ClampDayOfMonth(SYSTEMTIME &st)
{
    WORD wLast;
    if (st.wMonth == 2)
        wLast = IsLeapYear(st.wYear) ? 29 : 28;
    else if (st.wMonth <= 7)
        wLast = (st.wMonth % 2) ? 31 : 30;
    else
        wLast = (st.wMonth % 2) ? 30 : 31;
    if (st.wDay > wLast)
        st.wDay = wLast;
    if (st.wDay == 0)
        st.wDay = 1;
}

int DaysInMonth(int nYear, int nMonth)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(nYear);
    st.wMonth = static_cast<WORD>(nMonth);
    st.wDay = 32;
    ClampDayOfMonth(st);
    return st.wDay;
}

void ClampToCTimeRange(SYSTEMTIME *pst)
{
    if (!pst)
        return;
    SYSTEMTIME &st = *pst;
    if (st.wYear < kFirstYear) {
        st.wYear = kFirstYear;
        ClampDayOfMonth(st); // 1968/2/29 must not become a 1970/2/29 that no clock can hold
    }
    if (st.wYear == kFirstYear && st.wMonth == 1 && st.wDay == 1 && st.wHour < kFirstHour)
        st.wHour = kFirstHour;
    if (st.wYear > kLastYear)
        st.wYear = kLastYear;
    if (st.wYear != kLastYear)
        return;
    if (st.wMonth > kLastMonth)
        st.wMonth = kLastMonth;
    if (st.wMonth != kLastMonth)
        return;
    if (st.wDay > kLastDay)
        st.wDay = kLastDay;
    if (st.wDay != kLastDay)
        return;
    if (st.wHour > kLastHour)
        st.wHour = kLastHour;
    if (st.wHour != kLastHour)
        return;
    if (st.wMinute > kLastMinute)
        st.wMinute = kLastMinute;
    if (st.wMinute != kLastMinute)
        return;
    if (st.wSecond > kLastSecond)
        st.wSecond = kLastSecond;
}

void ClampFileTimeToCTimeRange(FILETIME &ftUtc)
{
    SYSTEMTIME stUtc, stLocal;
    const bool bSplit =
        ::FileTimeToSystemTime(&ftUtc, &stUtc) && ::SystemTimeToTzSpecificLocalTime(nullptr, &stUtc, &stLocal);
    if (!bSplit)
        stLocal = LastLocalTime(); // beyond what the system can split: far in the future
    SYSTEMTIME stClamped = stLocal;
    ClampToCTimeRange(&stClamped);
    if (bSplit && SameFields(stClamped, stLocal))
        return; // a time already in range keeps its sub-second part
    FILETIME ft;
    if (::TzSpecificLocalTimeToSystemTime(nullptr, &stClamped, &stUtc) && ::SystemTimeToFileTime(&stUtc, &ft))
        ftUtc = ft;
}
