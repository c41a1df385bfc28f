// One file job on real files, without a run around it: what counts as a source, what stops it.
#include "copy/CopyWorker.h"
#include "tree/OptionSet.h"

#include "TempDir.h"

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

} // namespace
