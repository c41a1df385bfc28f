#include "support/EnumDirectory.h"

#include "MessageWindow.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Names = std::multiset<std::wstring>;

// Directories, then files: the names of each run, and whether the runs are in that order.
struct CListing {
    Names dirs, files;
    bool bDirsFirst = true;
};

CListing Split(const CFindDataList &list)
{
    CListing out;
    bool bSeenFile = false;
    for (const WIN32_FIND_DATAW &fd : list) {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.dirs.insert(fd.cFileName);
            out.bDirsFirst = out.bDirsFirst && !bSeenFile;
        } else {
            out.files.insert(fd.cFileName);
            bSeenFile = true;
        }
    }
    return out;
}

class EnumDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const wchar_t *name : {L"b.txt", L"a.doc", L"c.txt", L"readme", L"x.tmp"})
            ASSERT_TRUE(m_dir.WriteFile(name, "x"));
        for (const wchar_t *name : {L"d1", L"d2.txt", L"zz"})
            ASSERT_TRUE(m_dir.MakeDir(name));
    }
    CTempDir m_dir;
};

TEST_F(EnumDirectoryTest, DirectoryPassListsEverySubdirectoryBeforeTheMatchingFiles)
{
    CFindDataList list(2); // whatever was there goes
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"*.txt|*.doc", list, ENUM_FINDDATA | ENUM_DIRPASS, false), 6);
    ASSERT_EQ(list.size(), 6u);
    const CListing got = Split(list);
    EXPECT_TRUE(got.bDirsFirst);
    EXPECT_EQ(got.dirs, (Names{L"d1", L"d2.txt", L"zz"})); // d2.txt once, though *.txt matches it
    EXPECT_EQ(got.files, (Names{L"b.txt", L"c.txt", L"a.doc"}));
    // Files come pattern by pattern.
    EXPECT_STREQ(list.back().cFileName, L"a.doc");
    // Records are the entries' own find data.
    EXPECT_EQ(list.back().nFileSizeLow, 1u);
}

TEST_F(EnumDirectoryTest, PatternsMatchingTheSameFileListItOnce)
{
    CFindDataList list;
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"*.txt|*.t*", list, ENUM_FINDDATA, false), 3);
    EXPECT_EQ(Split(list).files, (Names{L"b.txt", L"c.txt", L"x.tmp"}));
    EXPECT_TRUE(Split(list).dirs.empty()); // no directory pass, not directories only: files alone
}

TEST_F(EnumDirectoryTest, SeparatorFollowsTheFlags)
{
    CNameList names;
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"*.doc;readme", names, ENUM_NAMES | ENUM_SEP_SEMICOLON, false), 2);
    EXPECT_EQ(Names(names.begin(), names.end()), (Names{L"a.doc", L"readme"}));
    // With the bar as separator the semicolon is part of one pattern, which matches nothing.
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"*.doc;readme", names, ENUM_NAMES, false), 0);
    EXPECT_TRUE(names.empty());
    // Both separators asked for: the bar wins.
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"*.doc|readme", names, ENUM_SEP_BAR | ENUM_SEP_SEMICOLON, false), 2);
}

TEST_F(EnumDirectoryTest, DirectoriesOnlyNeverDotEntries)
{
    CFindDataList list;
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"*.*", list, ENUM_FINDDATA | ENUM_DIRSONLY, false), 3);
    EXPECT_EQ(Split(list).dirs, (Names{L"d1", L"d2.txt", L"zz"}));
    EXPECT_TRUE(Split(list).files.empty());

    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"d*", list, ENUM_FINDDATA | ENUM_DIRSONLY, false), 2);
    EXPECT_EQ(Split(list).dirs, (Names{L"d1", L"d2.txt"}));

    // An empty pattern would find the directory itself; it is skipped.
    EXPECT_EQ(EnumDirectory(m_dir.Path(), L"|zz|", list, ENUM_FINDDATA | ENUM_DIRSONLY, false), 1);
    EXPECT_EQ(Split(list).dirs, (Names{L"zz"}));
}

TEST_F(EnumDirectoryTest, NameRecordsAndMissingDirectories)
{
    CNameList names;
    ASSERT_EQ(EnumDirectory(m_dir.Path(), L"*", names, ENUM_NAMES | ENUM_FINDDATA | ENUM_DIRPASS, false), 8);
    EXPECT_EQ(Names(names.begin(), names.begin() + 3), (Names{L"d1", L"d2.txt", L"zz"}));
    EXPECT_EQ(EnumDirectory(m_dir / L"none", L"*", names, ENUM_DIRPASS, false), 0);
    EXPECT_TRUE(names.empty());
    FreePtrList(names);
    EXPECT_EQ(names.capacity(), 0u);
}

TEST_F(EnumDirectoryTest, PumpsWhileListing)
{
    CMessageWindow wnd;
    ASSERT_NE(wnd.GetHwnd(), nullptr);
    CFindDataList list;
    WaitUntilPumpIsDue();
    wnd.Post();
    EnumDirectory(m_dir.Path(), L"*", list, ENUM_FINDDATA, false);
    EXPECT_EQ(wnd.m_nReceived, 0);
    EnumDirectory(m_dir.Path(), L"*", list, ENUM_FINDDATA, true);
    EXPECT_EQ(wnd.m_nReceived, 1);
}

TEST(EnumFlags, Normalisation)
{
    EXPECT_EQ(NormalizeEnumFlags(0), static_cast<DWORD>(ENUM_NAMES | ENUM_SEP_BAR));
    EXPECT_EQ(NormalizeEnumFlags(ENUM_NAMES | ENUM_FINDDATA | ENUM_DIRPASS),
              static_cast<DWORD>(ENUM_NAMES | ENUM_DIRPASS | ENUM_SEP_BAR));
    EXPECT_EQ(NormalizeEnumFlags(ENUM_FINDDATA | ENUM_SEP_BAR | ENUM_SEP_SEMICOLON),
              static_cast<DWORD>(ENUM_FINDDATA | ENUM_SEP_BAR));
    EXPECT_EQ(NormalizeEnumFlags(ENUM_FINDDATA | ENUM_DIRSONLY | ENUM_SEP_SEMICOLON),
              static_cast<DWORD>(ENUM_FINDDATA | ENUM_DIRSONLY | ENUM_SEP_SEMICOLON));
}

} // namespace
