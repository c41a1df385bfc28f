#include "datetime/CalendarRules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Found by the assertions through the type's own (global) namespace.
bool operator==(const CCalendarDate &a, const CCalendarDate &b)
{
    return a.nYear == b.nYear && a.nMonth == b.nMonth && a.nDay == b.nDay;
}

std::ostream &operator<<(std::ostream &os, const CCalendarDate &d)
{
    return os << d.nYear << "-" << d.nMonth << "-" << d.nDay;
}

namespace {

TEST(CalendarRules, WeekdaysAndTheDayGrid)
{
    EXPECT_EQ(DayOfWeek(1970, 1, 1), 4); // a Thursday
    EXPECT_EQ(DayOfWeek(2026, 2, 1), 0);
    EXPECT_EQ(DayOfWeek(2000, 2, 29), 2);
    EXPECT_EQ(DayOfWeek(2038, 1, 19), 2);

    // February 2026 starts on a Sunday: day 1 in the top left cell, 28 days, the rest empty.
    int aDays[CALENDAR_GRID_SIZE];
    FillDayGrid(aDays, DayOfWeek(2026, 2, 1), 28);
    EXPECT_EQ(aDays[0], 1);
    EXPECT_EQ(aDays[27], 28);
    EXPECT_EQ(aDays[28], CALENDAR_EMPTY_CELL);
    EXPECT_EQ(aDays[47], CALENDAR_EMPTY_CELL);
    // A 31-day month starting on Saturday needs all six weeks.
    FillDayGrid(aDays, 6, 31);
    EXPECT_EQ(aDays[5], CALENDAR_EMPTY_CELL);
    EXPECT_EQ(aDays[6], 1);
    EXPECT_EQ(aDays[36], 31);
    EXPECT_EQ(aDays[37], CALENDAR_EMPTY_CELL);
}

TEST(CalendarRules, MonthStepsStayWithinTheYearsShown)
{
    EXPECT_EQ(PreviousMonth({2026, 3, 31}), (CCalendarDate{2026, 2, 28}));
    EXPECT_EQ(PreviousMonth({2024, 3, 31}), (CCalendarDate{2024, 2, 29}));
    EXPECT_EQ(PreviousMonth({2026, 1, 10}), (CCalendarDate{2025, 12, 10}));
    EXPECT_EQ(PreviousMonth({1970, 1, 31}), (CCalendarDate{1970, 1, 31}));
    EXPECT_EQ(NextMonth({2025, 12, 31}), (CCalendarDate{2026, 1, 31}));
    EXPECT_EQ(NextMonth({2026, 1, 31}), (CCalendarDate{2026, 2, 28}));
    EXPECT_EQ(NextMonth({2038, 1, 31}), (CCalendarDate{2038, 1, 19}));
    EXPECT_EQ(NextMonth({2038, 1, 5}), (CCalendarDate{2038, 1, 5}));

    EXPECT_FALSE(IsPastCalendarEnd(2038, 1, 19));
    EXPECT_TRUE(IsPastCalendarEnd(2038, 1, 20));
    EXPECT_TRUE(IsPastCalendarEnd(2038, 2, 1));
    EXPECT_FALSE(IsPastCalendarEnd(2037, 12, 31));
}

TEST(CalendarRules, PackedDate)
{
    EXPECT_EQ(PackCalendarDate(2026, 2, 23), static_cast<LPARAM>(2026 * 65536 + 2 * 256 + 23));
    EXPECT_EQ(PackCalendarDate(1970, 12, 31), static_cast<LPARAM>(0x07B20C1F));
}

// The texts and ids of a menu's entries, "-" for a separator and "[text]" for a sub-menu.
std::vector<std::wstring> MenuTexts(HMENU hMenu, std::vector<UINT> *pIds = nullptr)
{
    std::vector<std::wstring> list;
    for (int i = 0, n = ::GetMenuItemCount(hMenu); i < n; ++i) {
        wchar_t sz[64] = {};
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = sz;
        mii.cch = 64;
        ::GetMenuItemInfoW(hMenu, static_cast<UINT>(i), TRUE, &mii);
        if (mii.fType & MFT_SEPARATOR)
            list.push_back(L"-");
        else if (mii.hSubMenu)
            list.push_back(L"[" + std::wstring(sz) + L"]");
        else
            list.push_back(sz);
        if (pIds && !(mii.fType & MFT_SEPARATOR) && !mii.hSubMenu)
            pIds->push_back(mii.wID);
    }
    return list;
}

TEST(CalendarRules, YearAndMonthMenus)
{
    // The year menu of 2036, opened from the left half: 2031-2038 with 2036 set apart, the
    // months as a sub-menu at the top.
    HMENU hMenu = CreateYearMonthMenu(2036, 1, false);
    std::vector<UINT> ids;
    EXPECT_EQ(MenuTexts(hMenu, &ids),
              (std::vector<std::wstring>{L"[- 月 -]", L"2031 年", L"2032 年", L"2033 年", L"2034 年", L"2035 年", L"-",
                                         L"2036 年", L"-", L"2037 年", L"2038 年"}));
    EXPECT_EQ(ids.front(), 13031u);
    EXPECT_EQ(ids.back(), 13038u);
    // January is the first month: no separator before it.
    const std::vector<std::wstring> months = MenuTexts(::GetSubMenu(hMenu, 0));
    ASSERT_EQ(months.size(), 13u);
    EXPECT_EQ(months[0], L" 1 月");
    EXPECT_EQ(months[1], L"-");
    EXPECT_EQ(months[12], L"12 月");
    ::DestroyMenu(hMenu);

    // From the right half: the months first, the years below "- 年 -"; 1970 is the first year.
    hMenu = CreateYearMonthMenu(1970, 12, true);
    ids.clear();
    const std::vector<std::wstring> top = MenuTexts(hMenu, &ids);
    ASSERT_EQ(top.size(), 14u);
    EXPECT_EQ(top[0], L"[- 年 -]");
    EXPECT_EQ(top[11], L"11 月");
    EXPECT_EQ(top[12], L"-");
    EXPECT_EQ(top[13], L"12 月");
    EXPECT_EQ(ids.front(), 11001u);
    EXPECT_EQ(MenuTexts(::GetSubMenu(hMenu, 0)), (std::vector<std::wstring>{L"1970 年", L"-", L"1971 年", L"1972 年",
                                                                            L"1973 年", L"1974 年", L"1975 年"}));
    ::DestroyMenu(hMenu);
}

} // namespace
