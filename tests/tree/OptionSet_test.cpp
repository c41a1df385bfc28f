#include "tree/OptionSet.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <climits>

namespace {

TEST(OptionSet, ConstructionValues)
{
    OptionSet o;
    EXPECT_EQ(o.NoExpandOnSearch, 0);
    EXPECT_EQ(o.SkipSystemDir, 0);
    EXPECT_EQ(o.SkipHiddenDir, 0);
    EXPECT_EQ(o.NotCopyFile, 1);
    EXPECT_EQ(o.UseErrorLog, 0);
    EXPECT_EQ(o.ProtectAttrOfExist, 1);
    EXPECT_EQ(o.BreakOnDiskFull, 0);
    EXPECT_EQ(o.NoExpandOnCopy, 0);
    EXPECT_EQ(o.FileSortOrder, 2);
    EXPECT_EQ(o.FileOverWriteMode, 1);
    // The temporary directory, existing, without its trailing backslash.
    ASSERT_FALSE(o.ErrorLogFilePath.empty());
    EXPECT_NE(o.ErrorLogFilePath.back(), L'\\');
    DWORD attr = ::GetFileAttributesW(o.ErrorLogFilePath.c_str());
    ASSERT_NE(attr, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attr & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(OptionSet, StoredValuesAreNormalised)
{
    struct {
        int nIn, nOut;
    } sortCases[] = {
        {0x30003, 0x10001},
        {0x30001, 0x10001},
        {0x20003, 0x20001},
        {0x20002, 0x20002},
        {0x10002, 0x10002},
        {0x00003, 0x00001},
        {2, 2},
        {0, 0},
        // Unknown bits go.
        {0x40012, 0x2},
        {0x10000 | 0x100, 0x10000},
        {-1, 0x10001},
    };
    for (const auto &c : sortCases)
        EXPECT_EQ(NormaliseFileSortOrder(c.nIn), c.nOut) << std::hex << c.nIn;

    struct {
        int nIn, nOut;
    } modeCases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 1}, {7, 1}, {-1, 1}, {INT_MIN, 1}};
    for (const auto &c : modeCases)
        EXPECT_EQ(NormaliseFileOverWriteMode(c.nIn), c.nOut) << c.nIn;

    for (int n : {1, 2, -1, 7, INT_MIN, INT_MAX})
        EXPECT_EQ(NormaliseFlag(n), 1) << n;
    EXPECT_EQ(NormaliseFlag(0), 0);

    struct {
        const wchar_t *pszIn, *pszOut;
    } dirCases[] = {
        {L"C:\\logs", L"C:\\logs"},
        {L"  d:\\logs\\ \t", L"d:\\logs\\"},
        {L"C:\\", L"C:\\"},
        {L"\\\\server\\share\\logs", L"\\\\server\\share\\logs"},
        // Relative to the current directory or drive of the moment, or nothing at all.
        {L"logs", L""},
        {L"C:logs", L""},
        {L"\\logs", L""},
        {L"\\\\\\x", L""},
        {L"1:\\x", L""},
        {L"", L""},
        {L"   ", L""},
    };
    for (const auto &c : dirCases)
        EXPECT_EQ(ErrorLogDirectorySetting(c.pszIn), c.pszOut) << c.pszIn;
}

} // namespace
