#include "support/IsoTime.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr int64_t TICKS_PER_SECOND = 10000000;
constexpr int64_t TICKS_PER_MINUTE = 60 * TICKS_PER_SECOND;
constexpr int MAX_OFFSET_MINUTES = 14 * 60;

int64_t ToTicks(const FILETIME &ft)
{
    return static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

FILETIME FromTicks(int64_t nTicks)
{
    const auto u = static_cast<uint64_t>(nTicks);
    return FILETIME{static_cast<DWORD>(u & 0xFFFFFFFFu), static_cast<DWORD>(u >> 32)};
}

// The local offset of that instant, in minutes; 0 when the system cannot tell.
int LocalOffsetMinutes(const FILETIME &ftUtc)
{
    SYSTEMTIME stUtc = {}, stLocal = {};
    FILETIME ftUtcMs = {}, ftLocalMs = {};
    if (!::FileTimeToSystemTime(&ftUtc, &stUtc) || !::SystemTimeToTzSpecificLocalTime(nullptr, &stUtc, &stLocal) ||
        !::SystemTimeToFileTime(&stUtc, &ftUtcMs) || !::SystemTimeToFileTime(&stLocal, &ftLocalMs))
        return 0;
    return static_cast<int>((ToTicks(ftLocalMs) - ToTicks(ftUtcMs)) / TICKS_PER_MINUTE);
}

// Reads exactly nDigits decimal digits at nPos.
bool ReadDigits(std::string_view s, size_t &nPos, size_t nDigits, int &nValue)
{
    if (nPos + nDigits > s.size())
        return false;
    nValue = 0;
    for (size_t i = 0; i < nDigits; ++i) {
        const char ch = s[nPos + i];
        if (ch < '0' || ch > '9')
            return false;
        nValue = nValue * 10 + (ch - '0');
    }
    nPos += nDigits;
    return true;
}

bool Expect(std::string_view s, size_t &nPos, char ch)
{
    if (nPos >= s.size() || s[nPos] != ch)
        return false;
    ++nPos;
    return true;
}

} // namespace

std::string FormatIsoTimeAt(const FILETIME &ftUtc, int nOffsetMinutes)
{
    const int64_t nLocal = ToTicks(ftUtc) + nOffsetMinutes * TICKS_PER_MINUTE;
    SYSTEMTIME st = {};
    const FILETIME ftLocal = FromTicks(nLocal);
    if (nLocal < 0 || !::FileTimeToSystemTime(&ftLocal, &st))
        return std::string();
    char sz[48];
    int n = std::snprintf(sz, sizeof sz, "%04u-%02u-%02uT%02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
                          st.wMinute, st.wSecond);
    const auto nFraction = static_cast<unsigned long>(nLocal % TICKS_PER_SECOND);
    if (nFraction != 0) {
        // Seven digits, trailing zeros dropped.
        char szFraction[16];
        std::snprintf(szFraction, sizeof szFraction, "%07lu", nFraction);
        int nLen = 7;
        while (szFraction[nLen - 1] == '0')
            --nLen;
        szFraction[nLen] = '\0';
        n += std::snprintf(sz + n, sizeof sz - static_cast<size_t>(n), ".%s", szFraction);
    }
    const int nAbs = nOffsetMinutes < 0 ? -nOffsetMinutes : nOffsetMinutes;
    std::snprintf(sz + n, sizeof sz - static_cast<size_t>(n), "%c%02d:%02d", nOffsetMinutes < 0 ? '-' : '+', nAbs / 60,
                  nAbs % 60);
    return sz;
}

std::string FormatIsoTime(const FILETIME &ftUtc)
{
    return FormatIsoTimeAt(ftUtc, LocalOffsetMinutes(ftUtc));
}

bool ParseIsoTime(std::string_view s, FILETIME &ftUtc)
{
    size_t nPos = 0;
    int nYear = 0, nMonth = 0, nDay = 0, nHour = 0, nMinute = 0, nSecond = 0;
    if (!ReadDigits(s, nPos, 4, nYear) || !Expect(s, nPos, '-') || !ReadDigits(s, nPos, 2, nMonth) ||
        !Expect(s, nPos, '-') || !ReadDigits(s, nPos, 2, nDay) || !Expect(s, nPos, 'T') ||
        !ReadDigits(s, nPos, 2, nHour) || !Expect(s, nPos, ':') || !ReadDigits(s, nPos, 2, nMinute) ||
        !Expect(s, nPos, ':') || !ReadDigits(s, nPos, 2, nSecond))
        return false;
    int64_t nFraction = 0;
    if (nPos < s.size() && s[nPos] == '.') {
        ++nPos;
        int64_t nScale = TICKS_PER_SECOND;
        size_t nDigits = 0;
        while (nPos < s.size() && s[nPos] >= '0' && s[nPos] <= '9') {
            if (++nDigits > 7)
                return false;
            nScale /= 10;
            nFraction += (s[nPos++] - '0') * nScale;
        }
        if (nDigits == 0)
            return false;
    }
    int nOffset = 0;
    if (nPos < s.size() && s[nPos] == 'Z') {
        ++nPos;
    } else {
        if (nPos >= s.size() || (s[nPos] != '+' && s[nPos] != '-'))
            return false;
        const bool bNegative = s[nPos++] == '-';
        int nOffHour = 0, nOffMinute = 0;
        if (!ReadDigits(s, nPos, 2, nOffHour) || !Expect(s, nPos, ':') || !ReadDigits(s, nPos, 2, nOffMinute) ||
            nOffMinute > 59)
            return false;
        nOffset = nOffHour * 60 + nOffMinute;
        if (nOffset > MAX_OFFSET_MINUTES)
            return false;
        if (bNegative)
            nOffset = -nOffset;
    }
    if (nPos != s.size() || nYear < 1601 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 || nHour > 23 ||
        nMinute > 59 || nSecond > 59)
        return false;
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(nYear);
    st.wMonth = static_cast<WORD>(nMonth);
    st.wDay = static_cast<WORD>(nDay);
    st.wHour = static_cast<WORD>(nHour);
    st.wMinute = static_cast<WORD>(nMinute);
    st.wSecond = static_cast<WORD>(nSecond);
    FILETIME ftLocal = {};
    // Refuses the 31st of a short month and the 29th of February of a common year.
    if (!::SystemTimeToFileTime(&st, &ftLocal))
        return false;
    SYSTEMTIME stBack = {};
    if (!::FileTimeToSystemTime(&ftLocal, &stBack) || stBack.wDay != st.wDay)
        return false;
    const int64_t nUtc = ToTicks(ftLocal) + nFraction - nOffset * TICKS_PER_MINUTE;
    if (nUtc < 0)
        return false;
    ftUtc = FromTicks(nUtc);
    return true;
}
