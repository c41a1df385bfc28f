#include "support/VerInfo.h"

#include "support/CommandLineArgs.h"
#include "res/Version.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// The test programs link the program's own resources, so argument 0 carries its version resource.
TEST(VerInfo, ReadsTheProgramsOwnVersionResource)
{
    CVerInfo info;
    ASSERT_TRUE(info.IsValid());
    EXPECT_EQ(info.ProductName(), L"Halvorn");
    EXPECT_EQ(info.ProductVersion(), L"1, 0, 0, 1");
    EXPECT_EQ(info.FileVersion(), L"126, 12, 7, 1");
    EXPECT_EQ(info.LegalCopyright(), L"Copyright (C) 2026 Ostrel");
    EXPECT_EQ(info.Comments(), L"" PELNIX_COMMENTS);
    EXPECT_EQ(info.QueryValue(L"", L"OriginalFilename"), L"Pelnix.exe");
    // The block can be named explicitly.
    EXPECT_EQ(info.ProductName(L"041104b0"), L"Halvorn");

    EXPECT_EQ(info.GetProductLine(), L"Ostrel:Halvorn Version 01.00 β 1");
    EXPECT_EQ(info.GetProductLine(L"ostrel:Other"), L"ostrel:Other Version 01.00 β 1");
    EXPECT_EQ(info.GetBuildLine(), L"Build Version : 2026.12.07 No.1");
}

TEST(VerInfo, MissingKeysAndBlocksGiveTheNotFoundText)
{
    CVerInfo info;
    ASSERT_TRUE(info.IsValid());
    EXPECT_EQ(info.QueryValue(L"", L"NoSuchKey"), L"ｳﾞｧｰｼﾞｮﾝﾘｿｰｽは取得できませんでした。");
    EXPECT_EQ(info.ProductName(L"040904b0"), L"ｳﾞｧｰｼﾞｮﾝﾘｿｰｽは取得できませんでした。");

    // An object reading a block the resource lacks: the lines fall back to zeros.
    CVerInfo other(CommandLineArgs().GetArg(0), L"040904b0");
    ASSERT_TRUE(other.IsValid());
    EXPECT_EQ(other.GetProductLine(), L"Ostrel:ｳﾞｧｰｼﾞｮﾝﾘｿｰｽは取得できませんでした。 Version 00.00 β 0");
    EXPECT_EQ(other.GetBuildLine(), L"Build Version : 00.00.00 No.0");
}

TEST(VerInfo, WithoutAReadableResourceEveryQueryGivesTheInitialisationText)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"plain.exe", "not a program"));
    const std::wstring strNotInit = L"CVerInfoの初期化が正常に行われていません。";
    for (const std::wstring &strFile : {std::wstring(), dir / L"plain.exe", dir / L"missing.exe"}) {
        CVerInfo info(strFile);
        EXPECT_FALSE(info.IsValid());
        EXPECT_EQ(info.ProductName(), strNotInit);
        EXPECT_EQ(info.ProductVersion(), strNotInit);
        EXPECT_EQ(info.FileVersion(), strNotInit);
        EXPECT_EQ(info.Comments(), strNotInit);
        EXPECT_EQ(info.LegalCopyright(), strNotInit);
        EXPECT_EQ(info.GetProductLine(), strNotInit);
        EXPECT_EQ(info.GetProductLine(L"Name"), strNotInit);
        EXPECT_EQ(info.GetBuildLine(), L"Build Version : 00.00.00 No.0");
    }
    // An empty block name is no block at all.
    EXPECT_FALSE(CVerInfo(CommandLineArgs().GetArg(0), L"").IsValid());
}

TEST(VerInfo, ProductLineRules)
{
    struct {
        const wchar_t *pszName, *pszVersion, *pszLine;
    } cases[] = {
        {L"Halvorn", L"1,2,0,5", L"Ostrel:Halvorn Version 01.02 β 5"},
        {L"Halvorn", L"1,2,3,5", L"Ostrel:Halvorn Version 01.02 Rel 5"},
        {L"Halvorn", L"1, 2, 3, 5", L"Ostrel:Halvorn Version 01.02 Rel 5"},
        {L"Ostrel:Halvorn", L"12,34,0,0", L"Ostrel:Halvorn Version 12.34 β 0"},
        {L"OSTREL:Halvorn", L"1,0,0,1", L"OSTREL:Halvorn Version 01.00 β 1"},
        {L"ostrel:x", L"1,0,0,1", L"ostrel:x Version 01.00 β 1"},
        // Not the whole prefix, or the prefix later in the name: prefixed.
        {L"Ostrel", L"1,0,0,1", L"Ostrel:Ostrel Version 01.00 β 1"},
        {L"Ostrel Halvorn", L"1,0,0,1", L"Ostrel:Ostrel Halvorn Version 01.00 β 1"},
        {L"", L"1,0,0,1", L"Ostrel: Version 01.00 β 1"},
        // Missing and non-numeric fields are 0; three-digit numbers are not cut.
        {L"H", L"2", L"Ostrel:H Version 02.00 β 0"},
        {L"H", L"", L"Ostrel:H Version 00.00 β 0"},
        {L"H", L"a,b,c,d", L"Ostrel:H Version 00.00 β 0"},
        {L"H", L"100,200,-1,300", L"Ostrel:H Version 100.200 Rel 300"},
        {L"H", L"\"1,2\",3,0,4", L"Ostrel:H Version 01.03 β 4"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ComposeProductLine(c.pszName, c.pszVersion), c.pszLine) << c.pszVersion;
}

TEST(VerInfo, BuildLineRules)
{
    struct {
        const wchar_t *pszVersion, *pszLine;
    } cases[] = {
        {L"100,6,15,3", L"Build Version : 2000.06.15 No.3"},
        {L"99,12,31,1", L"Build Version : 99.12.31 No.1"},
        {L"126, 12, 7, 1", L"Build Version : 2026.12.07 No.1"},
        {L"0,1,2,0", L"Build Version : 00.01.02 No.0"},
        {L"5", L"Build Version : 05.00.00 No.0"},
        {L"", L"Build Version : 00.00.00 No.0"},
        {L"x,y", L"Build Version : 00.00.00 No.0"},
        {L"8100,1,1,12345", L"Build Version : 10000.01.01 No.12345"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ComposeBuildLine(c.pszVersion), c.pszLine) << c.pszVersion;
}

} // namespace
