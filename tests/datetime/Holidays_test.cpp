#include "datetime/Holidays.h"

#include "HolidayTable.h"
#include "support/TimeRange.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string DateText(int n)
{
    return std::to_string(n / 10000) + "-" + std::to_string(n / 100 % 100) + "-" + std::to_string(n % 100);
}

// Every day of 1970-2038 against the published list, both ways: a holiday missed and a day
// coloured that is none are reported by date.
TEST(Holidays, EveryDayFrom1970To2038MatchesThePublishedList)
{
    const std::set<int> published(std::begin(kPublishedHolidays), std::end(kPublishedHolidays));
    ASSERT_EQ(published.size(), std::size(kPublishedHolidays));
    std::string strMissed, strExtra;
    int nFound = 0;
    for (int nYear = 1970; nYear <= 2038; ++nYear) {
        const CHolidayMonths months = HolidaysOfYear(nYear);
        for (int nMonth = 1; nMonth <= 12; ++nMonth) {
            for (int nDay = 1; nDay <= DaysInMonth(nYear, nMonth); ++nDay) {
                const int nDate = nYear * 10000 + nMonth * 100 + nDay;
                const bool bOurs = (months[nMonth] >> nDay) & 1u;
                const bool bListed = published.count(nDate) != 0;
                nFound += bOurs;
                if (bListed && !bOurs)
                    strMissed += DateText(nDate) + " ";
                if (bOurs && !bListed)
                    strExtra += DateText(nDate) + " ";
            }
        }
    }
    EXPECT_EQ(strMissed, "") << "holidays not recognised";
    EXPECT_EQ(strExtra, "") << "days taken for holidays that are none";
    EXPECT_EQ(nFound, static_cast<int>(published.size()));
}

TEST(Holidays, TheLawOfEachYearDecides)
{
    // Coming of Age Day and Sports Day on fixed days until 1999, on Mondays from 2000.
    EXPECT_TRUE(IsPublicHoliday(1999, 1, 15));
    EXPECT_TRUE(IsPublicHoliday(1999, 10, 10));
    EXPECT_TRUE(IsPublicHoliday(2001, 1, 8));
    EXPECT_TRUE(IsPublicHoliday(2001, 10, 8));
    EXPECT_FALSE(IsPublicHoliday(2001, 1, 15));
    EXPECT_FALSE(IsPublicHoliday(2001, 10, 10));
    // A Sunday 3 November gives a holiday on Monday the 4th.
    EXPECT_TRUE(IsPublicHoliday(2002, 11, 4));
    // Substitute holidays from April 1973 on: the Mondays after the Sunday holidays of
    // 10 October 1971 and 11 February 1973 are none, the one after 29 April 1973 is.
    EXPECT_FALSE(IsPublicHoliday(1971, 10, 11));
    EXPECT_FALSE(IsPublicHoliday(1973, 2, 12));
    EXPECT_TRUE(IsPublicHoliday(1973, 4, 30));
    // 2026: the Emperor's Birthday in February, Mountain Day, the third Mondays of July and
    // September, the day between Respect for the Aged Day and the equinox; 23 December and
    // 15 September no longer.
    EXPECT_TRUE(IsPublicHoliday(2026, 2, 23));
    EXPECT_TRUE(IsPublicHoliday(2026, 8, 11));
    EXPECT_TRUE(IsPublicHoliday(2026, 7, 20));
    EXPECT_TRUE(IsPublicHoliday(2026, 9, 21));
    EXPECT_TRUE(IsPublicHoliday(2026, 9, 22));
    EXPECT_TRUE(IsPublicHoliday(2026, 9, 23));
    EXPECT_FALSE(IsPublicHoliday(2026, 12, 23));
    EXPECT_FALSE(IsPublicHoliday(2026, 9, 15));
    // Out of range input is no holiday.
    EXPECT_FALSE(IsPublicHoliday(2026, 13, 1));
    EXPECT_FALSE(IsPublicHoliday(2026, 1, 0));
}

} // namespace
