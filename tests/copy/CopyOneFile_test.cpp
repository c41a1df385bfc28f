// One file job on real files, without a run around it: what counts as a source, what stops it.
#include "copy/CopyWorker.h"
#include "tree/OptionSet.h"

#include "ScriptedSeams.h"
#include "FileHelpers.h"
#include "TempDir.h"
#include "support/Path.h"

#include <gtest/gtest.h>

namespace {

// A symbolic link made on the host side, as another program would make it: Wine runs host
// programs. strTarget must exist (Wine shows a link only while its target exists); the link is
// there once it shows.
bool MakeUnixLink(const std::wstring &strTarget, const std::wstring &strLink)
{
    using ToUnix = char *(CDECL *)(const wchar_t *);
    const auto pfnToUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void *>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!pfnToUnix)
        return false;
    auto unix = [&](const std::wstring &strPath) {
        char *psz = pfnToUnix(strPath.c_str());
        const std::string str = psz ? psz : "";
        ::HeapFree(::GetProcessHeap(), 0, psz);
        return std::wstring(str.begin(), str.end());
    };
    std::wstring strCmd = L"ln -s \"" + unix(strTarget) + L"\" \"" + unix(strLink) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(L"Z:\\bin\\ln", strCmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    // A host program's end is not reported like a Windows program's: wait for the link itself.
    for (int i = 0; i < 1000; ++i) {
        if (PathExists(strLink))
            return true;
        ::Sleep(10);
    }
    return false;
}

TEST(CopyOneFile, SourcesThatAreNoFileAndDestinationsThatCannotBeWritten)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"src\\file.txt", "file"));
    ASSERT_TRUE(dir.MakeDir(L"src\\folder"));
    ASSERT_TRUE(dir.MakeDir(L"dst\\file.txt")); // a directory where the copy should go
    const struct {
        std::wstring strSrc, strDst;
        int nResult;
    } cases[] = {
        {dir / L"src\\file.txt", dir / L"SRC\\FILE.TXT", CR_SAME_PATH},
        {dir / L"src\\folder", dir / L"dst\\folder", CR_SRC_NOT_FOUND},
        {dir / L"src\\fil?.txt", dir / L"dst\\x.txt", CR_SRC_NOT_FOUND},
        {dir / L"src\\gone.txt", dir / L"dst\\gone.txt", CR_SRC_NOT_FOUND},
        // A directory in the way counts as no destination; the copy itself then fails.
        {dir / L"src\\file.txt", dir / L"dst\\file.txt", CR_SYSERR},
        {dir / L"src\\file.txt", dir / L"no\\such\\dir\\file.txt", CR_SYSERR},
    };
    for (const auto &c : cases) {
        DWORD dwError = 12345;
        EXPECT_EQ(CopyOneFile(nullptr, FOW_NEVER, c.strSrc, c.strDst, dwError), c.nResult) << c.strDst.size();
        EXPECT_EQ(dwError != 0, c.nResult == CR_SYSERR);
    }
    EXPECT_EQ(::GetFileAttributesW((dir / L"dst\\file.txt").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

// A destination that is the source itself under another name (here its short name) must not be
// deleted to make room: the source would be gone.
TEST(CopyOneFile, ASourceReachedUnderAnotherNameIsNeverDeleted)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"long source name\\long file name.txt", "only copy"));
    const std::wstring strSrc = dir / L"long source name\\long file name.txt";
    std::wstring strShort(MAX_PATH * 2, L'\0');
    strShort.resize(::GetShortPathNameW(strSrc.c_str(), strShort.data(), static_cast<DWORD>(strShort.size())));
    if (strShort.empty() || CompareNameNoCase(strShort, strSrc) == 0)
        GTEST_SKIP() << "no short names on this volume";
    ASSERT_TRUE(::SetFileAttributesW(strSrc.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    for (int nMode : {FOW_ALWAYS, FOW_ASK}) {
        DWORD dwError = 0;
        CScriptedSeams seams;
        // Only the asking policy asks about the existing destination.
        if (nMode == FOW_ASK)
            seams.m_listMessageAnswers.push_back(IDYES);
        const int nResult = CopyOneFile(nullptr, nMode, strSrc, strShort, dwError);
        EXPECT_NE(nResult, CR_COPIED) << nMode;
        EXPECT_EQ(dwError != 0, nResult == CR_SYSERR);
        std::string strBytes;
        EXPECT_TRUE(ReadWholeFile(strSrc, strBytes)) << nMode;
        EXPECT_EQ(strBytes, "only copy");
        EXPECT_EQ(::GetFileAttributesW(strSrc.c_str()),
                  static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    }
}

// A destination judged absent that has a file by the time of the copy is judged again as an
// existing one, by the same policy; nothing is overwritten on the way.
TEST(CopyOneFile, ANameTakenAfterTheCheckFollowsThePolicyOfExistingFiles)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"src.txt", "new bytes"));
    const std::wstring strSrc = dir / L"src.txt", strDst = dir / L"dst\\file.txt";
    WIN32_FILE_ATTRIBUTE_DATA dataSrc = {};
    ASSERT_TRUE(::GetFileAttributesExW(strSrc.c_str(), GetFileExInfoStandard, &dataSrc));
    const struct {
        int nMode;
        int nAnswer; // to the question of the asking policy
        int nResult;
        const char *pszAfter;
    } cases[] = {
        {FOW_NEVER, 0, CR_ALREADY_EXIST, "appeared"},
        {FOW_IF_NEWER, 0, CR_UP_TO_DATE, "appeared"}, // it appeared after the source was written
        {FOW_ASK, IDNO, CR_SKIP_BY_USER, "appeared"},
        {FOW_ASK, IDYES, CR_COPIED, "new bytes"},
        {FOW_ALWAYS, 0, CR_COPIED, "new bytes"},
    };
    for (const auto &c : cases) {
        RemoveTree(dir / L"dst");
        ASSERT_TRUE(dir.WriteFile(L"dst\\file.txt", "appeared"));
        FILETIME ftLater = dataSrc.ftLastWriteTime;
        ftLater.dwHighDateTime += 100; // some minutes later
        HANDLE h = ::CreateFileW(strDst.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        ::SetFileTime(h, nullptr, nullptr, &ftLater);
        ::CloseHandle(h);
        CScriptedSeams seams;
        if (c.nAnswer)
            seams.m_listMessageAnswers.push_back(c.nAnswer);
        DWORD dwError = 1;
        EXPECT_EQ(CopyJudgedFile(nullptr, c.nMode, strSrc, dataSrc, strDst, nullptr, dwError), c.nResult) << c.nMode;
        EXPECT_EQ(dwError, 0u);
        EXPECT_EQ(seams.m_listMessages.size(), c.nAnswer ? 1u : 0u) << c.nMode;
        EXPECT_EQ(FileBytes(strDst), c.pszAfter) << c.nMode;
        EXPECT_EQ(ListDir(dir / L"dst").size(), 1u) << "a temporary file was left behind";
    }
}

// A name taken by something that is no file (here a link to nowhere, which the check cannot see)
// is never written through or removed: the copy fails.
TEST(CopyOneFile, ANameTakenByALinkIsNotWrittenThrough)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"src.txt", "bytes"));
    ASSERT_TRUE(dir.MakeDir(L"dst"));
    const std::wstring strLink = dir / L"dst\\file.txt", strTarget = dir / L"elsewhere.txt";
    ASSERT_TRUE(dir.WriteFile(L"elsewhere.txt", ""));
    ASSERT_TRUE(MakeUnixLink(strTarget, strLink));
    ASSERT_TRUE(::DeleteFileW(strTarget.c_str()));
    ASSERT_EQ(::GetFileAttributesW(strLink.c_str()), INVALID_FILE_ATTRIBUTES);
    DWORD dwError = 0;
    EXPECT_EQ(CopyOneFile(nullptr, FOW_ALWAYS, dir / L"src.txt", strLink, dwError), CR_SYSERR);
    EXPECT_EQ(dwError, static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_FALSE(PathExists(strTarget));
    EXPECT_EQ(ListDir(dir / L"dst").size(), 0u);
}

} // namespace
