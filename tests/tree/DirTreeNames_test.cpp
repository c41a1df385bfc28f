// Names typed into a label edit: what may not name a directory is refused with a beep and a
// message, and the edit opens again with the text, on a real tree view.
#include "tree/DirTreeCtrl.h"

#include "support/Pump.h"

#include "ScriptedSeams.h"
#include "CountedItem.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

namespace {

class DirTreeNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        ASSERT_TRUE(Tree().EnsureRootItem());
        m_hA = AddCountedDir(m_host.m_tree, Tree().GetRootItem(), L"a");
        ASSERT_NE(m_hA, nullptr);
    }
    CDirTreeCtrl &Tree() { return m_host.m_tree; }

    // Types strText into a fresh edit of node A and presses Enter (as the main window ends it).
    void TypeAndEnter(const std::wstring &strText)
    {
        if (!Tree().m_bEditing) {
            ASSERT_NE(Tree().EditLabel(m_hA), nullptr);
        }
        HWND hEdit = Tree().GetEditControl();
        ASSERT_NE(hEdit, nullptr);
        ::SetWindowTextW(hEdit, strText.c_str());
        Tree().EndLabelEdit(false);
        PumpMessages();
    }
    std::wstring EditText()
    {
        HWND hEdit = Tree().GetEditControl();
        if (!hEdit)
            return L"(no edit)";
        wchar_t sz[600] = L"";
        ::GetWindowTextW(hEdit, sz, 600);
        return sz;
    }

    CScriptedSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_TREE_STAGE};
    HTREEITEM m_hA = nullptr;
};

TEST_F(DirTreeNames, ARefusedNameBeepsSaysWhyAndKeepsTheEditOpenWithTheText)
{
    for (const std::wstring &strBad : {std::wstring(L"..\\outside"), std::wstring(L".."), std::wstring(L"a:b"),
                                       std::wstring(L"CON.txt"), std::wstring(L"trail."), std::wstring(256, L'x')}) {
        m_seams.m_listMessages.clear();
        m_seams.m_listBeeps.clear();
        m_seams.m_listMessageAnswers.push_back(IDOK);
        TypeAndEnter(strBad);
        EXPECT_EQ(Tree().GetItemRecord(m_hA)->m_strName, L"a") << strBad;
        EXPECT_EQ(Tree().GetItemText(m_hA), L"a");
        EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{0});
        ASSERT_EQ(m_seams.m_listMessages.size(), 1u) << strBad;
        EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        EXPECT_FALSE(m_seams.m_listMessages[0].strText.empty());
        // Still editing the same node, with what was typed.
        EXPECT_TRUE(Tree().m_bEditing) << strBad;
        EXPECT_EQ(EditText(), strBad);
    }
    // Corrected in the same edit: taken.
    TypeAndEnter(L"outside 2");
    EXPECT_FALSE(Tree().m_bEditing);
    EXPECT_EQ(Tree().GetItemRecord(m_hA)->m_strName, L"outside 2");
    EXPECT_EQ(Tree().GetItemText(m_hA), L"outside 2");
}

TEST_F(DirTreeNames, TheMessageSaysWhatIsNotAllowed)
{
    m_seams.m_listMessageAnswers = {IDOK, IDOK};
    TypeAndEnter(L"a|b");
    TypeAndEnter(L"NUL");
    ASSERT_EQ(m_seams.m_listMessages.size(), 2u);
    EXPECT_NE(m_seams.m_listMessages[0].strText.find(L"|"), std::wstring::npos);
    EXPECT_NE(m_seams.m_listMessages[1].strText.find(L"NUL"), std::wstring::npos);
    Tree().EndLabelEdit(true);
}

TEST_F(DirTreeNames, ANodeDeletedWhileTheMessageIsUpIsNotEditedAgain)
{
    ASSERT_NE(Tree().EditLabel(m_hA), nullptr);
    ::SetWindowTextW(Tree().GetEditControl(), L"x/y");
    Tree().EndLabelEdit(false);
    // The node goes before the queued reopening runs.
    m_seams.m_listMessageAnswers = {IDOK, IDOK};
    Tree().SelectItem(m_hA);
    ASSERT_TRUE(Tree().DeleteItem(m_hA));
    PumpMessages();
    EXPECT_FALSE(Tree().m_bEditing);
    EXPECT_EQ(Tree().GetEditControl(), nullptr);
    EXPECT_EQ(Tree().GetCount(), 1u);
}

} // namespace
