#include "support/DestPath.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(NormaliseDestination, OnlyAbsolutePathsAreTakenAndComeBackNormalised)
{
    struct {
        std::wstring input;
        DestPathCheck check;
        std::wstring path; // DEST_OK: the normalised path; DEST_BAD_NAME: the level refused
    } cases[] = {
        {L"", DEST_EMPTY, L""},
        {L"  \t ", DEST_EMPTY, L""},
        {L"backup", DEST_NOT_ABSOLUTE, L""},
        {L".\\backup", DEST_NOT_ABSOLUTE, L""},
        {L"..\\backup", DEST_NOT_ABSOLUTE, L""},
        {L"C:backup", DEST_NOT_ABSOLUTE, L""},
        {L"C:", DEST_NOT_ABSOLUTE, L""},
        {L"\\backup", DEST_NOT_ABSOLUTE, L""},
        {L"/backup", DEST_NOT_ABSOLUTE, L""},
        {L"\\\\server", DEST_NOT_ABSOLUTE, L""},
        {L"\\\\server\\", DEST_NOT_ABSOLUTE, L""},
        {L"\\\\.\\C:\\x", DEST_NOT_ABSOLUTE, L""},
        {L"\\\\?\\C:\\x", DEST_NOT_ABSOLUTE, L""},
        {L"1:\\x", DEST_NOT_ABSOLUTE, L""},
        {L"D:\\dest ", DEST_OK, L"D:\\dest"},
        {L"  D:\\dest\\  ", DEST_OK, L"D:\\dest"},
        {L"D:\\", DEST_OK, L"D:\\"},
        {L"d:/a/b", DEST_OK, L"d:\\a\\b"},
        {L"D:\\a\\..\\b", DEST_OK, L"D:\\b"},
        {L"D:\\a\\.\\b\\\\c", DEST_OK, L"D:\\a\\b\\c"},
        {L"D:\\写真 2024\\新規 SubDir", DEST_OK, L"D:\\写真 2024\\新規 SubDir"},
        {L"\\\\server\\share", DEST_OK, L"\\\\server\\share"},
        {L"\\\\server\\share\\x\\", DEST_OK, L"\\\\server\\share\\x"},
        {L"D:\\a \\b", DEST_BAD_NAME, L"a "},
        {L"D:\\a*b", DEST_BAD_NAME, L"a*b"},
        {L"D:\\x\\a?\\y", DEST_BAD_NAME, L"a?"},
    };
    for (const auto &c : cases) {
        const CDestPath dest = NormaliseDestination(c.input);
        EXPECT_EQ(dest.nCheck, c.check) << L"[" << c.input << L"]";
        EXPECT_EQ(dest.strPath, c.check == DEST_OK ? c.path : L"") << c.input;
        EXPECT_EQ(dest.strLevel, c.check == DEST_BAD_NAME ? c.path : L"") << c.input;
    }
    // A device is no directory, wherever it is named.
    EXPECT_NE(NormaliseDestination(L"D:\\x\\CON").nCheck, DEST_OK);
}

TEST(IsPathWithin, BelowOrTheDirectoryItselfAfterNormalising)
{
    struct {
        const wchar_t *dir, *path;
        bool within;
    } cases[] = {
        {L"D:\\dst", L"D:\\dst", true},
        {L"D:\\dst", L"D:\\dst\\", true},
        {L"D:\\dst", L"D:\\dst\\a\\b.txt", true},
        {L"D:\\dst\\", L"D:\\dst\\a", true},
        {L"D:\\dst", L"d:\\DST\\a", true},
        {L"D:\\", L"D:\\a", true},
        {L"D:\\dst", L"D:\\dst\\a\\..\\..\\dst\\b", true},
        {L"D:\\dst", L"D:\\dst\\.", true},
        {L"D:\\dst", L"D:\\dst\\..", false},
        {L"D:\\dst", L"D:\\dst\\..\\outside", false},
        {L"D:\\dst", L"D:\\dst/../outside", false},
        {L"D:\\dst", L"D:\\dst\\a\\..\\..\\x", false},
        {L"D:\\dst", L"D:\\dst2", false},
        {L"D:\\dst", L"D:\\dst2\\a", false},
        {L"D:\\dst", L"D:\\ds", false},
        {L"D:\\dst", L"E:\\dst\\a", false},
        // Plain names are taken literally by the calls (extended form): a device name is an entry.
        {L"D:\\dst", L"D:\\dst\\CON", true},
        {L"D:\\dst", L"D:\\dst\\nul.txt", true},
        {L"D:\\dst", L"D:\\dst\\trail.", true},
        // With "." or ".." the system resolves the path, devices included.
        {L"D:\\dst", L"D:\\dst\\.\\CON", false},
        {L"", L"D:\\dst", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsPathWithin(c.dir, c.path), c.within) << c.dir << L" / " << c.path;
}

TEST(IsSameOrInsideDirectory, TheSameDirectoryUnderAnotherNameIsFoundOnDisk)
{
    CTempDir dir;
    const std::wstring strSrc = dir / L"複写元 long directory name";
    ASSERT_TRUE(dir.MakeDir(L"複写元 long directory name\\sub"));
    ASSERT_TRUE(dir.MakeDir(L"beside"));
    EXPECT_TRUE(IsSameOrInsideDirectory(strSrc, strSrc));
    EXPECT_TRUE(IsSameOrInsideDirectory(strSrc, strSrc + L"\\sub\\new\\deeper"));
    EXPECT_FALSE(IsSameOrInsideDirectory(strSrc, dir / L"beside\\new"));
    EXPECT_FALSE(IsSameOrInsideDirectory(strSrc, dir.Path()));
    EXPECT_FALSE(IsSameOrInsideDirectory(strSrc + L"\\sub", strSrc));

    // The short form of the same directory: another text, the same directory.
    wchar_t szShort[MAX_PATH] = L"";
    ASSERT_GT(::GetShortPathNameW(strSrc.c_str(), szShort, MAX_PATH), 0u);
    const std::wstring strShort = szShort;
    ASSERT_NE(strShort, strSrc) << "the file system gives no short names";
    EXPECT_FALSE(IsPathWithin(strSrc, strShort + L"\\sub\\new"));
    EXPECT_TRUE(IsSameOrInsideDirectory(strSrc, strShort));
    EXPECT_TRUE(IsSameOrInsideDirectory(strSrc, strShort + L"\\sub\\new"));
    EXPECT_TRUE(IsSameOrInsideDirectory(strShort, strSrc + L"\\new"));
}

} // namespace
