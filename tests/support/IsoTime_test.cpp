#include "support/IsoTime.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

FILETIME Utc(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond, uint64_t nTicks = 0)
{
    SYSTEMTIME st = {wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, 0};
    FILETIME ft = {};
    EXPECT_TRUE(::SystemTimeToFileTime(&st, &ft));
    const uint64_t n = ((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) + nTicks;
    return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
}

uint64_t Ticks(const FILETIME &ft)
{
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

TEST(IsoTime, FormatsTheLocalTimeWithItsOffset)
{
    const struct {
        FILETIME ft;
        int nOffset;
        const char *pszText;
    } cases[] = {
        {Utc(2026, 12, 8, 0, 14, 1), 540, "2026-12-08T09:14:01+09:00"},
        {Utc(2026, 12, 8, 0, 14, 1, 1234567), 540, "2026-12-08T09:14:01.1234567+09:00"},
        {Utc(2026, 12, 8, 0, 14, 1, 5000000), -330, "2026-12-07T18:44:01.5-05:30"},
        {Utc(2024, 2, 29, 23, 59, 59, 10), 0, "2024-02-29T23:59:59.000001+00:00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatIsoTimeAt(c.ft, c.nOffset), c.pszText);
    // The process runs in Tokyo (no daylight saving): the system's offset is +09:00.
    EXPECT_EQ(FormatIsoTime(Utc(2026, 7, 1, 3, 0, 0)), "2026-07-01T12:00:00+09:00");
}

TEST(IsoTime, ParsesAnyOffsetBackToTheSameInstant)
{
    const FILETIME ft = Utc(2026, 12, 8, 0, 14, 1, 1234567);
    for (int nOffset : {540, 0, -330, 840, -720}) {
        FILETIME ftBack = {};
        ASSERT_TRUE(ParseIsoTime(FormatIsoTimeAt(ft, nOffset), ftBack)) << nOffset;
        EXPECT_EQ(Ticks(ftBack), Ticks(ft)) << nOffset;
    }
    FILETIME ftZ = {};
    ASSERT_TRUE(ParseIsoTime("2026-12-08T00:14:01Z", ftZ));
    EXPECT_EQ(Ticks(ftZ), Ticks(Utc(2026, 12, 8, 0, 14, 1)));
}

TEST(IsoTime, RefusesWhatIsNoInstant)
{
    for (const char *psz : {"",
                            "2026-12-08",
                            "2026-12-08T09:14:01",
                            "2026-12-08 09:14:01+09:00",
                            "2025-02-29T00:00:00+09:00",
                            "2026-04-31T00:00:00+09:00",
                            "2026-13-01T00:00:00Z",
                            "2026-00-10T00:00:00Z",
                            "2026-12-08T24:00:00Z",
                            "2026-12-08T09:60:00Z",
                            "2026-12-08T09:14:60Z",
                            "2026-12-08T09:14:01.Z",
                            "2026-12-08T09:14:01.12345678Z",
                            "2026-12-08T09:14:01+15:00",
                            "2026-12-08T09:14:01+09:60",
                            "2026-12-08T09:14:01+0900",
                            "1600-12-31T23:59:59Z",
                            "1601-01-01T00:00:00+00:01",
                            "2026-12-08T09:14:01Zx",
                            "+026-12-08T09:14:01Z",
                            "2026-12-08T09:14:01+09:00 "}) {
        FILETIME ft = {1, 2};
        EXPECT_FALSE(ParseIsoTime(psz, ft)) << psz;
        EXPECT_EQ(ft.dwLowDateTime, 1u) << psz; // untouched
    }
}

} // namespace
