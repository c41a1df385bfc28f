#include "framework/Time.h"

#include <gtest/gtest.h>

namespace {

// The tests run in Tokyo time (UTC+9, no daylight saving).
TEST(Time, LocalFieldsRoundTripThroughSeconds)
{
    CTime t(1998, 12, 26, 23, 59, 59);
    EXPECT_EQ(t.GetTime(), 914684399); // 1998-12-26 14:59:59 UTC
    EXPECT_EQ(t.GetYear(), 1998);
    EXPECT_EQ(t.GetMonth(), 12);
    EXPECT_EQ(t.GetDay(), 26);
    EXPECT_EQ(t.GetHour(), 23);
    EXPECT_EQ(t.GetMinute(), 59);
    EXPECT_EQ(t.GetSecond(), 59);
    EXPECT_EQ(t.GetDayOfWeek(), 7); // Saturday
    EXPECT_EQ(CTime(1970, 1, 1, 9, 0, 0).GetTime(), 0);
    EXPECT_EQ(CTime(2038, 1, 19, 12, 14, 7).GetTime(), 2147483647);
}

TEST(Time, FileTimesAreUtcAndDropSubSeconds)
{
    SYSTEMTIME stUtc = {2001, 1, 0, 1, 3, 30, 0, 999};
    FILETIME ft;
    ASSERT_TRUE(::SystemTimeToFileTime(&stUtc, &ft));
    CTime t(ft);
    EXPECT_EQ(t.GetHour(), 12);
    EXPECT_EQ(t.GetMinute(), 30);
    EXPECT_EQ(t, CTime(2001, 1, 1, 12, 30, 0));

    FILETIME back;
    ASSERT_TRUE(t.GetAsFileTime(back));
    SYSTEMTIME st2;
    ::FileTimeToSystemTime(&back, &st2);
    EXPECT_EQ(st2.wHour, 3);
    EXPECT_EQ(st2.wMilliseconds, 0);

    SYSTEMTIME stLocal;
    ASSERT_TRUE(t.GetAsSystemTime(stLocal));
    EXPECT_EQ(stLocal.wHour, 12);
    EXPECT_EQ(CTime(stLocal), t);
}

TEST(Time, FormatsInLocalTime)
{
    CTime t(2005, 2, 8, 7, 6, 5);
    EXPECT_EQ(t.Format(L"%Y/%m/%d %H:%M:%S"), L"2005/02/08 07:06:05");
    EXPECT_EQ(t.Format(L"%Y/%m/%d"), L"2005/02/08");
    EXPECT_EQ(t.Format(L"%H:%M:%S"), L"07:06:05");
    EXPECT_EQ(t.Format(L"%y %j %a %b 100%%"), L"05 039 Tue Feb 100%");
    EXPECT_EQ(t.Format(L"年%Y"), L"年2005");
}

TEST(Time, CurrentTimeIsNow)
{
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    CTime now = CTime::GetCurrentTime();
    EXPECT_LE(CTime(ft) - now, 1);
    EXPECT_LE(now - CTime(ft), 1);
    EXPECT_GT(now.GetYear(), 2020);
}

TEST(Time, ComparesBySeconds)
{
    CTime a(2000, 1, 1, 0, 0, 0), b(2000, 1, 1, 0, 0, 1);
    EXPECT_LT(a, b);
    EXPECT_GT(b, a);
    EXPECT_NE(a, b);
    EXPECT_EQ(b - a, 1);
}

} // namespace
