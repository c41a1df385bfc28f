#include "support/GroupDigits.h"
#include "support/Path.h"

#include <gtest/gtest.h>

namespace {

int Sign(int n)
{
    return (n > 0) - (n < 0);
}

TEST(JoinPath, OneBackslashBetweenTwoNonEmptyParts)
{
    struct {
        const wchar_t *first, *second, *joined;
    } cases[] = {{L"D:\\", L"dir", L"D:\\dir"},
                 {L"D:\\a", L"dir", L"D:\\a\\dir"},
                 {L"", L"dir", L"dir"},
                 {L"D:\\a", L"", L"D:\\a"},
                 {L"D:\\a\\", L"", L"D:\\a\\"},
                 {L"", L"", L""},
                 {L"D:\\a", L"\\b", L"D:\\a\\\\b"},
                 {L"D:\\a\\..", L".\\b", L"D:\\a\\..\\.\\b"}}; // no normalising
    for (const auto &c : cases)
        EXPECT_EQ(JoinPath(c.first, c.second), c.joined) << c.first << L" + " << c.second;
}

TEST(RemoveTrailingBackslash, KeepsADriveRootsBackslash)
{
    struct {
        const wchar_t *pszIn, *pszOut;
    } slashCases[] = {
        {L"C:\\", L"C:\\"},   {L"C:\\a\\", L"C:\\a"}, {L"C:\\a\\\\", L"C:\\a\\"},
        {L"C:\\a", L"C:\\a"}, {L"ab\\", L"ab\\"},     {L"\\\\s\\x\\", L"\\\\s\\x"},
        {L"", L""},
    };
    for (const auto &c : slashCases)
        EXPECT_EQ(RemoveTrailingBackslash(c.pszIn), c.pszOut);
}

TEST(SplitFileExt, SplitsAtTheLastPeriod)
{
    struct {
        const wchar_t *name, *base, *ext;
    } cases[] = {{L"archive.tar.gz", L"archive.tar", L"gz"},
                 {L"README", L"README", L""},
                 {L"..", L"", L""},
                 {L".", L"", L""},
                 {L"name.", L"name", L""},
                 {L".profile", L"", L"profile"},
                 {L"...", L"..", L""},
                 {L"漢字.ﾃｷｽﾄ", L"漢字", L"ﾃｷｽﾄ"}};
    for (const auto &c : cases) {
        std::wstring base = L"old", ext = L"old";
        SplitFileExt(c.name, base, ext);
        EXPECT_EQ(base + L"|" + ext, std::wstring(c.base) + L"|" + c.ext) << c.name;
    }
    std::wstring s = L"a.b.c", ext; // the name may be one of the outputs
    SplitFileExt(s, s, ext);
    EXPECT_EQ(s + L"|" + ext, L"a.b|c");
}

TEST(CompareByExtension, ExtensionFirstThenBaseIgnoringCase)
{
    struct {
        const wchar_t *a, *b;
        int sign;
    } cases[] = {{L"b.c", L"a.h", -1},      {L"A.TXT", L"a.txt", 0},    {L"a.txt", L"b.txt", -1},
                 {L"zeta", L"alpha.a", -1}, {L"x.tar.gz", L"y.gz", -1}, {L"Ärger.txt", L"ärger.TXT", 0},
                 {L"ab", L"ab.", 0},        {L"a.txt", L"a.txt2", -1},  {L"", L"a", -1}};
    for (const auto &c : cases) {
        EXPECT_EQ(Sign(CompareByExtension(c.a, c.b)), c.sign) << c.a << L" vs " << c.b;
        EXPECT_EQ(Sign(CompareByExtension(c.b, c.a)), -c.sign) << c.b << L" vs " << c.a;
    }
    EXPECT_NE(CompareNameNoCase(L"ｱ", L"ア"), 0); // half-width and full-width stay different names
}

TEST(GroupDigits, CommaEveryThreeDigitsOfTheIntegerPart)
{
    struct {
        const wchar_t *in, *out;
    } cases[] = {{L"", L""},
                 {L"7", L"7"},
                 {L"12", L"12"},
                 {L"123", L"123"},
                 {L"1234", L"1,234"},
                 {L"123456", L"123,456"},
                 {L"1234567", L"1,234,567"},
                 {L"+1234", L"+1,234"},
                 {L"-1234.5", L"-1,234.5"},
                 {L"-123", L"-123"},
                 {L".5", L".5"},
                 {L"-1000000", L"-1,000,000"},
                 {L"1234.5678", L"1,234.5678"},
                 {L"12345678901234567890", L"12,345,678,901,234,567,890"}};
    for (const auto &c : cases)
        EXPECT_EQ(GroupDigits(std::wstring(c.in)), c.out) << c.in;
    EXPECT_EQ(GroupDigits(uint64_t{4294967296}), L"4,294,967,296"); // beyond 32 bits
    EXPECT_EQ(GroupDigits(UINT64_MAX), L"18,446,744,073,709,551,615");
}

} // namespace
