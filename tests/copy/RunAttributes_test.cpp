// Attributes on a real run: a directory counts as new only when this run made it, and the user's
// attribute edits reach files that do not exist yet, whatever the protection.
#include "RunHost.h"

namespace {

using namespace runtest;

const DWORD A = FILE_ATTRIBUTE_ARCHIVE, H = FILE_ATTRIBUTE_HIDDEN, D = FILE_ATTRIBUTE_DIRECTORY;

DWORD Attributes(const std::wstring &strPath)
{
    return ::GetFileAttributesW(strPath.c_str());
}

class RunAttributes : public CRunTest {};

TEST_F(RunAttributes, UnderProtectionOnlyTheDirectoriesThisRunMadeTakeTheItemsAttributes)
{
    // "old" stands at the destination as a plain directory; "new" and its child are made by the run.
    for (const wchar_t *pszDir : {L"src\\old", L"src\\new\\inner", L"dst\\old"})
        ASSERT_TRUE(m_dir.MakeDir(pszDir));
    ASSERT_EQ(Attributes(Dst(L"old")), D);
    LoadTree();
    for (const wchar_t *pszDir : {L"old", L"new", L"new\\inner"})
        Dir(pszDir)->m_dwAttributes = D | H;
    m_tree.ProtectAttrOfExist = 1;

    Run(true);
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"全て正常に処理できました。");
    EXPECT_EQ(Attributes(Dst(L"old")), D);
    EXPECT_EQ(Attributes(Dst(L"new")), D | H);
    EXPECT_EQ(Attributes(Dst(L"new\\inner")), D | H);

    // A second run made nothing: everything is kept as the first left it.
    Dir(L"new")->m_dwAttributes = D;
    m_seams.m_listMessages.clear();
    Run(true);
    EXPECT_EQ(Attributes(Dst(L"new")), D | H);

    // Without protection the old one takes the item's too.
    m_tree.ProtectAttrOfExist = 0;
    m_seams.m_listMessages.clear();
    Run(true);
    EXPECT_EQ(Attributes(Dst(L"old")), D | H);
    EXPECT_EQ(Attributes(Dst(L"new")), D);
}

TEST_F(RunAttributes, ANewFileTakesTheUsersAttributeEditWithOrWithoutProtection)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\edited.txt", "edited"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\plain.txt", "plain"));
    ASSERT_TRUE(::SetFileAttributesW(Src(L"edited.txt").c_str(), A));
    ASSERT_TRUE(::SetFileAttributesW(Src(L"plain.txt").c_str(), A));
    LoadTree();
    CItemInfo &edited = *File(L"", L"edited.txt");
    edited.m_dwAttributes = A | H;

    for (int bProtect : {0, 1}) {
        RemoveTree(m_strDst);
        m_tree.ProtectAttrOfExist = bProtect;
        edited.SetProcessed(false); // clears the edit mark too
        edited.MarkAttrSet();
        File(L"", L"plain.txt")->SetProcessed(false);
        m_seams.m_listMessages.clear();
        Run();
        EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"全て正常に処理できました。") << bProtect;
        EXPECT_EQ(Attributes(Dst(L"edited.txt")), A | H) << bProtect;
        EXPECT_EQ(Attributes(Dst(L"plain.txt")), A) << bProtect;
        EXPECT_EQ(FileBytes(Dst(L"edited.txt")), "edited");
    }
}

} // namespace
