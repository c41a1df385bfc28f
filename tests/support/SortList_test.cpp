#include "support/Path.h"
#include "support/SortList.h"

#include "MessageWindow.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>

namespace {

WIN32_FIND_DATAW Entry(const wchar_t *name, bool bDir)
{
    WIN32_FIND_DATAW fd = {};
    fd.dwFileAttributes = bDir ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    wcscpy_s(fd.cFileName, name);
    return fd;
}

std::vector<std::wstring> NamesOf(const CFindDataList &list)
{
    std::vector<std::wstring> names;
    for (const auto &fd : list)
        names.push_back(fd.cFileName);
    return names;
}

int Sign(int n)
{
    return (n > 0) - (n < 0);
}

using V = std::vector<std::wstring>;

TEST(FindDataCompare, DirectoriesFirstInBothDirections)
{
    const DWORD kAsc = SORT_FINDDATA | SORT_ASCENDING, kDesc = SORT_FINDDATA | SORT_DESCENDING;
    struct {
        WIN32_FIND_DATAW a, b;
        DWORD mode;
        int sign;
    } cases[] = {
        {Entry(L"zz", true), Entry(L"aa", false), kAsc, -1},
        {Entry(L"zz", true), Entry(L"aa", false), kDesc, -1}, // not reversed
        {Entry(L"aa", false), Entry(L"zz", true), kDesc, 1},
        {Entry(L"b.c", false), Entry(L"a.h", false), kAsc, -1}, // extension key
        {Entry(L"b.c", false), Entry(L"a.h", false), kDesc, 1}, // negated
        {Entry(L"b.c", false), Entry(L"a.h", false), kAsc | SORT_BY_NAME, 1},
        {Entry(L"b.c", false), Entry(L"a.h", false), kDesc | SORT_BY_NAME, -1},
        {Entry(L"A.TXT", false), Entry(L"a.txt", false), kDesc | SORT_BY_NAME, 0},
        {Entry(L"d2", true), Entry(L"D1", true), kAsc | SORT_BY_NAME, 1},
        {Entry(L"d2", true), Entry(L"D1", true), kDesc | SORT_BY_NAME, -1},
        {Entry(L"b", false), Entry(L"a", false), kAsc | kDesc | SORT_BY_NAME, 1}, // both: ascending
        {Entry(L"b", false), Entry(L"a", false), SORT_BY_NAME, 1},                // neither: ascending
    };
    for (const auto &c : cases)
        EXPECT_EQ(Sign(FindDataCompare(c.a, c.b, c.mode)), c.sign)
            << c.a.cFileName << L" vs " << c.b.cFileName << L" mode " << c.mode;

    // Name records carry no kind: only the key counts.
    EXPECT_LT(FindDataCompare(std::wstring(L"b.c"), std::wstring(L"a.h"), SORT_NAMES), 0);
    EXPECT_GT(FindDataCompare(std::wstring(L"b.c"), std::wstring(L"a.h"), SORT_NAMES | SORT_DESCENDING), 0);
}

TEST(SortFindList, RealListingInEveryMode)
{
    CTempDir dir;
    for (const wchar_t *name : {L"b.TXT", L"a.doc", L"c.txt", L"readme", L"A.txt"})
        ASSERT_TRUE(dir.WriteFile(name, "x"));
    for (const wchar_t *name : {L"Sub2", L"sub1.z", L"sub3"})
        ASSERT_TRUE(dir.MakeDir(name));
    CFindDataList list;
    ASSERT_EQ(EnumDirectory(dir.Path(), L"*", list, ENUM_FINDDATA | ENUM_DIRPASS, false), 8);

    struct {
        DWORD mode;
        V order;
    } cases[] = {
        {SORT_FINDDATA | SORT_BY_NAME,
         {L"sub1.z", L"Sub2", L"sub3", L"a.doc", L"A.txt", L"b.TXT", L"c.txt", L"readme"}},
        {SORT_FINDDATA | SORT_DESCENDING | SORT_BY_NAME,
         {L"sub3", L"Sub2", L"sub1.z", L"readme", L"c.txt", L"b.TXT", L"A.txt", L"a.doc"}},
        {SORT_FINDDATA | SORT_ASCENDING,
         {L"Sub2", L"sub3", L"sub1.z", L"readme", L"a.doc", L"A.txt", L"b.TXT", L"c.txt"}},
        {SORT_FINDDATA | SORT_DESCENDING,
         {L"sub1.z", L"sub3", L"Sub2", L"c.txt", L"b.TXT", L"A.txt", L"a.doc", L"readme"}},
    };
    for (const auto &c : cases) {
        SortFindList(list, c.mode, false);
        EXPECT_EQ(NamesOf(list), c.order) << c.mode;
    }

    CNameList names = {L"b.c", L"a.h", L"C.a", L"a.H"};
    SortFindList(names, SORT_NAMES, false);
    EXPECT_EQ(names[0], L"C.a");
    EXPECT_EQ(names[1], L"b.c");
    SortFindList(names, SORT_NAMES | SORT_BY_NAME | SORT_DESCENDING, false);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], L"C.a");
    EXPECT_EQ(names[1], L"b.c");
    EXPECT_EQ(CompareNameNoCase(names[2], L"a.h"), 0); // a.h and a.H are equal: either order
    EXPECT_EQ(CompareNameNoCase(names[3], L"a.h"), 0);
}

TEST(SortFileList, AnyListWithItsOwnComparison)
{
    std::list<std::unique_ptr<int>> list;
    for (int n : {5, 3, 9, 1, 7})
        list.push_back(std::make_unique<int>(n));
    SortFileList(
        list, [](const std::unique_ptr<int> &a, const std::unique_ptr<int> &b) { return *b - *a; }, false);
    std::vector<int> got;
    for (const auto &p : list)
        got.push_back(*p);
    EXPECT_EQ(got, (std::vector<int>{9, 7, 5, 3, 1}));

    std::vector<int> one = {4};
    SortFileList(
        one, [](int, int) -> int { throw 1; }, false); // fewer than two: never compared
    EXPECT_EQ(one, std::vector<int>{4});
}

TEST(SortFileList, MessagesDuringTheSortNeverSeeHalfMovedRecords)
{
    std::vector<std::unique_ptr<int>> list;
    for (int n = 0; n < 50; ++n)
        list.push_back(std::make_unique<int>((n * 37) % 50));
    bool bAllValid = true;
    std::vector<size_t> listSeenSizes;
    CMessageWindow wnd([&] {
        for (const auto &p : list)
            bAllValid = bAllValid && p != nullptr;
        listSeenSizes.push_back(list.size());
    });
    ASSERT_NE(wnd.GetHwnd(), nullptr);
    int nCompares = 0;
    auto compare = [&](const std::unique_ptr<int> &a, const std::unique_ptr<int> &b) {
        if (++nCompares == 1) { // something arrives while sorting, and waits long enough
            wnd.Post();
            const ULONGLONG ullStart = ::GetTickCount64();
            while (::GetTickCount64() - ullStart <= PUMP_DUE_MS)
                ::Sleep(1);
        }
        return *a - *b;
    };
    WaitUntilPumpIsDue();
    wnd.Post();
    SortFileList(list, compare, true);
    ASSERT_EQ(listSeenSizes.size(), 2u);
    EXPECT_EQ(listSeenSizes[0], 0u);  // taking the records out: the list is already empty
    EXPECT_LT(listSeenSizes[1], 50u); // putting them back: only whole records so far
    EXPECT_TRUE(bAllValid);
    ASSERT_EQ(list.size(), 50u);
    for (int n = 0; n < 50; ++n)
        EXPECT_EQ(*list[static_cast<size_t>(n)], n);

    // Without the pump flag the messages wait.
    WaitUntilPumpIsDue();
    wnd.Post();
    nCompares = 1;
    SortFileList(list, compare, false);
    EXPECT_EQ(listSeenSizes.size(), 2u);
    PumpMessages();
}

TEST(SortFindList, ComparisonsPumpWithTheFlag)
{
    CMessageWindow wnd;
    CNameList names = {L"b", L"a"};
    WaitUntilPumpIsDue();
    wnd.Post();
    SortFindList(names, SORT_NAMES | SORT_BY_NAME, false);
    EXPECT_EQ(wnd.m_nReceived, 0);
    CFindDataCompare compare(SORT_NAMES | SORT_BY_NAME, true);
    EXPECT_GT(compare(names[1], names[0]), 0);
    EXPECT_EQ(wnd.m_nReceived, 1);
}

} // namespace
