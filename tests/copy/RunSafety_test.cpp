// Whatever the tree's names hold, a run writes nothing outside its destination, and a directory
// that cannot be made is named as the level that failed.
#include "support/SystemError.h"

#include "RunHost.h"

namespace {

using namespace runtest;

const wchar_t OUTSIDE_LINE[] = L"複写処理中、複写先ﾃﾞｨﾚｸﾄﾘの外を指す複写先ﾊﾟｽを検出しました。";

// Every entry below a directory, directories included, with what a run could change; the entry
// "dst" at the top is left out (the run may write there).
void ReadFolder(const std::wstring &strDir, const std::wstring &strRel, CTreeState &state)
{
    for (const auto &fd : ListDir(strDir)) {
        const std::wstring strKey = strRel.empty() ? fd.cFileName : strRel + L"\\" + fd.cFileName;
        if (strKey == L"dst")
            continue;
        const std::wstring strPath = strDir + L"\\" + fd.cFileName;
        CFileState &entry = state[strKey];
        entry.dwAttributes = fd.dwFileAttributes;
        entry.nLastWrite = U64(fd.ftLastWriteTime);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ReadFolder(strPath, strKey, state);
        else
            ReadWholeFile(strPath, entry.strBytes);
    }
}

// The whole parent folder of the destination, the folder's own attributes included.
CTreeState ParentState(const std::wstring &strDir)
{
    CTreeState state;
    state[L"."].dwAttributes = ::GetFileAttributesW(strDir.c_str());
    ReadFolder(strDir, L"", state);
    return state;
}

class RunSafety : public CRunTest {
protected:
    void SetUp() override
    {
        CRunTest::SetUp();
        // The log goes elsewhere, so that the destination's parent holds only what the test made.
        m_tree.ErrorLogFilePath = m_logDir.Path();
        RemoveTree(m_dir / L"log");
    }
    CTempDir m_logDir;
};

TEST_F(RunSafety, NamesForcedIntoTheTreeChangeNothingOutsideTheDestination)
{
    const FILETIME ftOld = LocalFileTime(2001, 1, 1, 0, 0, 0);
    ASSERT_TRUE(m_dir.WriteFile(L"src\\a\\victim.txt", "new content"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\top.txt", "top"));
    ASSERT_TRUE(m_dir.WriteFile(L"outside\\victim.txt", "old content"));
    ASSERT_TRUE(SetLastWrite(m_dir / L"outside\\victim.txt", ftOld));
    LoadTree();
    CItemInfo *pA = Dir(L"a");
    ASSERT_NE(pA, nullptr);
    // Hidden, so that attributes given to the wrong directory show as well.
    pA->m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;

    for (const wchar_t *pszName : {L"..\\outside", L"../outside", L"..", L"..\\..\\up"}) {
        for (bool bDirectoryOnly : {true, false}) {
            pA->m_strName = pszName;
            const CTreeState before = ParentState(m_dir.Path());
            m_seams.m_listMessages.clear();
            Run(bDirectoryOnly);

            EXPECT_TRUE(ParentState(m_dir.Path()) == before) << pszName << " " << bDirectoryOnly;
            EXPECT_FALSE(PathExists(m_dir / L"outside\\top.txt"));
            EXPECT_EQ(FileBytes(m_dir / L"outside\\victim.txt"), "old content");
            EXPECT_EQ(m_result.m_dwResult, static_cast<DWORD>(RF_DEST_OUTSIDE)) << pszName;
            const CAskedMessage fatal = m_seams.Only(L"Fatal Error");
            EXPECT_NE(fatal.strText.find(Dst(pszName)), std::wstring::npos) << pszName;
            EXPECT_EQ(fatal.nType & MB_ICONSTOP, static_cast<UINT>(MB_ICONSTOP));
            const CAskedMessage result = m_seams.Only(L"Result ...");
            EXPECT_EQ(result.strText, OUTSIDE_LINE);
            EXPECT_EQ(result.nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
            EXPECT_NE(LogText().find(L"[DestPath:Outside] " + Dst(pszName)), std::wstring::npos) << LogText().c_str();
        }
    }
    EXPECT_FALSE(pA->m_listFiles[0]->IsProcessed());
}

TEST_F(RunSafety, AFileNameThatLeadsOutIsRefusedBeforeAnyFileIsCopied)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\a\\plain.txt", "plain"));
    ASSERT_TRUE(m_dir.WriteFile(L"other\\escaped.txt", "escaped"));
    ASSERT_TRUE(m_dir.MakeDir(L"other\\deep\\deeper"));
    LoadTree();
    // A file entry whose name climbs out: from a directory read elsewhere its source exists.
    CItemInfo *pA = Dir(L"a");
    pA->m_strSourcePath = m_dir / L"other\\deep\\deeper";
    auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
    pFile->m_strName = L"..\\..\\escaped.txt";
    pFile->m_dwSize = 7;
    pA->AppendFile(std::move(pFile));
    const CTreeState before = ParentState(m_dir.Path());

    Run();
    EXPECT_TRUE(ParentState(m_dir.Path()) == before);
    EXPECT_FALSE(PathExists(m_dir / L"escaped.txt"));
    EXPECT_FALSE(PathExists(Dst(L"a\\plain.txt")));
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, OUTSIDE_LINE);
    EXPECT_NE(m_seams.Only(L"Fatal Error").strText.find(Dst(L"a\\..\\..\\escaped.txt")), std::wstring::npos);
}

TEST_F(RunSafety, ACreationFailureNamesTheLevelThatCouldNotBeMade)
{
    ASSERT_TRUE(m_dir.MakeDir(L"src\\a\\b"));
    LoadTree();
    // The destination is a file: it is what stands in the way, not the leaf below it.
    ASSERT_TRUE(m_dir.WriteFile(L"dst", "a file"));
    Run(true);
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘの作成に失敗しました。\n    Failed Dir <" + m_strDst +
                                                       L">\n(" + GetSystemErrorText(ERROR_ALREADY_EXISTS, true) + L")");
    EXPECT_NE(LogText().find(L"[CreateDir:Failed] " + m_strDst + L" ,"), std::wstring::npos) << LogText().c_str();
    EXPECT_EQ(FileBytes(m_strDst), "a file");

    // A drive that is not there: its root.
    std::wstring strDrive;
    for (wchar_t ch = L'Y'; ch >= L'D' && strDrive.empty(); --ch) {
        const std::wstring strRoot = std::wstring(1, ch) + L":\\";
        if (::GetDriveTypeW(strRoot.c_str()) == DRIVE_NO_ROOT_DIR)
            strDrive = strRoot;
    }
    ASSERT_FALSE(strDrive.empty());
    m_seams.m_listMessages.clear();
    m_tree.ExecuteCopy(strDrive + L"dest", true, false);
    const std::wstring strResult = m_seams.Only(L"Result ...").strText;
    EXPECT_EQ(strResult.find(L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘの作成に失敗しました。\n    Failed Dir <" + strDrive + L">\n("), 0u)
        << strResult.c_str();
}

} // namespace
