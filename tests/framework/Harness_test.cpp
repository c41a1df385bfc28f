// The harness itself: real temporary trees and the small drive behave as the other tests assume.
#include "SmallDrive.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(Harness, TempDirHoldsJapaneseNamesAndIsRemoved)
{
    std::wstring path;
    {
        CTempDir dir;
        path = dir.Path();
        ASSERT_TRUE(dir.WriteFile(L"ﾃﾞｨﾚｸﾄﾘ\\新規 SubDir\\データ.bin", std::string("\0\1\2", 3)));
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(dir / L"ﾃﾞｨﾚｸﾄﾘ\\新規 SubDir\\データ.bin", bytes));
        EXPECT_EQ(bytes, std::string("\0\1\2", 3));
        ::SetFileAttributesW((dir / L"ﾃﾞｨﾚｸﾄﾘ\\新規 SubDir\\データ.bin").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(::GetACP(), 932u);
}

TEST(Harness, SmallDriveHasAKnownFreeSpace)
{
    std::wstring root;
    PELNIX_REQUIRE_SMALL_DRIVE(root);
    ULARGE_INTEGER freeToCaller, total, totalFree;
    ASSERT_TRUE(::GetDiskFreeSpaceExW(root.c_str(), &freeToCaller, &total, &totalFree));
    EXPECT_LE(total.QuadPart, 16ull * 1024 * 1024);
    EXPECT_GT(freeToCaller.QuadPart, 8ull * 1024 * 1024);
}

} // namespace
