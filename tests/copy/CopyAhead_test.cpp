// The worker copies file after file without waiting for the walk's bookkeeping of the one before,
// and the walk still accounts for every file it finished; the destination is looked at once, when
// the list is built, and a name taken after that is still judged by the policy.
#include "RunHost.h"

#include "copy/CopyTreeDisplay.h"

namespace {

using namespace runtest;

class CopyAhead : public CRunTest {
protected:
    // d1\a.txt holds strFirst; the others "from the source".
    void MakeSource(const std::string &strFirst)
    {
        ASSERT_TRUE(m_dir.WriteFile(L"src\\d1\\a.txt", strFirst));
        for (const wchar_t *pszFile : {L"d1\\b.txt", L"d2\\x.txt", L"d3\\y.txt"})
            ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\") + pszFile, "from the source"));
        LoadTree();
    }
};

TEST_F(CopyAhead, TheWorkerGoesOnWhileTheWalkIsHeldAndEveryFinishedFileIsHandledAfterACancel)
{
    // The first file takes long enough for its name to be shown; there the interface thread stops
    // until the last file is there, then cancels as the status window's button does.
    MakeSource(std::string(64u << 20, 'a'));
    bool bLastCopiedMeanwhile = false;
    CCancelWhen hook([&](const std::wstring &strLine1, const std::wstring &strLine2) {
        if (m_tree.m_bCancel || strLine1.rfind(L"Copying File to ", 0) != 0 || strLine2.empty())
            return false;
        for (int i = 0; i < 500 && !bLastCopiedMeanwhile; ++i) {
            bLastCopiedMeanwhile = FileBytes(Dst(L"d3\\y.txt")) == "from the source";
            ::Sleep(10);
        }
        m_tree.m_bCancel = 1;
        return false;
    });
    Run();
    EXPECT_TRUE(bLastCopiedMeanwhile) << "the worker waited for the interface thread";
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"処理は中断されました。");
    EXPECT_EQ(m_result.m_nProcessed, 4);
    for (const auto &[pszDir, pszFile] :
         {std::pair{L"d1", L"a.txt"}, {L"d1", L"b.txt"}, {L"d2", L"x.txt"}, {L"d3", L"y.txt"}})
        EXPECT_TRUE(File(pszDir, pszFile)->IsProcessed()) << pszFile;
    EXPECT_TRUE(Dir(L"d1")->IsCopied());
    EXPECT_TRUE(Dir(L"d2")->IsCopied());
}

TEST_F(CopyAhead, ANameTakenInANewDirectoryAfterTheListWasBuiltIsKeptByNeverOverwrite)
{
    MakeSource("from the source");
    m_tree.FileOverWriteMode = FOW_NEVER;
    // The directories are the run's own and the list is built; then another program writes.
    bool bWritten = false;
    CCancelWhen hook([&](const std::wstring &strLine1, const std::wstring &) {
        if (!bWritten && strLine1 == L"Copying File to ...")
            bWritten = m_dir.WriteFile(L"dst\\d2\\x.txt", "another program's");
        return false;
    });
    Run();
    ASSERT_TRUE(bWritten);
    EXPECT_EQ(FileBytes(Dst(L"d2\\x.txt")), "another program's");
    EXPECT_EQ(FileBytes(Dst(L"d1\\a.txt")), "from the source");
    EXPECT_EQ(m_result.m_nSkipped, 1);
    EXPECT_NE(LogText().find(L"[CopyFile:Skipped(Already Exist)] " + Src(L"d2\\x.txt")), std::wstring::npos)
        << LogText().c_str();
}

// The display looks at each ancestor once between two drawings; a node the user closed
// meanwhile is opened again by the next directory after a drawing.
TEST_F(CopyAhead, ANodeClosedDuringTheCopyIsOpenedAgainAfterTheNextDrawing)
{
    for (const wchar_t *pszFile : {L"a\\x\\f.txt", L"a\\y\\f.txt", L"a\\z\\f.txt"})
        ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\") + pszFile, "f"));
    LoadTree();
    const HTREEITEM hA = Dir(L"a")->m_hTreeItem;
    auto bOpen = [&] { return (m_tree.GetItemState(hA, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; };
    CCopyTreeDisplay display(m_tree, true);
    display.BeginDirectory(Dir(L"a\\x")->m_hTreeItem);
    EXPECT_TRUE(bOpen());
    display.Draw();
    m_tree.Expand(hA, TVE_COLLAPSE);
    ASSERT_FALSE(bOpen());
    display.BeginDirectory(Dir(L"a\\y")->m_hTreeItem);
    EXPECT_TRUE(bOpen());
}

} // namespace
