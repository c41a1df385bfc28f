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

std::wstring NamesOf(const CFindDataList &list)
{
    std::wstring names;
    for (const auto &fd : list)
        names += std::wstring(fd.cFileName) + L" ";
    return names;
}

TEST(FindDataCompare, DirectoriesFirstInBothDirections)
{
    const DWORD kDesc = SORT_FINDDATA | SORT_DESCENDING;
    EXPECT_LT(FindDataCompare(Entry(L"zz", true), Entry(L"aa", false), kDesc), 0);
    EXPECT_GT(FindDataCompare(Entry(L"aa", false), Entry(L"zz", true), kDesc | SORT_BY_NAME), 0);
    EXPECT_EQ(FindDataCompare(Entry(L"A.TXT", false), Entry(L"a.txt", false), kDesc), 0);
    EXPECT_GT(FindDataCompare(Entry(L"b", false), Entry(L"a", false), kDesc | SORT_ASCENDING | SORT_BY_NAME), 0);
    // Name records carry no kind: only the key counts.
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
        const wchar_t *order;
    } cases[] = {{SORT_FINDDATA | SORT_BY_NAME, L"sub1.z Sub2 sub3 a.doc A.txt b.TXT c.txt readme "},
                 {SORT_FINDDATA | SORT_DESCENDING | SORT_BY_NAME, L"sub3 Sub2 sub1.z readme c.txt b.TXT A.txt a.doc "},
                 {SORT_FINDDATA | SORT_ASCENDING, L"Sub2 sub3 sub1.z readme a.doc A.txt b.TXT c.txt "},
                 {SORT_FINDDATA | SORT_DESCENDING, L"sub1.z sub3 Sub2 c.txt b.TXT A.txt a.doc readme "}};
    for (const auto &c : cases) {
        SortFindList(list, c.mode, false);
        EXPECT_EQ(NamesOf(list), c.order) << c.mode;
    }
    CNameList names = {L"b.c", L"a.h", L"C.a"};
    SortFindList(names, SORT_NAMES, false);
    EXPECT_EQ(names, (CNameList{L"C.a", L"b.c", L"a.h"}));
    SortFindList(names, SORT_NAMES | SORT_BY_NAME | SORT_DESCENDING, false);
    EXPECT_EQ(names, (CNameList{L"C.a", L"b.c", L"a.h"}));
}

TEST(SortFileList, AnyListWithItsOwnComparison)
{
    std::list<std::unique_ptr<int>> list;
    for (int n : {5, 3, 9, 1, 7})
        list.push_back(std::make_unique<int>(n));
    SortFileList(
        list, [](const auto &a, const auto &b) { return *b - *a; }, false);
    std::vector<int> got;
    for (const auto &p : list)
        got.push_back(*p);
    EXPECT_EQ(got, (std::vector<int>{9, 7, 5, 3, 1}));
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
    bool bFirst = true;
    auto compare = [&](const std::unique_ptr<int> &a, const std::unique_ptr<int> &b) {
        if (std::exchange(bFirst, false)) { // something arrives while sorting, and waits long enough
            wnd.Post();
            WaitUntilPumpIsDue(false);
        }
        return *a - *b;
    };
    WaitUntilPumpIsDue();
    wnd.Post();
    SortFileList(list, compare, true);
    EXPECT_EQ(listSeenSizes, std::vector<size_t>({0, 0})); // taken out at once, put back after the message
    EXPECT_TRUE(bAllValid);
    ASSERT_EQ(list.size(), 50u);
    for (int n = 0; n < 50; ++n)
        EXPECT_EQ(*list[static_cast<size_t>(n)], n);

    WaitUntilPumpIsDue();
    wnd.Post();
    SortFileList(list, compare, false); // without the flag messages wait
    EXPECT_EQ(listSeenSizes.size(), 2u);
    CFindDataCompare pumping(SORT_NAMES, true); // the comparison object pumps by itself
    pumping(std::wstring(L"a"), std::wstring(L"b"));
    EXPECT_EQ(listSeenSizes.size(), 3u);
}

} // namespace
