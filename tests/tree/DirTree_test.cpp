// The directory tree view on a real tree view control: records, images, deletion, clearing,
// label editing, the locked state and the file counts.
#include "tree/DirTreeCtrl.h"

#include "support/Pump.h"

#include "ScriptedSeams.h"
#include "CountedItem.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

namespace {

using Labels = std::vector<std::wstring>;

class DirTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        ASSERT_TRUE(Tree().EnsureRootItem());
        m_hRoot = Tree().GetRootItem();
        ASSERT_NE(m_hRoot, nullptr);
    }
    CDirTreeCtrl &Tree() { return m_host.m_tree; }
    CItemInfo *Record(HTREEITEM h) { return Tree().GetItemRecord(h); }
    HTREEITEM Dir(HTREEITEM hParent, const std::wstring &strName, DWORD dwAttributes = FILE_ATTRIBUTE_DIRECTORY,
                  int nFiles = 0)
    {
        HTREEITEM h = AddCountedDir(m_host.m_tree, hParent, strName, dwAttributes, nFiles);
        EXPECT_NE(h, nullptr) << "inserting " << std::string(strName.begin(), strName.end());
        return h;
    }

    CScriptedSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_TREE_STAGE};
    HTREEITEM m_hRoot = nullptr;
};

TEST_F(DirTree, StartsWithTheRootAndReplacesAnEmptyRootWithoutAsking)
{
    CItemInfo *pRoot = Record(m_hRoot);
    ASSERT_NE(pRoot, nullptr);
    EXPECT_TRUE(pRoot->IsKind(ITEM_KIND_ROOT));
    EXPECT_EQ(pRoot->m_strName, L"[ root ]");
    EXPECT_EQ(Tree().GetItemText(m_hRoot), L"[ root ]");
    EXPECT_EQ(pRoot->m_hTreeItem, m_hRoot);
    EXPECT_EQ(Tree().GetCount(), 1u);
    EXPECT_EQ(Tree().GetItemDataList().size(), 1u);
    EXPECT_EQ(m_host.Image(m_hRoot), 0);

    EXPECT_TRUE(Tree().EnsureRootItem());
    EXPECT_TRUE(m_seams.m_listMessages.empty());
    EXPECT_EQ(Tree().GetCount(), 1u);
    EXPECT_EQ(Tree().GetItemDataList().size(), 1u);
    EXPECT_EQ(Tree().GetItemText(Tree().GetRootItem()), L"[ root ]");
}

TEST_F(DirTree, InsertsInSortedPositionAndSelectsTheNewNode)
{
    HTREEITEM hB = Dir(m_hRoot, L"beta");
    HTREEITEM hA = Dir(m_hRoot, L"Alpha");
    HTREEITEM hC = Dir(m_hRoot, L"gamma");
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"Alpha", L"beta", L"gamma"}));
    EXPECT_EQ(Record(hA)->m_hTreeItem, hA);
    EXPECT_EQ(Record(hB)->m_hTreeItem, hB);
    EXPECT_EQ(Tree().GetSelectedItem(), hC);
    // Selecting a child opened the root, and its image shows it.
    EXPECT_TRUE(Tree().GetItemState(m_hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(m_host.Image(m_hRoot), 1);

    // A null parent means the caret node.
    auto pSub = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pSub->m_strName = L"新規 SubDir";
    HTREEITEM hSub = Tree().InsertItemData(nullptr, std::move(pSub), TVI_SORT);
    EXPECT_EQ(Tree().GetParentItem(hSub), hC);

    // A scan that keeps the tree closed does not select what it inserts.
    Tree().NoExpandOnSearch = 1;
    Tree().m_bBusy = true;
    Dir(hA, L"quiet");
    EXPECT_EQ(Tree().GetSelectedItem(), hSub);
    EXPECT_FALSE(Tree().GetItemState(hA, TVIS_EXPANDED) & TVIS_EXPANDED);
    Tree().m_bBusy = false;
    Dir(hA, L"loud");
    EXPECT_EQ(Tree().GetItemText(Tree().GetSelectedItem()), L"loud");
}

TEST_F(DirTree, NodeImagesFollowAttributesFilesMarksAndTheOpenState)
{
    const DWORD D = FILE_ATTRIBUTE_DIRECTORY;
    EXPECT_EQ(m_host.Image(Dir(m_hRoot, L"plain")), 0);
    EXPECT_EQ(m_host.Image(Dir(m_hRoot, L"hidden", D | FILE_ATTRIBUTE_HIDDEN)), 2);
    EXPECT_EQ(m_host.Image(Dir(m_hRoot, L"system", D | FILE_ATTRIBUTE_SYSTEM)), 2);
    EXPECT_EQ(m_host.Image(Dir(m_hRoot, L"readonly", D | FILE_ATTRIBUTE_READONLY)), 4);
    EXPECT_EQ(m_host.Image(Dir(m_hRoot, L"files", D, 2)), 8);

    // Read-only, every file processed: 20 closed, 21 open with a child.
    HTREEITEM hDone = Dir(m_hRoot, L"done", D | FILE_ATTRIBUTE_READONLY, 2);
    CItemInfo *pDone = Record(hDone);
    for (auto &pFile : pDone->m_listFiles)
        pFile->SetProcessed(true);
    pDone->MarkCopied();
    Tree().UpdateItemImage(hDone);
    EXPECT_EQ(Tree().GetItemImage(pDone), 20);
    EXPECT_EQ(m_host.Image(hDone), 20);
    Dir(hDone, L"child"); // selecting it opens hDone
    EXPECT_EQ(m_host.Image(hDone), 21);
    Tree().Expand(hDone, TVE_COLLAPSE);
    Tree().UpdateItemImage(hDone);
    EXPECT_EQ(m_host.Image(hDone), 20);
    // Opened by the user: the expanded notification updates the image.
    Tree().SelectItem(hDone);
    Tree().SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_TRUE(Tree().GetItemState(hDone, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(m_host.Image(hDone), 21);
}

TEST_F(DirTree, DeletingANodePurgesTheRecordsOfItsSubtreeAfterTheQuestion)
{
    const int nBefore = CCountedItem::s_nAlive;
    HTREEITEM hParent = Dir(m_hRoot, L"parent");
    HTREEITEM hNode = Dir(hParent, L"node", FILE_ATTRIBUTE_DIRECTORY, 2);
    Dir(hNode, L"one", FILE_ATTRIBUTE_DIRECTORY, 1);
    HTREEITEM hTwo = Dir(hNode, L"two");
    Dir(hTwo, L"deep", FILE_ATTRIBUTE_DIRECTORY, 3); // selected: every parent is open
    ASSERT_EQ(CCountedItem::s_nAlive, nBefore + 5 + 6);
    ASSERT_EQ(Tree().GetItemDataList().size(), 6u);
    EXPECT_EQ(m_host.Image(hParent), 1);

    // Cancel leaves everything as it was.
    m_seams.m_listMessageAnswers = {IDCANCEL};
    EXPECT_FALSE(Tree().DeleteItem(hNode));
    ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText, L"\"node\" をﾃﾞｨﾚｸﾄﾘﾂﾘｰから削除します。\nよろしいですか ?");
    EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"確認");
    EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(Tree().GetCount(), 6u);
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore + 11);
    EXPECT_EQ(Record(hNode)->m_strName, L"node");

    // OK deletes the node with its three descendants: four records and their six file entries.
    m_seams.m_listMessageAnswers = {IDOK};
    EXPECT_TRUE(Tree().DeleteItem(hNode));
    EXPECT_EQ(Tree().GetCount(), 2u);
    EXPECT_EQ(Tree().GetItemDataList().size(), 2u);
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore + 1);
    EXPECT_EQ(Record(hParent)->m_strName, L"parent");
    EXPECT_EQ(m_host.Image(hParent), 0); // the former parent no longer shows children
    EXPECT_EQ(Tree().m_hRefreshItem, nullptr);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());

    // The root stays, with a beep and no question; a null node means the caret node.
    Tree().SelectItem(m_hRoot);
    EXPECT_FALSE(Tree().DeleteItem(nullptr));
    EXPECT_EQ(m_seams.m_listBeeps, (std::vector<UINT>{0}));
    EXPECT_EQ(m_seams.m_listMessages.size(), 2u);
    EXPECT_EQ(Tree().GetCount(), 2u);
}

TEST_F(DirTree, ClearingAsksWithTheTextForTheSituation)
{
    const int nBefore = CCountedItem::s_nAlive;
    // A root with files is worth a question even alone.
    Record(m_hRoot)->AppendFile(std::make_unique<CCountedItem>(ITEM_KIND_FILE, L"top.txt"));
    m_seams.m_listMessageAnswers = {IDCANCEL};
    EXPECT_FALSE(Tree().ClearTree());
    ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText, L"ﾃﾞｨﾚｸﾄﾘﾂﾘｰを消去します。\nよろしいですか ?"); // NotCopyFile 1
    EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"確認");
    EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));

    Dir(Dir(m_hRoot, L"a", FILE_ATTRIBUTE_DIRECTORY, 2), L"b");
    ASSERT_EQ(CCountedItem::s_nAlive, nBefore + 5);

    Tree().NotCopyFile = 0;
    m_seams.m_listMessageAnswers = {IDCANCEL};
    EXPECT_FALSE(Tree().EnsureRootItem()); // declined: the tree is kept
    EXPECT_EQ(m_seams.m_listMessages.back().strText, L"ﾃﾞｨﾚｸﾄﾘﾂﾘｰ/ﾌｧｲﾙ情報を消去します。\nよろしいですか ?");
    EXPECT_EQ(Tree().GetCount(), 3u);
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore + 5);

    Tree().m_bBusy = true;
    m_seams.m_listMessageAnswers = {IDCANCEL};
    EXPECT_FALSE(Tree().ClearTree());
    EXPECT_EQ(m_seams.m_listMessages.back().strText,
              L"現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰ/ﾌｧｲﾙ情報は消去されて新しく検索されたﾃﾞｨﾚｸﾄﾘﾂﾘｰに置き換えられます。\nよろしいですか ?");
    Tree().NotCopyFile = 1;
    m_seams.m_listMessageAnswers = {IDOK};
    EXPECT_TRUE(Tree().EnsureRootItem());
    EXPECT_EQ(m_seams.m_listMessages.back().strText,
              L"現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰは消去されて新しく検索されたﾃﾞｨﾚｸﾄﾘﾂﾘｰに置き換えられます。\nよろしいですか ?");
    EXPECT_EQ(m_seams.m_listMessages.size(), 4u);
    // Every record and file entry went; a fresh root came.
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore);
    EXPECT_EQ(Tree().GetCount(), 1u);
    EXPECT_EQ(Tree().GetItemDataList().size(), 1u);
    EXPECT_EQ(Tree().GetItemText(Tree().GetRootItem()), L"[ root ]");

    // An empty tree has nothing to clear.
    Tree().DeleteAllItems();
    EXPECT_FALSE(Tree().ClearTree());
    EXPECT_EQ(m_seams.m_listMessages.size(), 4u);
}

TEST_F(DirTree, LabelEditingWithF2)
{
    HTREEITEM hA = Dir(m_hRoot, L"a");
    Dir(m_hRoot, L"m");
    Tree().SelectItem(hA);

    // Accepted: the record and the label take the text; the node keeps its place.
    Tree().SendMessage(WM_KEYDOWN, VK_F2);
    ASSERT_TRUE(Tree().m_bEditing);
    HWND hEdit = Tree().GetEditControl();
    ASSERT_NE(hEdit, nullptr);
    ::SetWindowTextW(hEdit, L"zz 新しい名前");
    Tree().EndLabelEdit(false);
    EXPECT_FALSE(Tree().m_bEditing);
    EXPECT_EQ(Record(hA)->m_strName, L"zz 新しい名前");
    EXPECT_EQ(Tree().GetItemText(hA), L"zz 新しい名前");
    EXPECT_EQ(m_host.Children(m_hRoot), (Labels{L"zz 新しい名前", L"m"}));

    // Cancelled: nothing changes.
    Tree().SendMessage(WM_KEYDOWN, VK_F2);
    ASSERT_NE(Tree().GetEditControl(), nullptr);
    ::SetWindowTextW(Tree().GetEditControl(), L"discarded");
    Tree().EndLabelEdit(true);
    EXPECT_EQ(Record(hA)->m_strName, L"zz 新しい名前");
    EXPECT_EQ(Tree().GetItemText(hA), L"zz 新しい名前");

    // Empty: refused with a beep and a message, so that a live record never carries the deletion
    // mark; the edit opens again, and Escape leaves it.
    Tree().SendMessage(WM_KEYDOWN, VK_F2);
    ASSERT_NE(Tree().GetEditControl(), nullptr);
    ::SetWindowTextW(Tree().GetEditControl(), L"");
    m_seams.m_listMessageAnswers.push_back(IDOK);
    Tree().EndLabelEdit(false);
    PumpMessages();
    EXPECT_EQ(Record(hA)->m_strName, L"zz 新しい名前");
    EXPECT_EQ(Tree().GetItemText(hA), L"zz 新しい名前");
    EXPECT_EQ(m_seams.m_listBeeps, (std::vector<UINT>{0}));
    EXPECT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_TRUE(Tree().m_bEditing);
    Tree().EndLabelEdit(true);
    EXPECT_FALSE(Tree().m_bEditing);

    // The root keeps its name, silently.
    EXPECT_EQ(Tree().EditLabel(m_hRoot), nullptr);
    EXPECT_FALSE(Tree().m_bEditing);
    EXPECT_EQ(m_seams.m_listBeeps.size(), 1u);

    // Without an edit in progress EndLabelEdit does nothing.
    Tree().EndLabelEdit(false);
    EXPECT_EQ(Record(hA)->m_strName, L"zz 新しい名前");
}

TEST_F(DirTree, LockedTreeRefusesKeysEditingAndDraggingWithABeep)
{
    HTREEITEM hA = Dir(m_hRoot, L"a");
    HTREEITEM hB = Dir(m_hRoot, L"b");
    Tree().SelectItem(hA);
    Tree().m_bLocked = true;

    Tree().SendMessage(WM_KEYDOWN, VK_F2);
    EXPECT_FALSE(Tree().m_bEditing);
    EXPECT_EQ(Tree().GetEditControl(), nullptr);
    EXPECT_EQ(Tree().EditLabel(hA), nullptr);
    EXPECT_FALSE(m_host.BeginDrag(hB));
    EXPECT_FALSE(m_host.BeginDrag(hB, true));
    EXPECT_EQ(m_seams.m_listBeeps, (std::vector<UINT>{0, 0, 0, 0}));
    EXPECT_EQ(Tree().GetCount(), 3u);

    // An edit begun before the lock cannot end with a new name while it holds.
    Tree().m_bLocked = false;
    ASSERT_NE(Tree().EditLabel(hA), nullptr);
    ::SetWindowTextW(Tree().GetEditControl(), L"late");
    Tree().m_bLocked = true;
    Tree().EndLabelEdit(false);
    EXPECT_FALSE(Tree().m_bEditing);
    EXPECT_EQ(Record(hA)->m_strName, L"a");
    EXPECT_EQ(Tree().GetItemText(hA), L"a");
    EXPECT_EQ(m_seams.m_listBeeps.size(), 5u);

    Tree().m_bLocked = false;
    EXPECT_TRUE(m_host.BeginDrag(hB));
    m_host.Release(m_host.EmptyPoint(), MK_CONTROL);
    EXPECT_FALSE(Tree().IsDragging());
}

TEST_F(DirTree, CountFilesOverASubtree)
{
    HTREEITEM hA = Dir(m_hRoot, L"a", FILE_ATTRIBUTE_DIRECTORY, 3);
    HTREEITEM hA1 = Dir(hA, L"a1", FILE_ATTRIBUTE_DIRECTORY, 2);
    Dir(hA1, L"a1x", FILE_ATTRIBUTE_DIRECTORY, 1);
    Dir(m_hRoot, L"b", FILE_ATTRIBUTE_DIRECTORY, 4); // outside the subtree
    Record(m_hRoot)->AppendFile(std::make_unique<CCountedItem>(ITEM_KIND_FILE, L"r"))->m_dwSize = 0;
    Record(m_hRoot)->m_dwSize = 5ull << 30; // sizes past 32 bits add up
    Record(hA)->m_listFiles[0]->MarkCopied();
    Record(hA1)->m_listFiles[1]->MarkAttrSet();

    DWORD dwCount = 5;
    EXPECT_EQ(Tree().CountFiles(hA, dwCount, false), 600u);
    EXPECT_EQ(dwCount, 11u); // added to the caller's value
    dwCount = 0;
    EXPECT_EQ(Tree().CountFiles(hA, dwCount, true), 400u);
    EXPECT_EQ(dwCount, 4u);
    dwCount = 0;
    EXPECT_EQ(Tree().CountFiles(m_hRoot, dwCount, false), (5ull << 30) + 1000);
    EXPECT_EQ(dwCount, 11u);

    // Everything processed: nothing left to count.
    for (const auto &pRecord : Tree().GetItemDataList())
        for (auto &pFile : pRecord->m_listFiles)
            pFile->SetProcessed(true);
    dwCount = 0;
    EXPECT_EQ(Tree().CountFiles(m_hRoot, dwCount, true), 0u);
    EXPECT_EQ(dwCount, 0u);
    EXPECT_EQ(Tree().CountFiles(nullptr, dwCount, false), 0u);
}

} // namespace
