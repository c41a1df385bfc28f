#include "support/DllVersion.h"
#include "support/FileSystem.h"
#include "support/SystemError.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

bool IsDirectory(const std::wstring &strPath)
{
    const DWORD dw = ::GetFileAttributesW(strPath.c_str());
    return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_DIRECTORY);
}

// A drive letter nothing is mounted on.
std::wstring UnusedDrive()
{
    for (wchar_t ch = L'P'; ch >= L'D'; --ch) {
        std::wstring root = std::wstring(1, ch) + L":\\";
        if (::GetDriveTypeW(root.c_str()) == DRIVE_NO_ROOT_DIR)
            return root;
    }
    return std::wstring();
}

TEST(CreateDirectoryPath, CreatesEveryMissingLevelThenAccepts)
{
    CTempDir dir;
    const std::wstring path = dir / L"x\\y\\";
    EXPECT_EQ(CreateDirectoryPath(path, false), CDP_MISSING);
    EXPECT_FALSE(IsDirectory(dir / L"x")); // checking creates nothing
    EXPECT_EQ(CreateDirectoryPath(path, true), CDP_CREATED);
    EXPECT_TRUE(IsDirectory(dir / L"x\\y"));
    EXPECT_EQ(CreateDirectoryPath(path, true), CDP_EXISTS);
    // One new level below existing ones; doubled separators add no level.
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\\\y\\z", true), CDP_CREATED);
    EXPECT_TRUE(IsDirectory(dir / L"x\\y\\z"));
    EXPECT_EQ(CreateDirectoryPath(dir.Path().substr(0, 3), false), CDP_EXISTS); // the drive root
    EXPECT_EQ(CreateDirectoryPath(L"\\", false), CDP_EXISTS);                   // the current drive's root
}

TEST(CreateDirectoryPath, AFileInTheWayIsRefused)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"x\\y", "file"));
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\y\\", true), CDP_NOT_DIR);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\y", false), CDP_NOT_DIR);
    // A file as a middle level.
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\y\\z\\w", true), CDP_NOT_DIR);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\y\\z\\w", false), CDP_MISSING);
}

TEST(CreateDirectoryPath, ADriveThatIsNotThereIsNoDirectory)
{
    const std::wstring drive = UnusedDrive();
    ASSERT_FALSE(drive.empty());
    EXPECT_EQ(CreateDirectoryPath(drive, false), CDP_MISSING);
    std::wstring strFailed;
    EXPECT_EQ(CreateDirectoryPath(drive, true, &strFailed), CDP_FAILED);
    EXPECT_EQ(strFailed, drive);
}

TEST(CreateDirectoryPath, AFailureNamesTheLevelThatCouldNotBeMade)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"x\\file", "file"));
    std::wstring strFailed = L"stale";
    // The file stands where a directory should be: it is named, not the deepest leaf.
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\file\\a\\b", true, &strFailed), CDP_NOT_DIR);
    EXPECT_EQ(strFailed, dir / L"x\\file");
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\file", true, &strFailed), CDP_NOT_DIR);
    EXPECT_EQ(strFailed, dir / L"x\\file");
    // A missing drive: its root.
    const std::wstring drive = UnusedDrive();
    ASSERT_FALSE(drive.empty());
    EXPECT_EQ(CreateDirectoryPath(drive + L"dest\\a\\b", true, &strFailed), CDP_FAILED);
    EXPECT_EQ(strFailed, drive);
    // Success leaves nothing named.
    EXPECT_EQ(CreateDirectoryPath(dir / L"x\\new\\level", true, &strFailed), CDP_CREATED);
    EXPECT_EQ(strFailed, L"");
}

TEST(CreateDirectoryPath, FailuresKeepTheSystemsReason)
{
    const std::wstring drive = UnusedDrive();
    ASSERT_FALSE(drive.empty());
    EXPECT_EQ(CreateDirectoryPath(drive + L"a\\b", true), CDP_FAILED);
    EXPECT_NE(::GetLastError(), 0u);
    EXPECT_EQ(CreateDirectoryPath(drive + L"a\\b", false), CDP_MISSING);
    EXPECT_EQ(CreateDirectoryPath(L"", true), CDP_FAILED);
    // A share that cannot be reached is never created.
    EXPECT_EQ(CreateDirectoryPath(L"\\\\plx-no-such-server\\share\\a", true), CDP_FAILED);
}

TEST(CreateDirectoryPath, ARootedPathStaysOnTheCurrentDrive)
{
    CTempDir dir;
    ASSERT_EQ(dir.Path()[1], L':');
    wchar_t szOld[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, szOld);
    // From a directory below the root: the leading backslash must not make the path relative.
    ASSERT_TRUE(dir.MakeDir(L"cwd"));
    ASSERT_TRUE(::SetCurrentDirectoryW((dir / L"cwd").c_str()));
    const std::wstring rooted = dir.Path().substr(2) + L"\\r1\\r2";
    EXPECT_EQ(CreateDirectoryPath(rooted, true), CDP_CREATED);
    ::SetCurrentDirectoryW(szOld);
    EXPECT_TRUE(IsDirectory(dir / L"r1\\r2"));
    const std::wstring first = rooted.substr(1, rooted.find(L'\\', 1) - 1);
    EXPECT_FALSE(IsDirectory(dir / (L"cwd\\" + first))) << first;
}

TEST(FindFileEntry, FilesOnly)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"a.txt", "12345"));
    ASSERT_TRUE(dir.MakeDir(L"sub"));
    WIN32_FIND_DATAW fd = {};
    EXPECT_TRUE(FindFileEntry(dir / L"a.txt", &fd));
    EXPECT_STREQ(fd.cFileName, L"a.txt");
    EXPECT_EQ(fd.nFileSizeLow, 5u);
    EXPECT_TRUE(FindFileEntry(dir / L"A.TXT"));

    fd.nFileSizeLow = 77;
    EXPECT_FALSE(FindFileEntry(dir / L"sub", &fd));
    EXPECT_FALSE(FindFileEntry(dir / L"none.txt", &fd));
    EXPECT_FALSE(FindFileEntry(dir / L"*.txt", &fd)); // a pattern names no file
    EXPECT_EQ(fd.nFileSizeLow, 77u);
}

TEST(GetSpecialDirectory, AsTheSystemGivesThem)
{
    wchar_t szCurrent[MAX_PATH], szTemp[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, szCurrent);
    ::GetTempPathW(MAX_PATH, szTemp);
    EXPECT_EQ(GetSpecialDirectory(SPECIAL_DIR_CURRENT), szCurrent);
    EXPECT_EQ(GetSpecialDirectory(42), szCurrent);
    EXPECT_EQ(GetSpecialDirectory(SPECIAL_DIR_TEMP), szTemp);
    for (int code : {SPECIAL_DIR_WINDOWS, SPECIAL_DIR_SYSTEM}) {
        const std::wstring str = GetSpecialDirectory(code);
        EXPECT_TRUE(IsDirectory(str) && str.back() != L'\\') << str;
    }
}

TEST(GetSystemErrorText, TheSystemsTextOrUnknown)
{
    std::wstring expected = GetSystemErrorText(ERROR_FILE_NOT_FOUND, false);
    ASSERT_NE(expected.find(L"\r\n"), std::wstring::npos);
    for (size_t pos; (pos = expected.find(L"\r\n")) != std::wstring::npos;)
        expected.erase(pos, 2);
    EXPECT_EQ(GetSystemErrorText(ERROR_FILE_NOT_FOUND, true), expected);
    EXPECT_EQ(GetSystemErrorText(0x2000FFFF, false), L"Unknown");
}

TEST(GetDllVersion, LevelsCopyMoreFields)
{
    DLLVERSIONINFO full = {};
    ASSERT_TRUE(GetDllVersion(L"COMCTL32.DLL", 4, &full));
    EXPECT_GE(full.dwMajorVersion, 5u);
    EXPECT_EQ(full.cbSize, 0u); // left to the caller
    DLLVERSIONINFO two = {0, 9, 9, 9, 9}, other = {0, 9, 9, 9, 9};
    ASSERT_TRUE(GetDllVersion(L"comctl32.dll", 2, &two) && GetDllVersion(L"comctl32.dll", 5, &other));
    EXPECT_TRUE(two.dwMinorVersion == full.dwMinorVersion && two.dwBuildNumber == 9); // major and minor only
    EXPECT_EQ(other.dwMajorVersion, 9u);                                              // another level copies nothing
    EXPECT_FALSE(GetDllVersion(L"kernel32.dll", 4, &other));                          // no DllGetVersion
    EXPECT_FALSE(GetDllVersion(L"plx-no-such.dll", 4, &other));
    EXPECT_TRUE(IsComCtl470OrLater());
    EXPECT_TRUE(IsComCtl471OrLater());
}

} // namespace
