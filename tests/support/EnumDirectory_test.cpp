#include "support/EnumDirectory.h"

#include "MessageWindow.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Names = std::multiset<std::wstring>;

// "dirs|files" with each run's names sorted; "!" when a directory follows a file.
std::wstring Listing(const CFindDataList &list)
{
    Names dirs, files;
    bool bOrdered = true;
    for (const WIN32_FIND_DATAW &fd : list) {
        const bool bDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        bOrdered = bOrdered && !(bDir && !files.empty());
        (bDir ? dirs : files).insert(fd.cFileName);
    }
    std::wstring out = bOrdered ? L"" : L"!";
    for (const Names *p : {&dirs, &files}) {
        for (const std::wstring &name : *p)
            out += name + L" ";
        out += p == &dirs ? L"|" : L"";
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
    int Enum(const wchar_t *pszPatterns, DWORD dwFlags)
    {
        return EnumDirectory(m_dir.Path(), pszPatterns, m_list, ENUM_FINDDATA | dwFlags, false);
    }
    CTempDir m_dir;
    CFindDataList m_list = CFindDataList(2); // whatever was there goes
};

TEST_F(EnumDirectoryTest, DirectoriesFirstEachNameOnceNeverDotEntries)
{
    struct {
        const wchar_t *patterns;
        DWORD flags;
        const wchar_t *listing;
    } cases[] = {
        // d2.txt once, though *.txt matches it too
        {L"*.txt|*.doc", ENUM_DIRPASS, L"d1 d2.txt zz |a.doc b.txt c.txt "},
        {L"*.txt|*.t*", 0, L"|b.txt c.txt x.tmp "}, // no directory pass: files alone
        // a pattern matching every name: the directory pass keeps the files too
        {L"*.*", ENUM_DIRPASS, L"d1 d2.txt zz |a.doc b.txt c.txt readme x.tmp "},
        {L"*", ENUM_DIRPASS | ENUM_SEP_SEMICOLON, L"d1 d2.txt zz |a.doc b.txt c.txt readme x.tmp "},
        {L"*.*|*", ENUM_DIRPASS, L"d1 d2.txt zz |a.doc b.txt c.txt readme x.tmp "},
        {L"*.*", ENUM_DIRSONLY, L"d1 d2.txt zz |"},
        {L"d*", ENUM_DIRSONLY, L"d1 d2.txt |"},
        {L"|zz|", ENUM_DIRSONLY, L"zz |"}, // an empty pattern would find the directory itself
        {L"*.doc;readme", ENUM_SEP_SEMICOLON, L"|a.doc readme "},
        {L"*.doc;readme", 0, L"|"}, // with the bar as separator: one pattern matching nothing
        {L"*.doc|readme", ENUM_SEP_BAR | ENUM_SEP_SEMICOLON, L"|a.doc readme "},
    };
    for (const auto &c : cases) {
        const int n = Enum(c.patterns, c.flags);
        EXPECT_EQ(Listing(m_list), c.listing) << c.patterns << L" " << c.flags;
        EXPECT_EQ(n, static_cast<int>(m_list.size()));
    }
    Enum(L"*.txt|*.doc", 0);
    EXPECT_STREQ(m_list.back().cFileName, L"a.doc"); // files come pattern by pattern
    EXPECT_EQ(m_list.back().nFileSizeLow, 1u);       // with their own find data
}

TEST_F(EnumDirectoryTest, NameRecordsMissingDirectoriesAndPumping)
{
    CNameList names;
    ASSERT_EQ(EnumDirectory(m_dir.Path(), L"*", names, ENUM_NAMES | ENUM_FINDDATA | ENUM_DIRPASS, false), 8);
    EXPECT_EQ(Names(names.begin(), names.begin() + 3), (Names{L"d1", L"d2.txt", L"zz"}));
    EXPECT_EQ(EnumDirectory(m_dir / L"none", L"*", names, ENUM_DIRPASS, false), 0);
    EXPECT_TRUE(names.empty());

    CMessageWindow wnd;
    ASSERT_NE(wnd.GetHwnd(), nullptr);
    WaitUntilPumpIsDue();
    wnd.Post();
    Enum(L"*", 0);
    EXPECT_EQ(wnd.m_nReceived, 0);
    EnumDirectory(m_dir.Path(), L"*", m_list, ENUM_FINDDATA, true);
    EXPECT_EQ(wnd.m_nReceived, 1);
}

TEST(EnumFlags, Normalisation)
{
    EXPECT_EQ(NormalizeEnumFlags(0), static_cast<DWORD>(ENUM_NAMES | ENUM_SEP_BAR));
    EXPECT_EQ(NormalizeEnumFlags(ENUM_NAMES | ENUM_FINDDATA | ENUM_SEP_BAR | ENUM_SEP_SEMICOLON),
              static_cast<DWORD>(ENUM_NAMES | ENUM_SEP_BAR));
    EXPECT_EQ(NormalizeEnumFlags(ENUM_FINDDATA | ENUM_DIRSONLY | ENUM_SEP_SEMICOLON),
              static_cast<DWORD>(ENUM_FINDDATA | ENUM_DIRSONLY | ENUM_SEP_SEMICOLON));
}

} // namespace
