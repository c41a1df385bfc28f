// Free space: asked of the volume that holds the destination, in whole clusters, on the small
// drive Q: filled to a known free space; a copy that fails part way leaves no file behind.
#include "copy/CopyWorker.h"
#include "support/SystemError.h"

#include "RunHost.h"
#include "SmallDrive.h"

#include <thread>

namespace {

using namespace runtest;

const uint64_t KIB = 1024;

uint64_t FreeBytes(const std::wstring &strDir)
{
    ULARGE_INTEGER nFree = {};
    EXPECT_TRUE(::GetDiskFreeSpaceExW(strDir.c_str(), &nFree, nullptr, nullptr));
    return nFree.QuadPart;
}

bool WriteBytes(const std::wstring &strPath, uint64_t nSize, char ch)
{
    CFileHandle file(::CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string strChunk(1 << 20, ch);
    for (uint64_t nLeft = nSize; file && nLeft > 0;) {
        const DWORD nPart = static_cast<DWORD>(std::min<uint64_t>(nLeft, strChunk.size()));
        DWORD nWritten = 0;
        if (!::WriteFile(file, strChunk.data(), nPart, &nWritten, nullptr) || nWritten != nPart)
            return false;
        nLeft -= nPart;
    }
    return file.IsValid();
}

// The destination on drive Q:, which is filled so that exactly a given number of bytes stay free.
class CopyDiskFull : public CRunTest {
protected:
    void SetUp() override
    {
        CRunTest::SetUp();
        PELNIX_REQUIRE_SMALL_DRIVE(m_strRoot);
        m_strWork = m_strRoot + L"plx-copy-" + std::to_wstring(::GetCurrentProcessId());
        RemoveTree(m_strWork);
        m_strDst = m_strWork + L"\\dst";
        ASSERT_TRUE(::CreateDirectoryW(m_strWork.c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryW(m_strDst.c_str(), nullptr));
    }
    void TearDown() override
    {
        if (!m_strWork.empty())
            RemoveTree(m_strWork);
        CRunTest::TearDown();
    }

    void LeaveFree(uint64_t nFree)
    {
        const uint64_t nNow = FreeBytes(m_strRoot);
        ASSERT_GE(nNow, nFree);
        ASSERT_TRUE(WriteBytes(m_strWork + L"\\filler", nNow - nFree, 'f'));
        ASSERT_EQ(FreeBytes(m_strRoot), nFree);
    }
    void Source(const std::wstring &strName, uint64_t nSize)
    {
        ASSERT_TRUE(WriteBytes(Src(strName), nSize, static_cast<char>('a' + nSize % 26)));
    }

    std::wstring m_strRoot, m_strWork;
};

TEST_F(CopyDiskFull, AnExactFitIsCopiedOneByteMoreIsNotAndAFullDriveTakesNothing)
{
    Source(L"a_more.bin", 64 * KIB + 1);
    Source(L"b_fit.bin", 64 * KIB);
    Source(L"c_empty.bin", 0);
    LoadTree();
    LeaveFree(64 * KIB);

    Run();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"容量不足で複写されなかったﾌｧｲﾙが 2 件 あります。");
    EXPECT_EQ(m_seams.Only(L"Result ...").nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(m_result.m_dwResult, static_cast<DWORD>(RF_DISK_SHORT | RF_DISK_FULL));
    EXPECT_FALSE(PathExists(Dst(L"a_more.bin")));
    EXPECT_EQ(FileBytes(Dst(L"b_fit.bin")), FileBytes(Src(L"b_fit.bin")));
    EXPECT_FALSE(PathExists(Dst(L"c_empty.bin")));
    EXPECT_FALSE(File(L"", L"a_more.bin")->IsProcessed());
    EXPECT_TRUE(File(L"", L"b_fit.bin")->IsProcessed());
    EXPECT_FALSE(Dir(L"")->IsCopied());
    const std::wstring strLog = LogText();
    EXPECT_EQ(Count(strLog, L"[CopyFile:Failed(Disk Full)] "), 2u) << strLog.c_str();
    EXPECT_EQ(Count(strLog, L"処理を中止しました"), 0u);
}

TEST_F(CopyDiskFull, BreakOnDiskFullStopsAtTheFirstFileThatDoesNotFit)
{
    Source(L"a_more.bin", 64 * KIB + 1);
    Source(L"b_fit.bin", 64 * KIB);
    LoadTree();
    LeaveFree(64 * KIB);
    m_tree.BreakOnDiskFull = 1;

    Run();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"容量不足の為、複写を断念しました。");
    EXPECT_EQ(m_seams.Only(L"Result ...").nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_FALSE(PathExists(Dst(L"b_fit.bin")));
    EXPECT_NE(LogText().find(L"[CopyFile:Failed(Disk Full)] ※※※ 処理を中止しました ※※※\r\n"), std::wstring::npos);
}

// The old file stays until its replacement is complete: a replacement needs room beside it, and
// one that would fit only once the old file is gone does not fit.
TEST_F(CopyDiskFull, AReplacementNeedsRoomBesideTheOldFile)
{
    Source(L"same.bin", 64 * KIB);
    ASSERT_TRUE(WriteBytes(Dst(L"same.bin"), 64 * KIB - 100, 'o'));
    ASSERT_TRUE(SetLastWrite(Dst(L"same.bin"), LocalFileTime(2001, 1, 1, 0, 0, 0)));
    const CTreeState before = TreeState(m_strDst);
    LoadTree();
    LeaveFree(4 * KIB);

    Run();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"容量不足で複写されなかったﾌｧｲﾙが 1 件 あります。");
    EXPECT_TRUE(TreeState(m_strDst) == before);
    EXPECT_EQ(Count(LogText(), L"[CopyFile:Failed(Disk Full)] "), 1u);

    // With room for both, it is replaced, and nothing else is left in the directory.
    ASSERT_TRUE(::DeleteFileW((m_strWork + L"\\filler").c_str()));
    LeaveFree(64 * KIB);
    m_seams.m_listMessages.clear();
    Run();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"全て正常に処理できました。");
    EXPECT_EQ(FileBytes(Dst(L"same.bin")), FileBytes(Src(L"same.bin")));
    EXPECT_EQ(ListDir(m_strDst).size(), 1u);
}

// A second name of another file: removing it would free nothing. The old design counted its
// clusters as free, removed it and then ran out of space; now it is not enough room and stays.
TEST_F(CopyDiskFull, ALinkedDestinationIsKeptWhenTheSpaceIsShort)
{
    ASSERT_TRUE(WriteBytes(m_strWork + L"\\keep.bin", 128 * KIB, 'k'));
    ASSERT_TRUE(::CreateHardLinkW(Dst(L"big.bin").c_str(), (m_strWork + L"\\keep.bin").c_str(), nullptr));
    Source(L"big.bin", 160 * KIB);
    LoadTree();
    m_tree.FileOverWriteMode = FOW_ALWAYS;
    LeaveFree(64 * KIB);

    Run();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"容量不足で複写されなかったﾌｧｲﾙが 1 件 あります。");
    EXPECT_EQ(FileBytes(Dst(L"big.bin")), std::string(128 * KIB, 'k'));
    EXPECT_EQ(FileBytes(m_strWork + L"\\keep.bin"), std::string(128 * KIB, 'k'));
    EXPECT_FALSE(File(L"", L"big.bin")->IsProcessed());
}

// The disk fills during the copy (the source grew while the question was open, past what the
// check had seen): the copy fails, its temporary file is gone, and the old file is as it was.
TEST_F(CopyDiskFull, AReplacementThatFailsPartWayKeepsTheOldFile)
{
    Source(L"grows.bin", 16 * KIB);
    ASSERT_TRUE(WriteBytes(Dst(L"grows.bin"), 8 * KIB, 'o'));
    ASSERT_TRUE(SetLastWrite(Dst(L"grows.bin"), LocalFileTime(2001, 1, 1, 0, 0, 0)));
    ASSERT_TRUE(::SetFileAttributesW(Dst(L"grows.bin").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    const CTreeState before = TreeState(m_strDst);
    LoadTree();
    m_tree.FileOverWriteMode = FOW_ASK;
    m_seams.m_listOverwriteAnswers = {IDYES};
    LeaveFree(256 * KIB);
    m_seams.m_fnDuringQuestion = [&] { EXPECT_TRUE(WriteBytes(Src(L"grows.bin"), 512 * KIB, 'n')); };

    Run();
    const CAskedMessage fatal = m_seams.Only(L"Fatal Error");
    EXPECT_NE(fatal.strText.find(L"(" + GetSystemErrorText(ERROR_DISK_FULL, true) + L")"), std::wstring::npos)
        << "message: " << fatal.strText.size();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"複写処理でｴﾗｰを起こしたﾌｧｲﾙがあります。");
    EXPECT_TRUE(TreeState(m_strDst) == before) << "the old file changed or something was left beside it";
    EXPECT_FALSE(File(L"", L"grows.bin")->IsProcessed());
    m_source = TreeState(m_strSrc); // it grew on purpose
}

// The worker keeps the volume it copies into open: every answer is still the volume's free space
// at that moment, and a path on another volume is answered by that volume.
TEST_F(CopyDiskFull, AWorkerKeepsItsVolumeOpenAndStillSeesItFill)
{
    const CDiskFreeCache cache;
    uint64_t nCluster = 0, nUncached = 0;
    const uint64_t nBefore = GetDiskFreeBytes(m_strDst + L"\\a.bin", nCluster);
    EXPECT_EQ(nBefore, FreeBytes(m_strRoot));
    ASSERT_TRUE(WriteBytes(m_strWork + L"\\filler", 1024 * KIB, 'f'));
    const uint64_t nAfter = GetDiskFreeBytes(m_strDst + L"\\b.bin", nCluster);
    EXPECT_EQ(nAfter, FreeBytes(m_strRoot));
    EXPECT_LE(nAfter, nBefore - 1024 * KIB);

    CTempDir other;
    const uint64_t nOther = GetDiskFreeBytes(other / L"x.bin", nCluster);
    EXPECT_NEAR(static_cast<double>(nOther), static_cast<double>(FreeBytes(other.Path())), 64.0 * 1024 * 1024);
    EXPECT_GT(nOther, 16 * 1024 * KIB) << "drive Q: answered for drive Z:";
    EXPECT_EQ(GetDiskFreeBytes(m_strDst + L"\\c.bin", nCluster), nAfter);
    {
        // The same answer without the cache.
        std::thread([&] { nUncached = GetDiskFreeBytes(m_strDst + L"\\d.bin", nCluster); }).join();
    }
    EXPECT_EQ(nUncached, nAfter);
}

// The free space of the volume the path is on, whatever form the path has.
TEST(DiskFree, TheVolumeThatHoldsThePathIsAsked)
{
    CTempDir dir;
    uint64_t nCluster = 0;
    const uint64_t nFree = GetDiskFreeBytes(dir / L"not yet\\there.txt", nCluster);
    EXPECT_NE(nFree, DISK_FREE_UNKNOWN);
    EXPECT_GE(nCluster, 512u);
    EXPECT_NEAR(static_cast<double>(nFree), static_cast<double>(FreeBytes(dir.Path())), 64.0 * 1024 * 1024);

    // A share that cannot be reached: unknown, not full.
    EXPECT_EQ(GetDiskFreeBytes(L"\\\\no-such-server\\share\\dir\\file.txt", nCluster), DISK_FREE_UNKNOWN);
    EXPECT_EQ(nCluster, 1u);
    std::wstring strSmall;
    PELNIX_REQUIRE_SMALL_DRIVE(strSmall);
    // Drive Q: is a volume mounted in a folder of drive Z: too; through that folder its own free
    // space is found, not the free space of the volume above it.
    const std::wstring strMark = L"plx-mark-" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryW((strSmall + strMark).c_str(), nullptr));
    std::wstring strFolder;
    WIN32_FIND_DATAW fd;
    CFindHandle hFind(::FindFirstFileW(L"Z:\\tmp\\pelnix-smalldrive-*", &fd));
    for (bool bMore = hFind.IsValid(); bMore && strFolder.empty(); bMore = ::FindNextFileW(hFind, &fd) != FALSE) {
        const std::wstring strCandidate = std::wstring(L"Z:\\tmp\\") + fd.cFileName;
        if (PathExists(strCandidate + L"\\" + strMark))
            strFolder = strCandidate;
    }
    ::RemoveDirectoryW((strSmall + strMark).c_str());
    ASSERT_FALSE(strFolder.empty());
    const uint64_t nSmall = GetDiskFreeBytes(strSmall + L"x.bin", nCluster);
    EXPECT_EQ(GetDiskFreeBytes(strFolder + L"\\sub\\x.bin", nCluster), nSmall);
    EXPECT_LE(nSmall, 16u * 1024 * 1024);
}

TEST(DiskFree, SizesRoundUpToWholeClusters)
{
    const struct {
        uint64_t nSize, nCluster, nRounded;
    } cases[] = {
        {0, 4096, 0},
        {1, 4096, 4096},
        {4096, 4096, 4096},
        {4097, 4096, 8192},
        {5000000000ull, 4096, 5000003584ull},
        {7, 1, 7},
        {UINT64_MAX, 4096, UINT64_MAX},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RoundUpToCluster(c.nSize, c.nCluster), c.nRounded) << c.nSize;
}

TEST(DiskFree, AnUnreachableShareIsTriedAndFailsAsASystemError)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"f.txt", "f"));
    DWORD dwError = 0;
    EXPECT_EQ(CopyOneFile(nullptr, FOW_ALWAYS, dir / L"f.txt", L"\\\\no-such-server\\share\\f.txt", dwError),
              CR_SYSERR);
    EXPECT_NE(dwError, 0u);
}

} // namespace
