#include "support/CommandLineArgs.h"
#include "support/TokenList.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

std::vector<std::wstring> Fields(const std::wstring &text, wchar_t sep, bool join)
{
    TokenList list;
    int n = list.Split(text, sep, join);
    std::vector<std::wstring> out;
    for (int i = 0; i < n; ++i)
        out.push_back(list.GetString(i));
    EXPECT_EQ(n, list.GetCount());
    return out;
}

using V = std::vector<std::wstring>;

TEST(TokenList, SplitsAtEverySeparatorAfterDroppingOneTrailingSeparator)
{
    EXPECT_EQ(Fields(L"1,2,,4,", L',', false), (V{L"1", L"2", L"", L"4"}));
    EXPECT_EQ(Fields(L",a", L',', false), (V{L"", L"a"}));
    EXPECT_EQ(Fields(L"a,,", L',', false), (V{L"a", L""}));
    EXPECT_EQ(Fields(L"", L',', false), V{});
    EXPECT_EQ(Fields(L",", L',', false), V{});
    EXPECT_EQ(Fields(L"abc", L',', false), V{L"abc"});
    EXPECT_EQ(Fields(L"10 20  30", L' ', false), (V{L"10", L"20", L"", L"30"}));
}

TEST(TokenList, JoinsQuotedFieldsAndRemovesTheirQuotes)
{
    EXPECT_EQ(Fields(L"a,\"b,c\",d", L',', true), (V{L"a", L"b,c", L"d"}));
    EXPECT_EQ(Fields(L"\"x\",y", L',', true), (V{L"x", L"y"}));
    EXPECT_EQ(Fields(L" \"p,q,r\" ,s", L',', true), (V{L" p,q,r ", L"s"}));
    // Without joining the quotes stay where they are.
    EXPECT_EQ(Fields(L"a,\"b,c\",d", L',', false), (V{L"a", L"\"b", L"c\"", L"d"}));
}

TEST(TokenList, UnclosedQuoteLeavesTheFieldUnchanged)
{
    EXPECT_EQ(Fields(L"\"a,b,c", L',', true), (V{L"\"a", L"b", L"c"}));
    EXPECT_EQ(Fields(L"\",x", L',', true), (V{L"\"", L"x"}));
}

TEST(TokenList, FieldAccessOutOfRangeAndTrimming)
{
    TokenList list;
    ASSERT_EQ(list.Split(L" 12 , x7,-3,2147483648,", L',', false), 4);
    EXPECT_EQ(list.GetString(0), L" 12 ");
    EXPECT_EQ(list.GetString(0, true), L"12");
    EXPECT_EQ(list.GetString(4), L"");
    EXPECT_EQ(list.GetString(-1, true), L"");
    EXPECT_EQ(list.GetInt(0), 12);
    EXPECT_EQ(list.GetInt(1), 0);
    EXPECT_EQ(list.GetInt(2), -3);
    EXPECT_EQ(list.GetInt(3), 2147483647);
    EXPECT_EQ(list.GetInt(9), 0);
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetInt(0), 0);
}

TEST(CommandLineArgs, ProgramDirectoryRules)
{
    EXPECT_EQ(CommandLineArgs({L"C:\\prog.exe"}).GetProgramDirectory(), L"C:\\");
    EXPECT_EQ(CommandLineArgs({L"C:\\Tools\\prog.exe"}).GetProgramDirectory(), L"C:\\Tools");
    EXPECT_EQ(CommandLineArgs({L"prog.exe"}).GetProgramDirectory(), L"");
    EXPECT_EQ(CommandLineArgs({L"\\prog.exe"}).GetProgramDirectory(), L"");
    EXPECT_EQ(CommandLineArgs({L"\\dir\\prog.exe"}).GetProgramDirectory(), L"");
    // A program started from a network share finds its settings beside it.
    EXPECT_EQ(CommandLineArgs({L"\\\\srv\\share\\prog.exe"}).GetProgramDirectory(), L"\\\\srv\\share");
    EXPECT_EQ(CommandLineArgs(std::vector<std::wstring>{}).GetProgramDirectory(), L"");
}

TEST(CommandLineArgs, ArgumentsAndTheRealProgramPath)
{
    CommandLineArgs fixed({L"C:\\a\\b.exe", L"x"});
    EXPECT_EQ(fixed.GetCount(), 2);
    EXPECT_EQ(fixed.GetArg(1), L"x");
    EXPECT_EQ(fixed.GetArg(2), L"");
    EXPECT_EQ(fixed.GetArg(-1), L"");

    // This process: argument 0 is the test program's own full path.
    CommandLineArgs args;
    wchar_t szModule[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szModule, MAX_PATH);
    EXPECT_EQ(args.GetArg(0), szModule);
    std::wstring dir = args.GetProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(::GetFileAttributesW(dir.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(std::wstring(szModule).rfind(dir, 0), 0u);
}

} // namespace
