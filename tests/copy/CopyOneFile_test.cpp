// One file job on real files, without a run around it: what counts as a source, what stops it.
#include "copy/CopyWorker.h"
#include "tree/OptionSet.h"

#include "ScriptedSeams.h"
#include "TempDir.h"
#include "support/Path.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
