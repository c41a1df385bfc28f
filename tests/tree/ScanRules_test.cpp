// The scan's rules that need no window, and the sorted position of a new node next to the one the
// tree view control picks itself.
#include "tree/ScanRules.h"
#include "tree/SiblingOrder.h"

#include "support/SortList.h"
#include "tree/OptionSet.h"

#include "CountedItem.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Labels = std::vector<std::wstring>;

TEST(ScanRules, SortModeOfFileSortOrder)
{
    const struct {
        int nOrder;
        DWORD dwMode;
    } modes[] = {
        {FSO_BY_EXT, 0},
        {FSO_BY_NAME, 0},
        {0, 0},
        {FSO_ASCENDING | FSO_BY_NAME, SORT_FINDDATA | SORT_ASCENDING | SORT_BY_NAME},
        {FSO_DESCENDING | FSO_BY_EXT, SORT_FINDDATA | SORT_DESCENDING},
        {FSO_ASCENDING, SORT_FINDDATA | SORT_ASCENDING},
        {0x40001, SORT_FINDDATA | SORT_BY_NAME}, // another bit of the high word still sorts
    };
    for (const auto &c : modes)
        EXPECT_EQ(ScanSortMode(c.nOrder), c.dwMode) << c.nOrder;
}

TEST(ScanRules, RecordsKeepWholeSizesAndJoinPathsAtADriveRoot)
{
    WIN32_FIND_DATAW fd = {};
    wcscpy(fd.cFileName, L"big.iso");
    fd.nFileSizeHigh = 1;
    fd.nFileSizeLow = 5;
    auto pFile = MakeScanRecord(fd, L"D:\\src");
    EXPECT_TRUE(pFile->IsKind(ITEM_KIND_FILE));
    EXPECT_EQ(pFile->m_dwSize, 0x100000005ull);
    EXPECT_TRUE(pFile->m_strSourcePath.empty());

    wcscpy(fd.cFileName, L"データ");
    fd.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    auto pDir = MakeScanRecord(fd, L"C:\\");
    EXPECT_TRUE(pDir->IsKind(ITEM_KIND_DIR));
    EXPECT_EQ(pDir->m_strSourcePath, L"C:\\データ");
    EXPECT_EQ(pDir->m_dwSize, 0u);
}

TEST(ScanRules, EachKnownFileAbsorbsOneNewFileOfItsNameInAnyCase)
{
    CItemInfo dir(ITEM_KIND_DIR);
    for (const wchar_t *name : {L"Read.me", L"b.txt", L"READ.ME", L"ファイル"}) {
        auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
        pFile->m_strName = name;
        dir.AppendFile(std::move(pFile));
    }
    CKnownFiles known(dir.m_listFiles);
    EXPECT_FALSE(known.Take(L"c.txt"));
    EXPECT_TRUE(known.Take(L"read.me"));
    EXPECT_TRUE(known.Take(L"Read.Me")); // the second of the two
    EXPECT_FALSE(known.Take(L"read.me"));
    EXPECT_TRUE(known.Take(L"B.TXT"));
    EXPECT_TRUE(known.Take(L"ファイル"));
    EXPECT_FALSE(known.Take(L"ファイル"));
    EXPECT_FALSE(CKnownFiles(CItemList()).Take(L"b.txt"));
}

// Two real tree view controls: one places every node itself, the other is told where.
class SiblingOrderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        ASSERT_TRUE(
            m_reference.CreateEx(0, WC_TREEVIEWW, L"", WS_CHILD, RECT{0, 0, 100, 100}, m_host.m_wndHost.m_hWnd, 0));
    }
    Labels Children(const CTreeCtrl &tree, HTREEITEM hParent) const
    {
        Labels list;
        for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h))
            list.push_back(tree.GetItemText(h));
        return list;
    }
    // Inserts the names in this order both ways; returns how often the control had to decide.
    int InsertBothWays(const Labels &names)
    {
        HTREEITEM hRef = m_reference.InsertItem(L"p", 0, 0, TVI_ROOT, TVI_LAST);
        HTREEITEM hOwn = m_host.m_tree.InsertItem(L"p", 0, 0, TVI_ROOT, TVI_LAST);
        CSiblingOrder order;
        int nLeft = 0, nIndex = 0;
        for (const std::wstring &name : names) {
            m_reference.InsertItem(name, 0, 0, hRef, TVI_SORT);
            const HTREEITEM hPosition = order.PositionOf(name);
            nLeft += hPosition == TVI_SORT;
            HTREEITEM hNew = m_host.m_tree.InsertItem(name, 0, 0, hOwn, hPosition);
            order.Inserted(hNew, name, hPosition,
                           hPosition == TVI_SORT ? m_host.m_tree.GetPrevSiblingItem(hNew) : nullptr);
            EXPECT_EQ(Children(m_host.m_tree, hOwn), Children(m_reference, hRef)) << "after name " << nIndex;
            ++nIndex;
        }
        EXPECT_EQ(order.GetCount(), names.size());
        return nLeft;
    }

    CTreeViewHost<CDragTreeCtrl> m_host{TVH_TREE_STAGE};
    CTreeCtrl m_reference;
};

TEST_F(SiblingOrderTest, FindsThePositionTheControlWouldInAnyInsertionOrder)
{
    Labels names = {L"a_b", L"ab", L"a-b", L"A b", L"abc", L"a.b", L"ａｂ", L"データ", L"でーた", L"_x",
                    L"-x",  L" x", L"x1",  L"x10", L"x2",  L"z",   L"Z1",   L"é",      L"e",      L"f"};
    std::mt19937 random(20240607);
    for (int nRound = 0; nRound < 6; ++nRound) {
        std::shuffle(names.begin(), names.end(), random);
        EXPECT_EQ(InsertBothWays(names), 0); // distinct names: never the control's walk
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(InsertBothWays(names), 0);

    // Names equal but for case, equal, or equal in the user's language are left to the control,
    // which still agrees.
    Labels ties = {L"ab", L"AB", L"Ab", L"ab", L"b", L"a", L"AB", L"aB", L"ß", L"ss", L"æ", L"ae"};
    for (int nRound = 0; nRound < 4; ++nRound) {
        EXPECT_GT(InsertBothWays(ties), 0);
        std::shuffle(ties.begin(), ties.end(), random);
    }
}

} // namespace
