// Runs on real files: the directories and files re-created, and the faults that stop a run.
#include "support/SystemError.h"

#include "RunHost.h"

namespace {

using namespace runtest;

const wchar_t STOP_LINE[] = L"※※※ 処理を中止しました ※※※";

class CopyRun : public CRunTest {};

TEST_F(CopyRun, RecreatesTheTreeWithFilesAttributesAndMarks)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\top.txt", "top"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\a\\one.txt", "one"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\a\\deep\\er\\two.bin", std::string("\0\1\2", 3)));
    ASSERT_TRUE(m_dir.MakeDir(L"src\\b"));
    ASSERT_TRUE(m_dir.MakeDir(L"src\\ﾃﾞｨﾚｸﾄﾘ"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\ﾃﾞｨﾚｸﾄﾘ\\データ.txt", "d"));
    LoadTree();
    Dir(L"b")->m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;

    // Directories only: every level exists, the hidden one hidden, no file, no mark.
    Run(true);
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"全て正常に処理できました。");
    EXPECT_EQ(m_seams.Only(L"Result ...").nType, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(::GetFileAttributesW(Dst(L"a\\deep\\er").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(::GetFileAttributesW(Dst(L"b").c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(PathExists(Dst(L"ﾃﾞｨﾚｸﾄﾘ")));
    EXPECT_TRUE(TreeState(m_strDst).empty());
    EXPECT_FALSE(File(L"a", L"one.txt")->IsProcessed());
    EXPECT_FALSE(m_tree.m_pStatusWnd);

    // With files: all copied with the source's bytes and times, all marked, the directories
    // holding files marked and shown so; a directory without files is never marked by a run.
    // The tree follows the copy: it ends opened down to every directory copied into, with the
    // last one selected.
    m_tree.Expand(Dir(L"a\\deep")->m_hTreeItem, TVE_COLLAPSE);
    m_tree.Expand(Dir(L"a")->m_hTreeItem, TVE_COLLAPSE);
    m_tree.SelectItem(m_tree.GetRootItem());
    m_seams.m_listMessages.clear();
    Run();
    EXPECT_EQ(m_tree.GetSelectedItem(), Dir(L"ﾃﾞｨﾚｸﾄﾘ")->m_hTreeItem);
    EXPECT_TRUE(m_tree.GetItemState(Dir(L"a\\deep")->m_hTreeItem, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(m_seams.Captions(), std::vector<std::wstring>{L"Result ..."});
    EXPECT_EQ(m_seams.m_listMessages[0].strText, L"全て正常に処理できました。");
    EXPECT_TRUE(TreeState(m_strDst) == m_source);
    for (const wchar_t *pszDir : {L"", L"a", L"a\\deep\\er", L"ﾃﾞｨﾚｸﾄﾘ"}) {
        EXPECT_TRUE(Dir(pszDir)->IsCopied()) << pszDir;
        for (const auto &pFile : Dir(pszDir)->m_listFiles)
            EXPECT_TRUE(pFile->IsProcessed());
    }
    EXPECT_FALSE(Dir(L"a\\deep")->IsCopied());
    EXPECT_FALSE(Dir(L"b")->IsCopied());
    HTREEITEM hA = Dir(L"a")->m_hTreeItem;
    int nImage = -1, nSel = -1;
    m_tree.GetItemImage(hA, nImage, nSel);
    const bool bOpen = (m_tree.GetItemState(hA, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    EXPECT_EQ(nImage, NodeImageIndex(Dir(L"a")->m_dwAttributes, true, true, bOpen));
    EXPECT_EQ(m_result.m_nProcessed, 4);
    EXPECT_EQ(m_result.m_dwResult, 0u);
    EXPECT_TRUE(LogText().empty()); // nothing to log, no file
}

TEST_F(CopyRun, ADirectoryNameTakenByAFileStopsBeforeAnythingIsCopied)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\top.txt", "top"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\sub\\x.txt", "x"));
    ASSERT_TRUE(m_dir.WriteFile(L"dst\\sub", "a file, not a directory"));
    LoadTree();

    Run();
    const std::wstring strError = GetSystemErrorText(ERROR_ALREADY_EXISTS, true);
    const CAskedMessage result = m_seams.Only(L"Result ...");
    EXPECT_EQ(result.strText,
              L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘの作成に失敗しました。\n    Failed Dir <" + Dst(L"sub") + L">\n(" + strError + L")");
    EXPECT_EQ(result.nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(FileBytes(Dst(L"sub")), "a file, not a directory");
    EXPECT_FALSE(PathExists(Dst(L"top.txt")));
    EXPECT_FALSE(Dir(L"")->m_listFiles[0]->IsProcessed());
    EXPECT_NE(LogText().find(L"[CreateDir:Failed] " + Dst(L"sub") + L" , ErrCode( 183)"), std::wstring::npos)
        << LogText().c_str();
}

TEST_F(CopyRun, ASourceDeletedAfterTheScanStopsTheRun)
{
    for (const wchar_t *pszName : {L"a.txt", L"b.txt", L"c.txt"})
        ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\d\\") + pszName, "data"));
    LoadTree();
    ASSERT_TRUE(::DeleteFileW(Src(L"d\\b.txt").c_str()));
    ForgetSource(L"d\\b.txt");

    Run();
    EXPECT_EQ(m_seams.Captions(), (std::vector<std::wstring>{L"Fatal Error", L"Result ...", L"Attention ..."}));
    const CAskedMessage fatal = m_seams.Only(L"Fatal Error");
    EXPECT_EQ(fatal.strText, L"複写元ﾌｧｲﾙが見つかりません。\n処理を中止します。\n\n   複写元 : " + Src(L"d\\b.txt") +
                                 L"\n   複写先 : " + Dst(L"d\\b.txt"));
    EXPECT_EQ(fatal.nType, static_cast<UINT>(MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL));
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"複写処理中、不正な複写元ﾊﾟｽを検出しました。");
    EXPECT_EQ(m_seams.Only(L"Result ...").nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(FileBytes(Dst(L"d\\a.txt")), "data");
    EXPECT_FALSE(PathExists(Dst(L"d\\b.txt")));
    EXPECT_FALSE(PathExists(Dst(L"d\\c.txt")));
    EXPECT_TRUE(File(L"d", L"a.txt")->IsProcessed());
    EXPECT_FALSE(File(L"d", L"b.txt")->IsProcessed());
    EXPECT_FALSE(Dir(L"d")->IsCopied());

    const std::wstring strLog = LogText();
    EXPECT_NE(strLog.find(L"[CopyFile:Failed(Src Not Found)] " + Src(L"d\\b.txt") + L" -> " + Dst(L"d\\b.txt")),
              std::wstring::npos)
        << strLog.c_str();
    EXPECT_NE(strLog.find(L"[CopyFile:Failed(Src Not Found)] " + std::wstring(STOP_LINE)), std::wstring::npos);
}

TEST_F(CopyRun, ADestinationHeldOpenStopsTheRunAndStaysAsItWas)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\held.txt", "new"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\later.txt", "later"));
    ASSERT_TRUE(m_dir.WriteFile(L"dst\\held.txt", "old"));
    ASSERT_TRUE(::SetFileAttributesW(Dst(L"held.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD dwHeldAttributes = ::GetFileAttributesW(Dst(L"held.txt").c_str());
    LoadTree();
    m_tree.FileOverWriteMode = FOW_ALWAYS;

    // Held without shared deletion: the complete copy cannot take its place.
    {
        CFileHandle hHeld(::CreateFileW(Dst(L"held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(hHeld);
        Run();
    }
    const CAskedMessage fatal = m_seams.Only(L"Fatal Error");
    EXPECT_EQ(fatal.strText, L"ﾌｧｲﾙの複写処理でｴﾗｰが発生しました。\n処理を中止します。\n\n   複写元 : " +
                                 Src(L"held.txt") + L"\n   複写先 : " + Dst(L"held.txt") + L"\n\n(" +
                                 GetSystemErrorText(ERROR_ACCESS_DENIED, true) + L")");
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"複写処理でｴﾗｰを起こしたﾌｧｲﾙがあります。");
    EXPECT_EQ(FileBytes(Dst(L"held.txt")), "old");
    EXPECT_EQ(::GetFileAttributesW(Dst(L"held.txt").c_str()), dwHeldAttributes);
    EXPECT_TRUE(dwHeldAttributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(PathExists(Dst(L"later.txt")));
    EXPECT_NE(LogText().find(L"[CopyFile:Failed(SysErr)] " + Src(L"held.txt") + L" -> " + Dst(L"held.txt") +
                             L" , ErrCode(   5)"),
              std::wstring::npos)
        << LogText().c_str();
    ::SetFileAttributesW(Dst(L"held.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(CopyRun, SourceAndDestinationDifferingInCaseAreTheSamePath)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\same.txt", "same"));
    LoadTree();
    m_strDst = m_strSrc;
    for (auto &ch : m_strDst)
        ch = static_cast<wchar_t>(::towupper(ch));
    m_tree.FileOverWriteMode = FOW_ALWAYS;

    Run();
    EXPECT_EQ(m_seams.Only(L"Fatal Error").strText, L"ﾌｧｲﾙの複写元と複写先が同じです。\n処理を中止します。\n\n"
                                                    L"   複写元 : " +
                                                        Src(L"same.txt") + L"\n   複写先 : " + Dst(L"same.txt"));
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"複写処理中、複写元ﾊﾟｽと複写先ﾊﾟｽが同一な物を検出しました。");
}

TEST_F(CopyRun, AReadOnlyDestinationIsReplacedAndGetsTheEntrysAttributes)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\ro.txt", "new content"));
    ASSERT_TRUE(m_dir.WriteFile(L"dst\\ro.txt", "old"));
    ASSERT_TRUE(::SetFileAttributesW(Dst(L"ro.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    LoadTree();
    m_tree.FileOverWriteMode = FOW_ALWAYS;
    m_tree.ProtectAttrOfExist = 0;
    File(L"", L"ro.txt")->m_dwAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;

    Run();
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"全て正常に処理できました。");
    EXPECT_EQ(FileBytes(Dst(L"ro.txt")), "new content");
    EXPECT_EQ(::GetFileAttributesW(Dst(L"ro.txt").c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(m_source.at(L"ro.txt").nLastWrite, TreeState(m_strDst).at(L"ro.txt").nLastWrite);
}

} // namespace
