#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <gtest/gtest.h>

// Tests run in Asia/Tokyo (UTC+9, no daylight saving): local 1970-01-01 09:00:00 is second 0.
namespace {

SYSTEMTIME Local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(mo);
    st.wDay = static_cast<WORD>(d);
    st.wHour = static_cast<WORD>(h);
    st.wMinute = static_cast<WORD>(mi);
    st.wSecond = static_cast<WORD>(s);
    st.wMilliseconds = static_cast<WORD>(ms);
    return st;
}

std::wstring Text(const SYSTEMTIME &st)
{
    return FormatSystemTime(&st, TIME_PART_DATE | TIME_PART_TIME);
}

FILETIME UtcFileTime(const SYSTEMTIME &stLocal)
{
    SYSTEMTIME stUtc;
    FILETIME ft = {};
    EXPECT_TRUE(::TzSpecificLocalTimeToSystemTime(nullptr, &stLocal, &stUtc));
    EXPECT_TRUE(::SystemTimeToFileTime(&stUtc, &ft));
    return ft;
}

TEST(TimeRange, CalendarRules)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    const int days2001[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(DaysInMonth(2001, m), days2001[m - 1]) << m;
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);

    SYSTEMTIME st = Local(2001, 4, 0, 5, 6, 7);
    ClampDayOfMonth(st);
    EXPECT_EQ(Text(st), L"2001/04/01 05:06:07");
    st = Local(2001, 4, 31);
    ClampDayOfMonth(st);
    EXPECT_EQ(st.wDay, 30);

    EXPECT_EQ(NormalizeTimeParts(0), 3u);
    EXPECT_EQ(NormalizeTimeParts(TIME_USE_NOW), 7u);
    EXPECT_EQ(NormalizeTimeParts(TIME_PART_TIME), 2u);
}

TEST(TimeRange, ClampsFieldByField)
{
    struct {
        SYSTEMTIME in;
        const wchar_t *out;
    } cases[] = {
        {Local(2040, 1, 1), L"2038/01/01 00:00:00"},
        {Local(2038, 1, 19, 4, 30, 50), L"2038/01/19 03:14:07"},
        {Local(2038, 1, 19, 4, 0, 0), L"2038/01/19 03:00:00"}, // lowered, never raised
        {Local(2038, 1, 19, 3, 14, 59), L"2038/01/19 03:14:07"},
        {Local(2038, 1, 19, 3, 13, 59), L"2038/01/19 03:13:59"},
        {Local(2038, 1, 18, 23, 59, 59), L"2038/01/18 23:59:59"},
        {Local(2038, 5, 30, 12), L"2038/01/19 03:00:00"},
        {Local(2039, 12, 31, 23, 59, 59), L"2038/01/19 03:14:07"},
        {Local(1969, 6, 1), L"1970/06/01 00:00:00"},
        {Local(1970, 1, 1, 5, 0), L"1970/01/01 09:00:00"},
        {Local(1970, 1, 1, 5, 30, 15), L"1970/01/01 09:30:15"},
        {Local(1970, 1, 2, 5, 0), L"1970/01/02 05:00:00"},
        {Local(1601, 1, 1), L"1970/01/01 09:00:00"},
        {Local(1968, 2, 29), L"1970/02/28 00:00:00"}, // a leap day moved to a common year
        {Local(2001, 2, 3, 4, 5, 6), L"2001/02/03 04:05:06"},
    };
    for (const auto &c : cases) {
        SYSTEMTIME st = c.in;
        ClampToCTimeRange(&st);
        EXPECT_EQ(Text(st), c.out) << Text(c.in);
    }
    ClampToCTimeRange(nullptr);
}

TEST(TimeRange, LimitsAsSeconds)
{
    SYSTEMTIME low = Local(1960, 1, 1, 0, 0, 0), high = Local(2100, 12, 31, 23, 59, 59);
    EXPECT_EQ(SystemTimeToCTime(&low).GetTime(), 0);
    // Both limits are local times: in Tokyo the top lies nine hours below 2^31 - 1.
    EXPECT_EQ(SystemTimeToCTime(&high).GetTime(), 2147483647 - 9 * 3600);
    // The caller's structure is the one clamped.
    EXPECT_EQ(Text(high), L"2038/01/19 03:14:07");

    FILETIME ftZero = {};
    EXPECT_EQ(FileTimeToCTime(&ftZero).GetTime(), 0);
    FILETIME ftHuge = {0xFFFFFFFF, 0x7FFFFFFF}; // year 30828
    EXPECT_EQ(FileTimeToCTime(&ftHuge).GetYear(), 2038);
    EXPECT_LE(FileTimeToCTime(&ftHuge).GetTime(), 2147483647);
    FILETIME ftBeyond = {0xFFFFFFFF, 0xFFFFFFFF}; // the system cannot even split it
    ClampFileTimeToCTimeRange(ftBeyond);
    EXPECT_EQ(FormatFileTime(&ftBeyond, 0), L"2038/01/19 03:14:07");
}

TEST(TimeRange, FileTimeInRangeKeepsItsFraction)
{
    FILETIME ft = UtcFileTime(Local(2001, 2, 3, 4, 5, 6, 789));
    ULARGE_INTEGER u = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    u.QuadPart += 1234; // below a millisecond
    ft = {u.LowPart, u.HighPart};
    FILETIME clamped = ft;
    ClampFileTimeToCTimeRange(clamped);
    EXPECT_EQ(CompareFileTime(&clamped, &ft), 0);

    FILETIME late = UtcFileTime(Local(2050, 7, 19, 12, 0, 0, 500));
    ClampFileTimeToCTimeRange(late);
    EXPECT_EQ(FormatFileTime(&late, 0), L"2038/01/19 03:00:00");
}

TEST(ParseDateTimeText, FieldsYearsAndLimits)
{
    struct {
        const wchar_t *text, *out;
    } cases[] = {
        {L"1998/12/26 23:59:59", L"1998/12/26 23:59:59"},
        {L"98/12/26", L"1998/12/26 00:00:00"},
        {L"5/2/30", L"2005/02/28 00:00:00"},
        {L"2000/2/30", L"2000/02/29 00:00:00"},
        {L"1900/2/29", L"1900/02/28 00:00:00"},
        {L"12:30 2001/1/1", L"2001/01/01 12:30:00"},
        {L"2001/13/40 25:61:61", L"2001/12/31 23:59:59"},
        {L"0/1/1", L"2000/01/01 00:00:00"},
        {L"38/1/1", L"2038/01/01 00:00:00"},
        {L"39/1/1", L"1939/01/01 00:00:00"},
        {L"99/1/1", L"1999/01/01 00:00:00"},
        {L"100/1/1", L" 100/01/01 00:00:00"},
        {L"50/1/1", L"1950/01/01 00:00:00"},
        {L"12345/1/1", L"9999/01/01 00:00:00"},
        {L"2001", L"2001/01/01 00:00:00"},     // month and day missing: 1
        {L"2001/0/0", L"2001/01/01 00:00:00"}, // 0 becomes 1
        {L"2001/4/31 7", L"2001/04/30 07:00:00"},
        {L"2001/4/5 7:8", L"2001/04/05 07:08:00"},
        {L"2001/4/5 x:y:z", L"2001/04/05 00:00:00"},     // no digits: 0
        {L"2001/4/5 12:30x:9a", L"2001/04/05 12:30:09"}, // leading digits only
        {L"2001/4/5 -1:5", L"2001/04/05 00:05:00"},
        {L"2001/4/5  12:30", L"2001/04/05 12:30:00"}, // two blanks separate like one
        {L"2001/4/5 12:30 extra", L"2001/04/05 12:30:00"},
        {L"2001/4/5 65537:0", L"2001/04/05 01:00:00"}, // a field is 16 bits
    };
    for (const auto &c : cases) {
        SYSTEMTIME stOut = {};
        const SYSTEMTIME st = ParseDateTimeText(c.text, &stOut, 0);
        EXPECT_EQ(Text(st), c.out) << c.text;
        EXPECT_EQ(Text(stOut), c.out) << c.text;
        EXPECT_EQ(st.wDayOfWeek, 0);
        EXPECT_EQ(st.wMilliseconds, 0);
    }
}

TEST(ParseDateTimeText, WithoutADateTodayIsTaken)
{
    SYSTEMTIME before, after;
    ::GetLocalTime(&before);
    const SYSTEMTIME st = ParseDateTimeText(L"12:30");
    ::GetLocalTime(&after);
    const std::wstring text = Text(st);
    const SYSTEMTIME today[] = {before, after};
    bool bMatches = false;
    for (SYSTEMTIME d : today) {
        d.wHour = 12;
        d.wMinute = 30;
        d.wSecond = 0;
        bMatches = bMatches || Text(d) == text;
    }
    EXPECT_TRUE(bMatches) << text;
}

TEST(TimeText, FormatsByParts)
{
    const SYSTEMTIME st = Local(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(FormatSystemTime(&st, 0), L"2001/02/03 04:05:06");
    EXPECT_EQ(FormatSystemTime(&st, 3), L"2001/02/03 04:05:06");
    EXPECT_EQ(FormatSystemTime(&st, TIME_PART_DATE), L"2001/02/03");
    EXPECT_EQ(FormatSystemTime(&st, TIME_PART_TIME), L"04:05:06");
    EXPECT_EQ(FormatSystemTime(&st, TIME_PART_TIME | TIME_USE_NOW), L"04:05:06");
    EXPECT_EQ(FormatSystemTime(nullptr, 0), L"");

    const CTime t(2001, 2, 3, 4, 5, 6);
    EXPECT_EQ(FormatCTime(t, 0), L"2001/02/03 04:05:06");
    EXPECT_EQ(FormatCTime(t, TIME_PART_DATE), L"2001/02/03");
    EXPECT_EQ(FormatCTime(t, TIME_PART_TIME), L"04:05:06");

    const FILETIME ft = UtcFileTime(st);
    EXPECT_EQ(FormatFileTime(&ft, 0), L"2001/02/03 04:05:06"); // the UTC time shown in local time
    EXPECT_EQ(FormatFileTime(nullptr, 0), L"");
    const FILETIME ftZero = {};
    EXPECT_EQ(FormatFileTime(&ftZero, 0), L"1601/01/01 09:00:00");
}

TEST(TimeConvert, TextsAndFileTimes)
{
    EXPECT_EQ(FormatCTime(TextToCTime(L"2040/1/1"), 0), L"2038/01/01 00:00:00");
    EXPECT_EQ(FormatCTime(TextToCTime(L"2038/1/19 4:30:50"), 0), L"2038/01/19 03:14:07");
    EXPECT_EQ(FormatCTime(TextToCTime(L"1970/1/1 5:00"), 0), L"1970/01/01 09:00:00");
    EXPECT_EQ(FormatCTime(TextToCTime(L"1969/6/1"), 0), L"1970/06/01 00:00:00");

    // Texts become file times without the clamp.
    FILETIME ftOut = {};
    const FILETIME ft = TextToFileTime(L"2040/1/1 1:02:03", &ftOut);
    EXPECT_EQ(FormatFileTime(&ft, 0), L"2040/01/01 01:02:03");
    EXPECT_EQ(CompareFileTime(&ft, &ftOut), 0);
    const FILETIME ftAncient = TextToFileTime(L"1500/1/1");
    EXPECT_EQ(ftAncient.dwLowDateTime | ftAncient.dwHighDateTime, 0u);

    const CTime t(2001, 2, 3, 4, 5, 6);
    FILETIME ftBuf = {};
    const FILETIME ftT = CTimeToFileTime(t, &ftBuf);
    EXPECT_EQ(FormatFileTime(&ftT, 0), L"2001/02/03 04:05:06");
    EXPECT_EQ(CompareFileTime(&ftT, &ftBuf), 0);
    EXPECT_EQ(FileTimeToCTime(&ftT), t);
}

TEST(TimeConvert, NowWhereNoTimeIsGiven)
{
    const CTime before = CTime::GetCurrentTime();
    const CTime fromNull = FileTimeToCTime(nullptr);
    const CTime fromNullSt = SystemTimeToCTime(nullptr);
    const CTime fromEmpty = TextToCTime(L"");
    const FILETIME ftNow = CTimeToFileTime(CTime(0), nullptr, TIME_USE_NOW);
    const CTime after = CTime::GetCurrentTime();
    for (const CTime &t : {fromNull, fromNullSt, fromEmpty, CTime(ftNow)}) {
        EXPECT_LE(before, t);
        EXPECT_LE(t, after);
    }
}

TEST(TimeConvert, TimesLessThanASecondApartCompareEqual)
{
    const FILETIME a = UtcFileTime(Local(2001, 2, 3, 4, 5, 6, 10));
    const FILETIME b = UtcFileTime(Local(2001, 2, 3, 4, 5, 6, 990));
    const FILETIME c = UtcFileTime(Local(2001, 2, 3, 4, 5, 7, 0));
    EXPECT_EQ(FileTimeToCTime(&a), FileTimeToCTime(&b));
    EXPECT_LT(FileTimeToCTime(&b), FileTimeToCTime(&c));
    SYSTEMTIME sa = Local(2001, 2, 3, 4, 5, 6, 10), sb = Local(2001, 2, 3, 4, 5, 6, 990);
    EXPECT_EQ(SystemTimeToCTime(&sa), SystemTimeToCTime(&sb));
    EXPECT_EQ(SystemTimeToCTime(&sa), FileTimeToCTime(&a));
}

} // namespace
