#include "support/EnumDirectory.h"
#include "support/FileApiPath.h"
#include "support/FileSystem.h"

#include "FileHelpers.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(FileApiPath, AbsolutePathsTakeTheExtendedFormOthersStay)
{
    struct {
        const wchar_t *path;
        const wchar_t *form;
    } cases[] = {
        {L"C:\\", L"\\\\?\\C:\\"},
        {L"c:\\a\\ftrail.", L"\\\\?\\c:\\a\\ftrail."},
        {L"C:\\a\\b \\", L"\\\\?\\C:\\a\\b \\"},
        {L"\\\\srv\\share\\d\\f", L"\\\\?\\UNC\\srv\\share\\d\\f"},
        {L"\\\\srv\\share", L"\\\\?\\UNC\\srv\\share"},
        // already extended or a device
        {L"\\\\?\\C:\\x", L"\\\\?\\C:\\x"},
        {L"\\\\?\\UNC\\srv\\share", L"\\\\?\\UNC\\srv\\share"},
        {L"\\\\.\\COM1", L"\\\\.\\COM1"},
        // what the system must normalise keeps the ordinary form
        {L"C:\\a\\..\\b", L"C:\\a\\..\\b"},
        {L"C:\\a\\.\\b", L"C:\\a\\.\\b"},
        {L"C:\\a\\\\b", L"C:\\a\\\\b"},
        {L"C:\\a/b", L"C:\\a/b"},
        {L"\\\\srv", L"\\\\srv"},
        {L"\\\\srv\\\\x", L"\\\\srv\\\\x"},
        // relative, drive-relative, rooted
        {L"backup", L"backup"},
        {L"C:backup", L"C:backup"},
        {L"\\backup", L"\\backup"},
        {L"", L""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileApiPath(c.path), c.form) << c.path;
}

// The ordinary form trims a last name's dots and spaces; what is listed must be what is read.
TEST(FileApiPath, NamesEndingInADotOrSpaceAreListedAndFoundExactly)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"ftrail", "plain"));
    ASSERT_TRUE(dir.WriteFile(L"ftrail.", "dot!"));
    ASSERT_TRUE(dir.WriteFile(L"ftrail ", "space"));
    ASSERT_TRUE(dir.MakeDir(L"trail."));
    ASSERT_TRUE(dir.WriteFile(L"trail.\\inner", "in"));

    CFindDataList list;
    DWORD dwError = 1;
    ASSERT_EQ(EnumDirectory(dir.Path(), L"*.*", list, ENUM_FINDDATA | ENUM_DIRPASS, false, &dwError), 4);
    EXPECT_EQ(dwError, 0u);
    for (const WIN32_FIND_DATAW &fd : list) {
        WIN32_FIND_DATAW found;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        ASSERT_TRUE(FindFileEntry(dir / fd.cFileName, &found)) << fd.cFileName;
        EXPECT_EQ(found.nFileSizeLow, fd.nFileSizeLow) << fd.cFileName;
    }
    CNameList inner;
    EXPECT_EQ(EnumDirectory(dir / L"trail.", L"*.*", inner, ENUM_NAMES, false, &dwError), 1);
    EXPECT_EQ(dwError, 0u);
    EXPECT_EQ(FileBytes(dir / L"ftrail."), "dot!");
    EXPECT_EQ(FileBytes(dir / L"ftrail "), "space");
}

TEST(FileApiPath, TreesDeeperThanMaxPathAreMadeAndListed)
{
    CTempDir dir;
    std::wstring strRel = L"d";
    while (dir.Path().size() + strRel.size() < 420)
        strRel += L"\\" + std::wstring(30, L'n');
    ASSERT_TRUE(dir.WriteFile(strRel + L"\\f.txt", "deep"));
    EXPECT_EQ(CreateDirectoryPath(dir / (strRel + L"\\x\\y"), true), CDP_CREATED);
    CNameList list;
    DWORD dwError = 1;
    EXPECT_EQ(EnumDirectory(dir / strRel, L"*.*", list, ENUM_NAMES | ENUM_DIRPASS, false, &dwError), 2);
    EXPECT_EQ(dwError, 0u);
    EXPECT_TRUE(FindFileEntry(dir / (strRel + L"\\f.txt")));
}

// Only "no files" and "no more files" mean empty; a directory that cannot be listed says why.
TEST(EnumDirectory, AListingThatFailsReportsTheSystemsCode)
{
    CTempDir dir;
    ASSERT_TRUE(dir.MakeDir(L"empty"));
    ASSERT_TRUE(dir.WriteFile(L"file", "x"));
    CNameList list;
    DWORD dwError = 1;
    EXPECT_EQ(EnumDirectory(dir / L"empty", L"*.*", list, ENUM_NAMES | ENUM_DIRPASS, false, &dwError), 0);
    EXPECT_EQ(dwError, 0u);
    EXPECT_EQ(EnumDirectory(dir / L"empty", L"*.txt|*.doc", list, ENUM_NAMES, false, &dwError), 0);
    EXPECT_EQ(dwError, 0u); // patterns that match nothing

    // A directory gone, or a file where its parent listed a directory.
    for (const wchar_t *name : {L"gone", L"file"}) {
        dwError = 0;
        EXPECT_EQ(EnumDirectory(dir / name, L"*.*", list, ENUM_NAMES | ENUM_DIRPASS, false, &dwError), 0);
        EXPECT_NE(dwError, 0u) << name;
        EXPECT_NE(dwError, static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << name;
        EXPECT_NE(dwError, static_cast<DWORD>(ERROR_NO_MORE_FILES)) << name;
    }
}

} // namespace

namespace {

// Without the declaration, Windows cuts ordinary paths at MAX_PATH whatever form the calls use
// elsewhere (the folder picker, the shell).
TEST(Manifest, DeclaresTheProgramLongPathAware)
{
    const HRSRC hRes = ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_TRUE(hRes);
    const HGLOBAL hData = ::LoadResource(nullptr, hRes);
    ASSERT_TRUE(hData);
    const std::string strText(static_cast<const char *>(::LockResource(hData)), ::SizeofResource(nullptr, hRes));
    EXPECT_NE(strText.find("<ws2:longPathAware>true</ws2:longPathAware>"), std::string::npos);
    EXPECT_NE(strText.find("xmlns:ws2=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\""), std::string::npos);
}

} // namespace
