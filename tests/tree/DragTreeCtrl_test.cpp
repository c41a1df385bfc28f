// The drag-and-drop tree control with its neutral hooks, on a real tree view control.
#include "tree/DragTreeCtrl.h"

#include "ScriptedSeams.h"
#include "CountedItem.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

namespace {

class CPlainDragTree : public CDragTreeCtrl {
public:
    using CDragTreeCtrl::CanDrop;
    using CDragTreeCtrl::DragTest;
};

class DragTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        m_hTop = Insert(nullptr);
        m_hA = Insert(m_hTop);
        m_hA1 = Insert(m_hA);
        m_hB = Insert(m_hTop);
        ASSERT_NE(m_hB, nullptr);
    }
    CPlainDragTree &Tree() { return m_host.m_tree; }
    HTREEITEM Insert(HTREEITEM hParent)
    {
        return Tree().InsertItemData(hParent, std::make_unique<CCountedItem>(ITEM_KIND_DIR), TVI_LAST);
    }

    CScriptedSeams m_seams;
    CTreeViewHost<CPlainDragTree> m_host{TVH_TREE_STAGE};
    HTREEITEM m_hTop = nullptr, m_hA = nullptr, m_hA1 = nullptr, m_hB = nullptr;
};

TEST_F(DragTree, NeutralHooksKeepRecordsUntilTheTreeIsCleared)
{
    EXPECT_EQ(Tree().GetItemText(m_hA), L"新しいｱｲﾃﾑ");
    EXPECT_EQ(m_host.Image(m_hA), 0);
    EXPECT_EQ(Tree().GetItemDataList().size(), 4u);
    EXPECT_EQ(Tree().GetItemRecord(m_hA), std::next(Tree().GetItemDataList().begin())->get()); // in order taken
    // Without a selection a null parent means the first top-level node, with one the caret node.
    EXPECT_EQ(Tree().GetParentItem(m_hB), m_hTop);
    Tree().SelectItem(m_hA1);
    EXPECT_EQ(Tree().GetParentItem(Insert(nullptr)), m_hA1);
    const int nBefore = CCountedItem::s_nAlive;

    // Deleting nodes leaves their records with the control.
    EXPECT_TRUE(Tree().DeleteItem(m_hA));
    EXPECT_EQ(Tree().GetCount(), 2u);
    EXPECT_EQ(Tree().GetItemDataList().size(), 5u);
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore);

    // Copies get no record by default; moves keep theirs.
    HTREEITEM hCopy = Tree().CopySubtree(m_hB, m_hTop, false, true);
    ASSERT_NE(hCopy, nullptr);
    EXPECT_EQ(Tree().GetItemRecord(hCopy), nullptr);
    EXPECT_EQ(Tree().GetItemDataList().size(), 5u);

    EXPECT_TRUE(Tree().ClearTree());
    EXPECT_EQ(Tree().GetCount(), 0u);
    EXPECT_TRUE(Tree().GetItemDataList().empty());
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore - 5);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());
}

TEST_F(DragTree, MovingKeepsRecordsAndNeverEntersItsOwnSubtree)
{
    // A copy into its own subtree would never end: refused.
    EXPECT_EQ(Tree().CopySubtree(m_hA, m_hA1, false, true), nullptr);
    EXPECT_EQ(Tree().GetCount(), 4u);
    CItemInfo *pA1 = Tree().GetItemRecord(m_hA1);
    HTREEITEM hLast = Tree().CopySubtree(m_hA, m_hB, true, true);
    ASSERT_NE(hLast, nullptr);
    EXPECT_EQ(Tree().GetItemRecord(hLast), pA1); // the last node moved, with its own record
    EXPECT_EQ(Tree().GetParentItem(Tree().GetParentItem(hLast)), m_hB);
    EXPECT_EQ(Tree().GetChildItem(m_hA), nullptr); // the moved children left the source
}

TEST_F(DragTree, DefaultDropRules)
{
    POINT ptIn = m_host.EmptyPoint(), ptOut = {-40, 10};
    auto CanDrop = [&](HTREEITEM hDrag, HTREEITEM hTarget, POINT pt, bool bMove, HTREEITEM *pTargetOut = nullptr) {
        bool b = Tree().CanDrop(hDrag, hTarget, pt, bMove);
        if (pTargetOut)
            *pTargetOut = hTarget;
        return b;
    };
    HTREEITEM hTarget = nullptr;
    EXPECT_FALSE(CanDrop(nullptr, m_hB, ptIn, true));
    EXPECT_TRUE(CanDrop(m_hA, nullptr, ptIn, true)); // no target: anywhere inside the tree
    EXPECT_FALSE(CanDrop(m_hA, nullptr, ptOut, true));
    EXPECT_FALSE(CanDrop(m_hA, m_hA, ptIn, true));
    EXPECT_TRUE(CanDrop(m_hA, m_hA, ptIn, false, &hTarget));
    EXPECT_EQ(hTarget, m_hTop); // a copy onto itself lands beside it
    EXPECT_FALSE(CanDrop(m_hA, m_hA1, ptIn, false));
    EXPECT_FALSE(CanDrop(m_hA, m_hA1, ptIn, true));
    EXPECT_FALSE(CanDrop(m_hA, m_hTop, ptIn, true)); // already there
    EXPECT_TRUE(CanDrop(m_hA, m_hTop, ptIn, false));
    EXPECT_TRUE(CanDrop(m_hA1, m_hB, ptIn, true));

    // The default test: empty space is no drop without Ctrl, a copy with it.
    HTREEITEM hHit = m_hB;
    EXPECT_EQ(Tree().DragTest(0, ptIn, m_hA, hHit), DRAG_CURSOR_NODROP);
    EXPECT_EQ(hHit, nullptr);
    EXPECT_EQ(Tree().DragTest(MK_CONTROL, ptIn, m_hA, hHit), DRAG_CURSOR_COPY);
    EXPECT_EQ(Tree().DragTest(MK_CONTROL, m_host.PointOf(m_hB), m_hA, hHit), DRAG_CURSOR_COPY);
    EXPECT_EQ(hHit, m_hB);

    // A refused drop beeps.
    ASSERT_TRUE(m_host.DragTo(m_hA, m_host.PointOf(m_hA1), 0));
    EXPECT_EQ(m_seams.m_listBeeps, (std::vector<UINT>{0}));
}

} // namespace
