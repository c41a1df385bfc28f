#include "support/TimeText.h"
#include "support/TokenList.h"

#include <cwchar>
#include <vector>

namespace {

// Decimal value of the leading digits, as a 16-bit field; no digits give 0.
WORD FieldNumber(const std::wstring &strField)
{
    unsigned int n = 0;
    for (wchar_t ch : strField) {
        if (ch < L'0' || ch > L'9')
            break;
        n = (n * 10 + static_cast<unsigned int>(ch - L'0')) & 0xFFFF;
    }
    return static_cast<WORD>(n);
}

std::vector<WORD> NumberFields(const std::wstring &strText, wchar_t chSeparator)
{
    TokenList fields;
    const int n = fields.Split(strText, chSeparator, false);
    std::vector<WORD> numbers;
    for (int i = 0; i < n; ++i)
        numbers.push_back(FieldNumber(fields.GetString(i)));
    return numbers;
}

WORD Limit(WORD w, WORD wLow, WORD wHigh)
{
    return w < wLow ? wLow : (w > wHigh ? wHigh : w);
}

} // namespace

std::wstring FormatCTime(const CTime &time, DWORD dwParts)
{
    switch (NormalizeTimeParts(dwParts) & (TIME_PART_DATE | TIME_PART_TIME)) {
    case TIME_PART_DATE: return time.Format(L"%Y/%m/%d");
    case TIME_PART_TIME: return time.Format(L"%H:%M:%S");
    default: return time.Format(L"%Y/%m/%d %H:%M:%S");
    }
}

std::wstring FormatSystemTime(const SYSTEMTIME *pst, DWORD dwParts)
{
    if (!pst)
        return std::wstring();
    wchar_t sz[64];
    switch (NormalizeTimeParts(dwParts) & (TIME_PART_DATE | TIME_PART_TIME)) {
    case TIME_PART_DATE: swprintf(sz, 64, L"%4d/%02d/%02d", pst->wYear, pst->wMonth, pst->wDay); break;
    case TIME_PART_TIME: swprintf(sz, 64, L"%02d:%02d:%02d", pst->wHour, pst->wMinute, pst->wSecond); break;
    default:
        swprintf(sz, 64, L"%4d/%02d/%02d %02d:%02d:%02d", pst->wYear, pst->wMonth, pst->wDay, pst->wHour, pst->wMinute,
                 pst->wSecond);
        break;
    }
    return sz;
}

std::wstring FormatFileTime(const FILETIME *pftUtc, DWORD dwParts)
{
    if (!pftUtc)
        return std::wstring();
    SYSTEMTIME stUtc, stLocal;
    if (!::FileTimeToSystemTime(pftUtc, &stUtc) || !::SystemTimeToTzSpecificLocalTime(nullptr, &stUtc, &stLocal))
        return std::wstring();
    return FormatSystemTime(&stLocal, dwParts);
}

SYSTEMTIME ParseDateTimeText(const std::wstring &strText, SYSTEMTIME *pstLocal, DWORD)
{
    TokenList blanks;
    const int nBlankFields = blanks.Split(strText, L' ', true);
    std::vector<std::wstring> fields; // runs of blanks separate like one
    for (int i = 0; i < nBlankFields; ++i) {
        if (!blanks.GetString(i).empty())
            fields.push_back(blanks.GetString(i));
    }
    const auto hasColon = [](const std::wstring &s) { return s.find(L':') != std::wstring::npos; };
    std::wstring strDate, strTime;
    if (fields.size() == 1) {
        (hasColon(fields[0]) ? strTime : strDate) = fields[0];
    } else if (fields.size() >= 2) {
        const bool bTimeFirst = fields.size() == 2 && hasColon(fields[0]);
        strDate = fields[bTimeFirst ? 1 : 0];
        strTime = fields[bTimeFirst ? 0 : 1];
    }

    SYSTEMTIME st = {};
    const std::vector<WORD> date = NumberFields(strDate, L'/');
    if (!date.empty()) {
        WORD wYear = date[0];
        if (wYear <= 38)
            wYear = static_cast<WORD>(wYear + 2000);
        else if (wYear <= 99)
            wYear = static_cast<WORD>(wYear + 1900);
        st.wYear = Limit(wYear, 100, 9999);
        st.wMonth = Limit(date.size() > 1 ? date[1] : 0, 1, 12);
        st.wDay = Limit(date.size() > 2 ? date[2] : 0, 1, 31);
        ClampDayOfMonth(st);
    } else {
        SYSTEMTIME stNow;
        ::GetLocalTime(&stNow);
        st.wYear = stNow.wYear;
        st.wMonth = stNow.wMonth;
        st.wDay = stNow.wDay;
    }
    const std::vector<WORD> time = NumberFields(strTime, L':');
    if (!time.empty()) {
        st.wHour = Limit(time[0], 0, 23);
        st.wMinute = Limit(time.size() > 1 ? time[1] : 0, 0, 59);
        st.wSecond = Limit(time.size() > 2 ? time[2] : 0, 0, 59);
    }
    if (pstLocal)
        *pstLocal = st;
    return st;
}
