// CTime: an instant in whole seconds since 1970-01-01 00:00 UTC, split and formatted in local time.
// Built on the system's time-zone conversions, not the C runtime's, so TZ strings cannot skew it.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

class CTime {
public:
    CTime() noexcept = default;
    explicit CTime(int64_t nTime) noexcept : m_time(nTime) {}
    // Local date and time; daylight saving is decided by the system for that date.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    explicit CTime(const SYSTEMTIME &stLocal);
    // A UTC file time, shown in local time like every CTime.
    explicit CTime(const FILETIME &ftUtc);

    static CTime GetCurrentTime();

    int64_t GetTime() const noexcept { return m_time; }
    bool GetAsSystemTime(SYSTEMTIME &stLocal) const;
    bool GetAsFileTime(FILETIME &ftUtc) const;

    int GetYear() const { return Local().wYear; }
    int GetMonth() const { return Local().wMonth; }
    int GetDay() const { return Local().wDay; }
    int GetHour() const { return Local().wHour; }
    int GetMinute() const { return Local().wMinute; }
    int GetSecond() const { return Local().wSecond; }
    int GetDayOfWeek() const { return Local().wDayOfWeek + 1; } // 1 = Sunday

    // strftime subset: %Y %y %m %d %H %M %S %j %a %A %b %B %p %% in local time.
    std::wstring Format(const wchar_t *pszFormat) const;

    bool operator==(const CTime &o) const noexcept { return m_time == o.m_time; }
    bool operator!=(const CTime &o) const noexcept { return m_time != o.m_time; }
    bool operator<(const CTime &o) const noexcept { return m_time < o.m_time; }
    bool operator<=(const CTime &o) const noexcept { return m_time <= o.m_time; }
    bool operator>(const CTime &o) const noexcept { return m_time > o.m_time; }
    bool operator>=(const CTime &o) const noexcept { return m_time >= o.m_time; }
    int64_t operator-(const CTime &o) const noexcept { return m_time - o.m_time; }

private:
    SYSTEMTIME Local() const;

    int64_t m_time = 0;
};
