// Runs of scanned sources that ordinary paths cannot reach or cannot tell apart: trees deeper than
// MAX_PATH, names ending in a dot or a space, names differing only in case, links.
#include "support/FileApiPath.h"

#include "RunHost.h"

namespace {

using namespace runtest;

class CopySafety : public CRunTest {
protected:
    // Scans the source as the program does and remembers every source file; the scan's own
    // warning, if any, is answered.
    void ScanSource()
    {
        m_tree.NotCopyFile = 0;
        m_tree.ScanDirectory(m_strSrc, nullptr, false);
        m_source = TreeState(m_strSrc);
        m_bSourceRead = true;
        m_seams.m_listMessages.clear();
    }
    // Names below the source as Linux sees them; Wine's own lookup would find an existing twin.
    std::string Linux(const std::wstring &strRel)
    {
        std::string str = "'" + LinuxPath(m_strSrc) + "/";
        for (wchar_t c : strRel)
            str += c == L'\\' ? '/' : static_cast<char>(c);
        return str + "'";
    }
    std::wstring Summary() { return m_seams.Only(L"Result ...").strText; }
};

TEST_F(CopySafety, ATreeDeeperThanMaxPathIsScannedAndRecreatedWithItsFiles)
{
    std::wstring strRel = L"deep";
    ASSERT_TRUE(m_dir.WriteFile(L"src\\top.txt", "top"));
    while (m_strSrc.size() + strRel.size() < 400) {
        strRel += L"\\" + std::wstring(24, L'a' + static_cast<wchar_t>(strRel.size() % 26)) + L" ﾃﾞｨﾚｸﾄﾘ";
        if (strRel.size() > 200 && !PathExists(m_dir / L"src\\middle")) {
            ASSERT_TRUE(m_dir.WriteFile(L"src\\" + strRel + L"\\middle.txt", "middle"));
            ASSERT_TRUE(m_dir.MakeDir(L"src\\middle"));
        }
    }
    ASSERT_TRUE(m_dir.WriteFile(L"src\\" + strRel + L"\\bottom.txt", "bottom"));
    ASSERT_GE(Src(strRel).size(), 400u);
    ScanSource();
    ASSERT_EQ(m_source.size(), 3u);

    Run();
    EXPECT_EQ(Summary(), L"全て正常に処理できました。");
    EXPECT_TRUE(TreeState(m_strDst) == m_source);
    EXPECT_EQ(FileBytes(Dst(strRel + L"\\bottom.txt")), "bottom");
    EXPECT_EQ(m_result.m_nProcessed, 3);
}

// The ordinary form trims the last name's dots and spaces: each would read "ftrail". Copied by
// their exact names, the first keeps the destination name and the others are not copied.
TEST_F(CopySafety, NamesEndingInADotOrASpaceAreReadExactlyAndNeverMerged)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\ftrail.", "dot"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\ftrail ", "space"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\ftrail", "plain"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\trail.\\inner.txt", "inner"));
    ScanSource();
    ASSERT_NE(Dir(L"trail."), nullptr);
    ASSERT_EQ(Dir(L"trail.")->m_listFiles.size(), 1u);
    ASSERT_EQ(Dir(L"")->m_listFiles.size(), 3u);
    const std::wstring strFirst = Dir(L"")->m_listFiles[0]->m_strName;

    Run();
    const CTreeState dst = TreeState(m_strDst);
    ASSERT_EQ(dst.size(), 2u);
    EXPECT_EQ(dst.count(strFirst), 1u);
    EXPECT_EQ(FileBytes(Dst(strFirst)), FileBytes(Src(strFirst)));
    EXPECT_EQ(FileBytes(Dst(L"trail.\\inner.txt")), "inner");
    EXPECT_EQ(Summary(), L"複写先で名前が重なる為、複写されなかったﾌｧｲﾙが 2 件 あります。");
    EXPECT_EQ(m_seams.Only(L"Result ...").nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    const std::wstring strLog = LogText();
    EXPECT_EQ(Count(strLog, L"Name Twin"), 2u);
    for (size_t i = 1; i < 3; ++i) {
        const CItemInfo &twin = *Dir(L"")->m_listFiles[i];
        EXPECT_FALSE(twin.IsProcessed());
        EXPECT_NE(strLog.find(Src(twin.m_strName)), std::wstring::npos) << twin.m_strName;
    }
    EXPECT_EQ(Count(strLog, Src(strFirst) + L"\r\n"), 2u); // the keeper named on both lines
    EXPECT_FALSE(Dir(L"")->IsCopied());
}

// Into an empty destination the second of a pair was taken for an up-to-date copy of the first,
// or copied over it. Neither happens, on the first run or on a rerun of what is left.
TEST_F(CopySafety, ACaseTwinIsNeverCopiedOverNorTakenForACopy)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\Doc\\a.txt", "upper"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\Doc\\only.txt", "only"));
    ASSERT_TRUE(RunLinuxShell("mkdir " + Linux(L"doc") + " && printf lower > " + Linux(L"doc") +
                              "/a.txt && printf I > " + Linux(L"Index.html") + " && printf ii > " +
                              Linux(L"index.html")));
    ScanSource();
    ASSERT_EQ(m_source.size(), 5u);
    m_tree.FileOverWriteMode = FOW_IF_NEWER;

    for (bool bOnlyUnprocessed : {false, true}) {
        m_seams.m_listMessages.clear();
        Run(false, bOnlyUnprocessed);
        const CTreeState dst = TreeState(m_strDst);
        ASSERT_EQ(dst.size(), 3u) << bOnlyUnprocessed; // one of each pair, and only.txt
        EXPECT_EQ(Summary(), L"複写先で名前が重なる為、複写されなかったﾌｧｲﾙが 2 件 あります。");
        // Whatever stands at the destination is the bytes of the entry that kept it.
        const CItemInfo &root = *Dir(L"");
        EXPECT_EQ(FileBytes(Dst(root.m_listFiles[0]->m_strName)), FileBytes(Src(root.m_listFiles[0]->m_strName)));
        EXPECT_TRUE(root.m_listFiles[0]->IsProcessed());
        EXPECT_FALSE(root.m_listFiles[1]->IsProcessed());
        EXPECT_EQ(Count(LogText(), L"Name Twin"), 2u);
    }
    // The directories land on one; the file of the one first in the tree keeps a.txt.
    const HTREEITEM hFirst = m_tree.GetChildItem(m_tree.GetRootItem());
    const std::wstring strKeeper = m_tree.GetItemRecord(hFirst)->m_strName + L"\\a.txt";
    EXPECT_EQ(FileBytes(Dst(L"doc\\a.txt")), FileBytes(Src(strKeeper)));
}

} // namespace
