#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <gtest/gtest.h>

#include <cwchar>

// Tests run in Asia/Tokyo (UTC+9, no daylight saving): local 1970-01-01 09:00:00 is second 0.
namespace {

// "Y/M/D h:m:s.ms", read without the code under test.
SYSTEMTIME St(const wchar_t *psz)
{
    SYSTEMTIME st = {};
    swscanf(psz, L"%hu/%hu/%hu %hu:%hu:%hu.%hu", &st.wYear, &st.wMonth, &st.wDay, &st.wHour, &st.wMinute, &st.wSecond,
            &st.wMilliseconds);
    return st;
}

std::wstring Text(const SYSTEMTIME &st)
{
    return FormatSystemTime(&st, TIME_PART_DATE | TIME_PART_TIME);
}

FILETIME Utc(const wchar_t *pszLocal)
{
    const SYSTEMTIME stLocal = St(pszLocal);
    SYSTEMTIME stUtc;
    FILETIME ft = {};
    EXPECT_TRUE(::TzSpecificLocalTimeToSystemTime(nullptr, &stLocal, &stUtc) && ::SystemTimeToFileTime(&stUtc, &ft));
    return ft;
}

TEST(TimeRange, ClampsFieldByField)
{
    const wchar_t *cases[][2] = {
        {L"2040/1/1 0:0:0", L"2038/01/01 00:00:00"},   {L"2038/1/19 4:30:50", L"2038/01/19 03:14:07"},
        {L"2038/1/19 4:0:0", L"2038/01/19 03:00:00"},  {L"2038/1/19 3:14:59", L"2038/01/19 03:14:07"},
        {L"2038/5/30 12:0:0", L"2038/01/19 03:00:00"}, {L"2039/12/31 23:59:59", L"2038/01/19 03:14:07"},
        {L"1969/6/1 0:0:0", L"1970/06/01 00:00:00"},   {L"1970/1/1 5:0:0", L"1970/01/01 09:00:00"},
        {L"1970/1/2 5:0:0", L"1970/01/02 05:00:00"},   {L"1968/2/29 0:0:0", L"1970/02/28 00:00:00"},
        {L"2001/2/3 4:5:6", L"2001/02/03 04:05:06"}};
    for (const auto &c : cases) {
        SYSTEMTIME st = St(c[0]);
        ClampToCTimeRange(&st);
        EXPECT_EQ(Text(st), c[1]) << c[0];
    }
    ClampToCTimeRange(nullptr);
}

TEST(TimeRange, LimitsAsSecondsAndFileTimes)
{
    SYSTEMTIME low = St(L"1960/1/1"), high = St(L"2100/12/31 23:59:59");
    EXPECT_EQ(SystemTimeToCTime(&low).GetTime(), 0);
    // Both limits are local times: in Tokyo the top lies nine hours below 2^31 - 1.
    EXPECT_EQ(SystemTimeToCTime(&high).GetTime(), 2147483647 - 9 * 3600);
    EXPECT_EQ(Text(high), L"2038/01/19 03:14:07"); // the caller's structure is the one clamped

    FILETIME ftZero = {}, ftHuge = {0xFFFFFFFF, 0x7FFFFFFF}, ftBeyond = {0xFFFFFFFF, 0xFFFFFFFF};
    EXPECT_EQ(FileTimeToCTime(&ftZero).GetTime(), 0);
    EXPECT_EQ(FileTimeToCTime(&ftHuge).GetYear(), 2038);
    ClampFileTimeToCTimeRange(ftBeyond); // beyond what the system can split
    EXPECT_EQ(FormatFileTime(&ftBeyond, 0), L"2038/01/19 03:14:07");
    FILETIME late = Utc(L"2050/7/19 12:0:0.500");
    ClampFileTimeToCTimeRange(late);
    EXPECT_EQ(FormatFileTime(&late, 0), L"2038/01/19 03:00:00");

    FILETIME ft = Utc(L"2001/2/3 4:5:6.789"), inRange; // inside the range even 100 ns stay
    ft.dwLowDateTime += 1234;
    inRange = ft;
    ClampFileTimeToCTimeRange(inRange);
    EXPECT_EQ(CompareFileTime(&inRange, &ft), 0);
}

TEST(ParseDateTimeText, FieldsYearsAndLimits)
{
    const wchar_t *cases[][2] = {{L"1998/12/26 23:59:59", L"1998/12/26 23:59:59"},
                                 {L"98/12/26", L"1998/12/26 00:00:00"},
                                 {L"5/2/30", L"2005/02/28 00:00:00"},
                                 {L"2000/2/30", L"2000/02/29 00:00:00"},
                                 {L"1900/2/29", L"1900/02/28 00:00:00"},
                                 {L"12:30 2001/1/1", L"2001/01/01 12:30:00"},
                                 {L"2001/13/40 25:61:61", L"2001/12/31 23:59:59"},
                                 {L"38/1/1", L"2038/01/01 00:00:00"},
                                 {L"39/1/1", L"1939/01/01 00:00:00"},
                                 {L"100/1/1", L" 100/01/01 00:00:00"},
                                 {L"12345/1/1", L"9999/01/01 00:00:00"},
                                 {L"2001/0/0", L"2001/01/01 00:00:00"},
                                 {L"2001/4/31 7", L"2001/04/30 07:00:00"},
                                 {L"2001/4/5 x:y:z", L"2001/04/05 00:00:00"},
                                 {L"2001/4/5 12:30x:9a", L"2001/04/05 12:30:09"},
                                 {L"2001/4/5 -1:5", L"2001/04/05 00:05:00"},
                                 {L"2001/4/5  12:30", L"2001/04/05 12:30:00"},
                                 {L"2001/4/5 65537:0", L"2001/04/05 01:00:00"}}; // a field is 16 bits
    for (const auto &c : cases) {
        SYSTEMTIME stOut = {};
        const SYSTEMTIME st = ParseDateTimeText(c[0], &stOut, 0);
        EXPECT_EQ(Text(st), c[1]) << c[0];
        EXPECT_EQ(Text(stOut), c[1]) << c[0];
        EXPECT_EQ(st.wDayOfWeek + st.wMilliseconds, 0);
    }
}

TEST(ParseDateTimeText, WithoutADateTodayIsTaken)
{
    SYSTEMTIME days[2];
    ::GetLocalTime(&days[0]);
    const std::wstring text = Text(ParseDateTimeText(L"12:30"));
    ::GetLocalTime(&days[1]); // midnight may pass meanwhile
    bool bToday = false;
    for (SYSTEMTIME d : days)
        bToday = bToday || FormatSystemTime(&d, TIME_PART_DATE) + L" 12:30:00" == text;
    EXPECT_TRUE(bToday) << text;
}

TEST(TimeText, FormatsByParts)
{
    const SYSTEMTIME st = St(L"2001/2/3 4:5:6");
    EXPECT_EQ(FormatSystemTime(&st, 0), L"2001/02/03 04:05:06");
    EXPECT_EQ(FormatSystemTime(&st, TIME_PART_DATE), L"2001/02/03");
    EXPECT_EQ(FormatSystemTime(&st, TIME_PART_TIME | TIME_USE_NOW), L"04:05:06");
    EXPECT_EQ(FormatSystemTime(nullptr, 0), L"");
    const CTime t(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(FormatCTime(t, 0), L"2001/02/03 04:05:06");
    EXPECT_EQ(FormatCTime(t, TIME_PART_TIME), L"04:05:06");
    const FILETIME ft = Utc(L"2001/2/3 4:5:6"), ftZero = {};
    EXPECT_EQ(FormatFileTime(&ft, 0), L"2001/02/03 04:05:06");
    EXPECT_EQ(FormatFileTime(&ftZero, 0), L"1601/01/01 09:00:00");
    EXPECT_EQ(FormatFileTime(nullptr, 0), L"");
}

TEST(TimeConvert, TextsFileTimesAndNow)
{
    EXPECT_EQ(FormatCTime(TextToCTime(L"2040/1/1"), 0), L"2038/01/01 00:00:00");
    EXPECT_EQ(FormatCTime(TextToCTime(L"2038/1/19 4:30:50"), 0), L"2038/01/19 03:14:07");
    FILETIME ftOut = {};
    const FILETIME ft = TextToFileTime(L"2040/1/1 1:02:03", &ftOut); // not clamped
    EXPECT_EQ(FormatFileTime(&ftOut, 0), L"2040/01/01 01:02:03");
    EXPECT_EQ(CompareFileTime(&ft, &ftOut), 0);
    const FILETIME ftAncient = TextToFileTime(L"1500/1/1");
    EXPECT_EQ(ftAncient.dwLowDateTime | ftAncient.dwHighDateTime, 0u);
    const CTime t(2001, 2, 3, 4, 5, 6);
    const FILETIME ftT = CTimeToFileTime(t);
    EXPECT_EQ(FileTimeToCTime(&ftT), t);

    const CTime before = CTime::GetCurrentTime();
    const FILETIME ftNow = CTimeToFileTime(CTime(0), nullptr, TIME_USE_NOW);
    const CTime nows[] = {FileTimeToCTime(nullptr), SystemTimeToCTime(nullptr), TextToCTime(L""), CTime(ftNow)};
    const CTime after = CTime::GetCurrentTime();
    for (const CTime &now : nows)
        EXPECT_TRUE(before <= now && now <= after) << now.GetTime();
}

TEST(TimeConvert, TimesLessThanASecondApartCompareEqual)
{
    const FILETIME a = Utc(L"2001/2/3 4:5:6.10"), b = Utc(L"2001/2/3 4:5:6.990"), c = Utc(L"2001/2/3 4:5:7.0");
    EXPECT_EQ(FileTimeToCTime(&a), FileTimeToCTime(&b));
    EXPECT_LT(FileTimeToCTime(&b), FileTimeToCTime(&c));
    SYSTEMTIME sa = St(L"2001/2/3 4:5:6.10"), sb = St(L"2001/2/3 4:5:6.990");
    EXPECT_EQ(SystemTimeToCTime(&sa), SystemTimeToCTime(&sb));
    EXPECT_EQ(SystemTimeToCTime(&sa), FileTimeToCTime(&a));
}

} // namespace
