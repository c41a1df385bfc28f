#include "support/TimeConvert.h"
#include "support/TimeText.h"

CTime FileTimeToCTime(const FILETIME *pftUtc, DWORD)
{
    if (!pftUtc)
        return CTime::GetCurrentTime();
    FILETIME ft = *pftUtc;
    ClampFileTimeToCTimeRange(ft);
    return CTime(ft);
}

CTime SystemTimeToCTime(SYSTEMTIME *pstLocal, DWORD)
{
    if (!pstLocal)
        return CTime::GetCurrentTime();
    ClampToCTimeRange(pstLocal);
    return CTime(*pstLocal);
}

CTime TextToCTime(const std::wstring &strText, DWORD dwParts)
{
    if (strText.empty())
        return CTime::GetCurrentTime();
    SYSTEMTIME st = ParseDateTimeText(strText, nullptr, dwParts);
    return SystemTimeToCTime(&st, dwParts);
}

FILETIME CTimeToFileTime(const CTime &time, FILETIME *pftUtc, DWORD dwParts)
{
    const CTime t = (dwParts & TIME_USE_NOW) ? CTime::GetCurrentTime() : time;
    FILETIME ft = {};
    t.GetAsFileTime(ft);
    if (pftUtc)
        *pftUtc = ft;
    return ft;
}

FILETIME TextToFileTime(const std::wstring &strText, FILETIME *pftUtc, DWORD dwParts)
{
    const SYSTEMTIME stLocal = ParseDateTimeText(strText, nullptr, dwParts);
    SYSTEMTIME stUtc;
    FILETIME ft = {};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &stLocal, &stUtc) || !::SystemTimeToFileTime(&stUtc, &ft))
        ft = FILETIME{};
    if (pftUtc)
        *pftUtc = ft;
    return ft;
}
