#include "tree/OptionSet.h"

#include <gtest/gtest.h>

#include <windows.h>

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

} // namespace
