#include "framework/Time.h"

#include <cwchar>

namespace {

// 100-ns intervals between 1601-01-01 and 1970-01-01.
constexpr int64_t kEpochDelta = 116444736000000000LL;
constexpr int64_t kTicksPerSecond = 10000000LL;

int64_t FileTimeToSeconds(const FILETIME &ft)
{
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    return (static_cast<int64_t>(u.QuadPart) - kEpochDelta) / kTicksPerSecond;
}

FILETIME SecondsToFileTime(int64_t t)
{
    ULARGE_INTEGER u;
    u.QuadPart = static_cast<ULONGLONG>(t * kTicksPerSecond + kEpochDelta);
    FILETIME ft;
    ft.dwLowDateTime = u.LowPart;
    ft.dwHighDateTime = u.HighPart;
    return ft;
}

int64_t LocalSystemTimeToSeconds(const SYSTEMTIME &stLocal)
{
    SYSTEMTIME st = stLocal;
    st.wMilliseconds = 0;
    SYSTEMTIME stUtc;
    FILETIME ft;
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &st, &stUtc) || !::SystemTimeToFileTime(&stUtc, &ft))
        return -1;
    return FileTimeToSeconds(ft);
}

const wchar_t *const kDayAbbr[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
const wchar_t *const kDayName[] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};
const wchar_t *const kMonAbbr[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                   L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
const wchar_t *const kMonName[] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                   L"July",    L"August",   L"September", L"October", L"November", L"December"};

int DayOfYear(const SYSTEMTIME &st)
{
    static const int kCum[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int y = st.wYear;
    bool leap = (y % 4 == 0) && (y % 100 != 0 || y % 400 == 0);
    return kCum[(st.wMonth - 1) % 12] + st.wDay + ((leap && st.wMonth > 2) ? 1 : 0);
}

} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(nYear);
    st.wMonth = static_cast<WORD>(nMonth);
    st.wDay = static_cast<WORD>(nDay);
    st.wHour = static_cast<WORD>(nHour);
    st.wMinute = static_cast<WORD>(nMin);
    st.wSecond = static_cast<WORD>(nSec);
    m_time = LocalSystemTimeToSeconds(st);
}

CTime::CTime(const SYSTEMTIME &stLocal) : m_time(LocalSystemTimeToSeconds(stLocal)) {}

CTime::CTime(const FILETIME &ftUtc) : m_time(FileTimeToSeconds(ftUtc)) {}

CTime CTime::GetCurrentTime()
{
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    return CTime(ft);
}

bool CTime::GetAsFileTime(FILETIME &ftUtc) const
{
    ftUtc = SecondsToFileTime(m_time);
    return true;
}

bool CTime::GetAsSystemTime(SYSTEMTIME &stLocal) const
{
    FILETIME ft = SecondsToFileTime(m_time);
    SYSTEMTIME stUtc;
    if (!::FileTimeToSystemTime(&ft, &stUtc))
        return false;
    return ::SystemTimeToTzSpecificLocalTime(nullptr, &stUtc, &stLocal) != FALSE;
}

SYSTEMTIME CTime::Local() const
{
    SYSTEMTIME st = {};
    GetAsSystemTime(st);
    return st;
}

std::wstring CTime::Format(const wchar_t *pszFormat) const
{
    const SYSTEMTIME st = Local();
    std::wstring out;
    wchar_t buf[16];
    auto num = [&](const wchar_t *fmt, int v) {
        swprintf(buf, 16, fmt, v);
        out += buf;
    };
    for (const wchar_t *p = pszFormat; p && *p; ++p) {
        if (*p != L'%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case L'Y': num(L"%d", st.wYear); break;
        case L'y': num(L"%02d", st.wYear % 100); break;
        case L'm': num(L"%02d", st.wMonth); break;
        case L'd': num(L"%02d", st.wDay); break;
        case L'H': num(L"%02d", st.wHour); break;
        case L'I': num(L"%02d", st.wHour % 12 == 0 ? 12 : st.wHour % 12); break;
        case L'M': num(L"%02d", st.wMinute); break;
        case L'S': num(L"%02d", st.wSecond); break;
        case L'j': num(L"%03d", DayOfYear(st)); break;
        case L'p': out += st.wHour < 12 ? L"AM" : L"PM"; break;
        case L'a': out += kDayAbbr[st.wDayOfWeek % 7]; break;
        case L'A': out += kDayName[st.wDayOfWeek % 7]; break;
        case L'b': out += kMonAbbr[(st.wMonth + 11) % 12]; break;
        case L'B': out += kMonName[(st.wMonth + 11) % 12]; break;
        case L'%': out += L'%'; break;
        default:
            out += L'%';
            out += *p;
            break;
        }
    }
    return out;
}
