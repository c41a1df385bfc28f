// Moving and copying directory nodes with the mouse on a real tree view control.
#include "tree/DirTreeCtrl.h"

#include "ScriptedSeams.h"
#include "CountedItem.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

namespace {

using Labels = std::vector<std::wstring>;
using Beeps = std::vector<UINT>;

// root
//   a (2 files)
//     a1 (1 file)
//     a2
//       a2x
//   b
//     z
class DirTreeDrag : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        ASSERT_TRUE(Tree().EnsureRootItem());
        m_hRoot = Tree().GetRootItem();
        m_hA = AddCountedDir(m_host.m_tree, m_hRoot, L"a", FILE_ATTRIBUTE_DIRECTORY, 2);
        m_hA1 = AddCountedDir(m_host.m_tree, m_hA, L"a1", FILE_ATTRIBUTE_DIRECTORY, 1);
        m_hA2 = AddCountedDir(m_host.m_tree, m_hA, L"a2");
        m_hA2x = AddCountedDir(m_host.m_tree, m_hA2, L"a2x");
        m_hB = AddCountedDir(m_host.m_tree, m_hRoot, L"b");
        m_hZ = AddCountedDir(m_host.m_tree, m_hB, L"z");
        ASSERT_NE(m_hZ, nullptr);
        ASSERT_EQ(Tree().GetItemDataList().size(), 7u);
    }
    CDirTreeCtrl &Tree() { return m_host.m_tree; }
    CItemInfo *Record(HTREEITEM h) { return Tree().GetItemRecord(h); }
    POINT At(HTREEITEM h) { return m_host.PointOf(h); }

    CScriptedSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_TREE_STAGE};
    HTREEITEM m_hRoot = nullptr, m_hA = nullptr, m_hA1 = nullptr, m_hA2 = nullptr, m_hA2x = nullptr, m_hB = nullptr,
              m_hZ = nullptr;
};

TEST_F(DirTreeDrag, MoveCarriesTheRecordsAndRefreshesTheFormerParent)
{
    CItemInfo *pA2 = Record(m_hA2);
    CItemInfo *pA2x = Record(m_hA2x);
    ASSERT_TRUE(m_host.BeginDrag(m_hA2));
    EXPECT_EQ(Tree().GetSelectedItem(), nullptr); // nothing is selected while a node is dragged
    m_host.MoveTo(At(m_hB), 0);
    POINT ptImage = {};
    HIMAGELIST hDragImage = ::ImageList_GetDragImage(&ptImage, nullptr);
    ASSERT_NE(hDragImage, nullptr);
    EXPECT_EQ(::ImageList_GetImageCount(hDragImage), 1);
    EXPECT_EQ(Tree().GetDropTarget(), m_hB);
    EXPECT_EQ(Tree().GetDropHilightItem(), m_hB);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    m_host.Release(At(m_hB), 0);
    EXPECT_FALSE(Tree().IsDragging());
    EXPECT_EQ(::ImageList_GetDragImage(nullptr, nullptr), nullptr);
    EXPECT_FALSE(Tree().GetItemState(m_hB, TVIS_DROPHILITED) & TVIS_DROPHILITED);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());

    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a2", L"z"})); // sorted under the target
    HTREEITEM hNewA2 = m_host.Child(m_hB, L"a2");
    ASSERT_NE(hNewA2, nullptr);
    EXPECT_EQ(Record(hNewA2), pA2); // the same records travelled
    EXPECT_EQ(pA2->m_hTreeItem, hNewA2);
    HTREEITEM hNewA2x = Tree().GetChildItem(hNewA2);
    EXPECT_EQ(Record(hNewA2x), pA2x);
    EXPECT_EQ(pA2x->m_hTreeItem, hNewA2x);
    EXPECT_EQ(Tree().GetItemDataList().size(), 7u);
    EXPECT_EQ(Tree().GetSelectedItem(), hNewA2x); // the last node moved
    EXPECT_EQ(Tree().m_hRefreshItem, nullptr);

    // Moving a1 away too leaves a without children: its image is closed again after the drop.
    Tree().Expand(m_hA, TVE_EXPAND);
    Tree().UpdateItemImage(m_hA);
    ASSERT_EQ(m_host.Image(m_hA), 9);
    ASSERT_TRUE(m_host.DragTo(m_hA1, At(m_hRoot), 0));
    EXPECT_EQ(Tree().GetChildItem(m_hA), nullptr);
    EXPECT_EQ(m_host.Image(m_hA), 8);
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"a", L"a1", L"b"}));
}

TEST_F(DirTreeDrag, CopyWithCtrlDuplicatesEveryRecordAndSelectsTheLastCopiedNode)
{
    const int nBefore = CCountedItem::s_nAlive;
    // A level whose order was left by a rename: the copy gets sorted, the source keeps its order.
    Tree().SelectItem(m_hA1);
    Tree().SendMessage(WM_KEYDOWN, VK_F2);
    ASSERT_NE(Tree().GetEditControl(), nullptr);
    ::SetWindowTextW(Tree().GetEditControl(), L"c1");
    Tree().EndLabelEdit(false);
    ASSERT_EQ(m_host.Children(m_hA), (Labels{L"c1", L"a2"}));

    ASSERT_TRUE(m_host.BeginDrag(m_hA));
    m_host.MoveTo(At(m_hB), MK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_COPY));
    m_host.Release(At(m_hB), MK_CONTROL);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());

    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"a", L"b"}));
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"c1", L"a2"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a", L"z"}));
    HTREEITEM hCopy = m_host.Child(m_hB, L"a");
    ASSERT_NE(hCopy, nullptr);
    EXPECT_EQ(m_host.Children(hCopy), (Labels{L"a2", L"c1"}));
    HTREEITEM hCopyA2 = m_host.Child(hCopy, L"a2");
    HTREEITEM hCopyA2x = Tree().GetChildItem(hCopyA2);
    ASSERT_NE(hCopyA2x, nullptr);
    // The caret: the node copied last in depth-first order (the source's last child's subtree).
    EXPECT_EQ(Tree().GetSelectedItem(), hCopyA2x);

    // One new record per copied node, each a deep copy naming its own node.
    EXPECT_EQ(Tree().GetItemDataList().size(), 11u);
    CItemInfo *pCopy = Record(hCopy);
    ASSERT_NE(pCopy, nullptr);
    EXPECT_NE(pCopy, Record(m_hA));
    EXPECT_EQ(pCopy->m_hTreeItem, hCopy);
    EXPECT_TRUE(pCopy->IsKind(ITEM_KIND_DIR));
    ASSERT_EQ(pCopy->m_listFiles.size(), 2u);
    EXPECT_NE(pCopy->m_listFiles[0].get(), Record(m_hA)->m_listFiles[0].get());
    EXPECT_EQ(pCopy->m_dwSize, 200u);
    EXPECT_EQ(Record(hCopyA2x)->m_hTreeItem, hCopyA2x);
    EXPECT_EQ(m_host.Image(hCopy), 9); // files, opened to show the caret

    // Deleting the copy frees only the copies; the source keeps its entries.
    m_seams.m_listMessageAnswers = {IDOK};
    ASSERT_TRUE(Tree().DeleteItem(hCopy));
    EXPECT_EQ(Tree().GetItemDataList().size(), 7u);
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore);
    EXPECT_EQ(Record(m_hA)->m_listFiles.size(), 2u);
    EXPECT_EQ(Record(m_hA)->m_listFiles[1]->m_strName, L"a.f1");
}

TEST_F(DirTreeDrag, RefusedDropsBeepAndChangeNothing)
{
    const UINT nCount = Tree().GetCount();
    // Into its own subtree, moving or copying.
    ASSERT_TRUE(m_host.DragTo(m_hA, At(m_hA2x), 0));
    ASSERT_TRUE(m_host.DragTo(m_hA, At(m_hA2), MK_CONTROL));
    // Moving onto its own parent, or onto itself.
    ASSERT_TRUE(m_host.DragTo(m_hA2, At(m_hA), 0));
    ASSERT_TRUE(m_host.DragTo(m_hA2, At(m_hA2), 0));
    // Released outside the tree, where the cursor says no drop.
    ASSERT_TRUE(m_host.BeginDrag(m_hA2));
    m_host.MoveTo(At(m_hB), 0);
    ASSERT_TRUE(Tree().GetItemState(m_hB, TVIS_DROPHILITED) & TVIS_DROPHILITED);
    m_host.MoveTo(POINT{-30, 20}, 0);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_NODROP));
    EXPECT_EQ(Tree().GetDropTarget(), nullptr);
    EXPECT_FALSE(Tree().GetItemState(m_hB, TVIS_DROPHILITED) & TVIS_DROPHILITED);
    m_host.Release(POINT{-30, 20}, MK_CONTROL);
    EXPECT_EQ(m_seams.m_listBeeps, (Beeps{0, 0, 0, 0, 0}));

    // The root does not move at all.
    EXPECT_FALSE(m_host.BeginDrag(m_hRoot));
    EXPECT_EQ(m_seams.m_listBeeps.size(), 6u);

    EXPECT_EQ(Tree().GetCount(), nCount);
    EXPECT_EQ(Tree().GetItemDataList().size(), 7u);
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1", L"a2"}));
    EXPECT_EQ(Tree().GetParentItem(m_hA2x), m_hA2);
}

TEST_F(DirTreeDrag, CopyOntoItselfOrItsParentLandsBesideIt)
{
    ASSERT_TRUE(m_host.DragTo(m_hA2, At(m_hA2), MK_CONTROL));
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1", L"a2", L"a2"}));
    ASSERT_TRUE(m_host.DragTo(m_hA1, At(m_hA), MK_CONTROL));
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1", L"a1", L"a2", L"a2"}));
    EXPECT_TRUE(m_seams.m_listBeeps.empty());
    EXPECT_EQ(Tree().GetItemDataList().size(), 7u + 2 + 1);
}

TEST_F(DirTreeDrag, EmptySpaceInsideTheTreeMeansTheRoot)
{
    // A move to empty space lands below the root.
    ASSERT_TRUE(m_host.BeginDrag(m_hA2));
    m_host.MoveTo(m_host.EmptyPoint(), 0);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    EXPECT_EQ(Tree().GetDropTarget(), m_hRoot);
    m_host.Release(m_host.EmptyPoint(), 0);
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"a", L"a2", L"b"}));

    // A copy with Ctrl lands below the root too, never as a second top-level node.
    ASSERT_TRUE(m_host.BeginDrag(m_hZ));
    m_host.MoveTo(m_host.EmptyPoint(), MK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_COPY));
    m_host.Release(m_host.EmptyPoint(), MK_CONTROL);
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"a", L"a2", L"b", L"z"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"z"}));
    EXPECT_EQ(Tree().GetNextSiblingItem(m_hRoot), nullptr);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());

    // With Ctrl and Shift the cursor says no drop there, and nothing is dropped.
    ASSERT_TRUE(m_host.BeginDrag(m_hZ));
    m_host.MoveTo(m_host.EmptyPoint(), MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_NODROP));
    m_host.Release(m_host.EmptyPoint(), MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"a", L"a2", L"b", L"z"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"z"}));
    EXPECT_EQ(m_seams.m_listBeeps, (Beeps{0}));

    // A node already below the root cannot move there again.
    ASSERT_TRUE(m_host.DragTo(m_hB, m_host.EmptyPoint(), 0));
    EXPECT_EQ(m_seams.m_listBeeps, (Beeps{0, 0}));
}

TEST_F(DirTreeDrag, TheReleaseDoesWhatTheCursorShowed)
{
    // Ctrl with Shift over a node shows a move: the release moves.
    ASSERT_TRUE(m_host.BeginDrag(m_hA2));
    m_host.MoveTo(At(m_hB), MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    m_host.Release(At(m_hB), MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a2", L"z"}));
    EXPECT_EQ(Tree().GetItemDataList().size(), 7u);

    // Shift pressed on top of Ctrl turns the copy into a move, cursor and drop alike.
    ASSERT_TRUE(m_host.BeginDrag(m_hA1));
    m_host.MoveTo(At(m_hB), MK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_COPY));
    Tree().SendMessage(WM_KEYDOWN, VK_SHIFT);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    m_host.Release(At(m_hB), MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(m_host.Children(m_hA), (Labels{}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a1", L"a2", L"z"}));

    // Ctrl let go over empty space: the cursor says move (onto the root) and so does the drop.
    ASSERT_TRUE(m_host.BeginDrag(m_hZ));
    m_host.MoveTo(m_host.EmptyPoint(), MK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_COPY));
    Tree().SendMessage(WM_KEYUP, VK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    m_host.Release(m_host.EmptyPoint(), 0);
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"a", L"b", L"z"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a1", L"a2"}));
    EXPECT_EQ(Tree().GetItemDataList().size(), 7u);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());
}

// A tree whose insertion of one named node fails, as the control's own insertion can.
class CFailingInsertTree : public CDirTreeCtrl {
public:
    std::wstring m_strRefused;

protected:
    void PrepareCopyInsert(TVINSERTSTRUCTW &tvis, bool bTop, bool bMove) override
    {
        CDirTreeCtrl::PrepareCopyInsert(tvis, bTop, bMove);
        const auto *pRecord = reinterpret_cast<const CItemInfo *>(tvis.item.lParam);
        if (pRecord && pRecord->m_strName == m_strRefused)
            tvis.hParent = reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(0x7ff0)); // no such node
    }
};

TEST(DirTreeDragFailure, AMoveThatCannotBePlacedKeepsTheSourceBranch)
{
    CScriptedSeams seams;
    CTreeViewHost<CFailingInsertTree> host{TVH_TREE_STAGE};
    ASSERT_TRUE(host.IsReady());
    CFailingInsertTree &tree = host.m_tree;
    ASSERT_TRUE(tree.EnsureRootItem());
    HTREEITEM hRoot = tree.GetRootItem();
    HTREEITEM hA = AddCountedDir(host.m_tree, hRoot, L"a", FILE_ATTRIBUTE_DIRECTORY, 2);
    HTREEITEM hA1 = AddCountedDir(host.m_tree, hA, L"a1");
    HTREEITEM hA2 = AddCountedDir(host.m_tree, hA, L"a2");
    HTREEITEM hA2x = AddCountedDir(host.m_tree, hA2, L"a2x");
    HTREEITEM hA3 = AddCountedDir(host.m_tree, hA, L"a3");
    HTREEITEM hB = AddCountedDir(host.m_tree, hRoot, L"b");
    ASSERT_NE(hB, nullptr);
    tree.m_strRefused = L"a2x";

    ASSERT_TRUE(host.DragTo(hA, host.PointOf(hB), 0));
    EXPECT_EQ(seams.m_listBeeps, (Beeps{0}));
    // Nothing moved: the branch is where it was, each record shown by its own node only.
    EXPECT_EQ(host.Children(hRoot), (Labels{L"a", L"b"}));
    EXPECT_EQ(host.Children(hB), (Labels{}));
    EXPECT_EQ(host.Children(hA), (Labels{L"a1", L"a2", L"a3"}));
    EXPECT_EQ(host.Children(hA2), (Labels{L"a2x"}));
    EXPECT_EQ(tree.GetCount(), 7u);
    for (HTREEITEM h : {hA, hA1, hA2, hA2x, hA3})
        EXPECT_EQ(tree.GetItemRecord(h)->m_hTreeItem, h) << tree.GetItemText(h);
    EXPECT_EQ(tree.GetItemDataList().size(), 7u);

    // A copy goes on without the node it cannot place; the source is untouched.
    ASSERT_TRUE(host.DragTo(hA, host.PointOf(hB), MK_CONTROL));
    HTREEITEM hCopy = host.Child(hB, L"a");
    ASSERT_NE(hCopy, nullptr);
    EXPECT_EQ(host.Children(hCopy), (Labels{L"a1", L"a2", L"a3"}));
    EXPECT_EQ(host.Children(host.Child(hCopy, L"a2")), (Labels{}));
    EXPECT_EQ(host.Children(hA2), (Labels{L"a2x"}));
    EXPECT_EQ(tree.GetItemDataList().size(), 7u + 4);

    // Without the failure the same move goes through whole.
    tree.m_strRefused.clear();
    ASSERT_TRUE(host.DragTo(hA2, host.PointOf(hB), 0));
    EXPECT_EQ(host.Children(hA), (Labels{L"a1", L"a3"}));
    HTREEITEM hMoved = host.Child(hB, L"a2");
    ASSERT_NE(hMoved, nullptr);
    EXPECT_EQ(host.Children(hMoved), (Labels{L"a2x"}));
    EXPECT_EQ(tree.GetItemRecord(tree.GetChildItem(hMoved))->m_hTreeItem, tree.GetChildItem(hMoved));
}

TEST_F(DirTreeDrag, CtrlSwitchesTheCursorDuringTheDrag)
{
    ASSERT_TRUE(m_host.BeginDrag(m_hA2));
    m_host.MoveTo(At(m_hB), 0);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    Tree().SendMessage(WM_KEYDOWN, VK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_COPY));
    Tree().SendMessage(WM_KEYUP, VK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_MOVE));
    m_host.MoveTo(POINT{-30, 20}, 0);
    Tree().SendMessage(WM_KEYDOWN, VK_CONTROL);
    EXPECT_EQ(::GetCursor(), TreeCursor(IDC_DRAG_NODROP));
    // Ctrl held at the release copies.
    m_host.MoveTo(At(m_hB), MK_CONTROL);
    m_host.Release(At(m_hB), MK_CONTROL);
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1", L"a2"}));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a2", L"z"}));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(DirTreeDrag, RightButtonDragsToo)
{
    ASSERT_TRUE(m_host.DragTo(m_hA1, At(m_hB), 0, true));
    EXPECT_EQ(m_host.Children(m_hB), (Labels{L"a1", L"z"}));
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a2"}));
}

TEST_F(DirTreeDrag, LosingTheCaptureEndsTheDragWithoutADrop)
{
    ASSERT_TRUE(m_host.BeginDrag(m_hA2));
    m_host.MoveTo(At(m_hB), 0);
    ::SetCapture(m_host.m_wndHost.m_hWnd);
    EXPECT_FALSE(Tree().IsDragging());
    ::ReleaseCapture();
    m_host.Release(At(m_hB), 0);
    EXPECT_EQ(m_host.Children(m_hA), (Labels{L"a1", L"a2"}));
    EXPECT_FALSE(Tree().GetItemState(m_hB, TVIS_DROPHILITED) & TVIS_DROPHILITED);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());
}

TEST_F(DirTreeDrag, LongNamesAreCopiedWhole)
{
    const std::wstring strLong = std::wstring(100, L'長') + std::wstring(100, L'n');
    HTREEITEM hLong = AddCountedDir(m_host.m_tree, m_hA2x, strLong);
    ASSERT_EQ(Tree().GetItemText(hLong), strLong);
    ASSERT_TRUE(m_host.DragTo(m_hA2, At(m_hB), MK_CONTROL));
    HTREEITEM hCopy = Tree().GetChildItem(Tree().GetChildItem(m_host.Child(m_hB, L"a2")));
    ASSERT_NE(hCopy, nullptr);
    EXPECT_EQ(Tree().GetItemText(hCopy), strLong);
    EXPECT_EQ(Record(hCopy)->m_strName, strLong);
}

} // namespace
