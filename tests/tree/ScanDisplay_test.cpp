// The tree drawn at a steady rate while a scan selects every node it inserts: each drawing shows
// the rows that selecting the nodes one by one would have shown.
#include "tree/ScanDisplay.h"

#include "ScanHost.h"

namespace {

class ScanDisplayTest : public ScanTest {
protected:
    HTREEITEM AddDir(HTREEITEM hParent, const std::wstring &strName, HTREEITEM hPosition)
    {
        auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
        pDir->m_strName = strName;
        HTREEITEM h = Tree().InsertItemData(hParent, std::move(pDir), hPosition);
        EXPECT_NE(h, nullptr);
        if (Tree().m_pScanDisplay)
            Tree().m_pScanDisplay->TreeChanged();
        return h;
    }
    // The caret node lies wholly among the rows shown.
    bool CaretShown()
    {
        RECT rc = {};
        const RECT rcClient = Tree().GetClientRect();
        return Tree().GetItemRect(Tree().GetSelectedItem(), rc, false) && rc.top >= 0 && rc.bottom <= rcClient.bottom;
    }
};

TEST_F(ScanDisplayTest, EachDrawingShowsTheCaretNodeWhereverItWasInserted)
{
    Tree().NoExpandOnSearch = 0;
    Tree().m_bBusy = true; // a scan: every inserted node is selected
    {
        CScanDisplay display(Tree());
        const HTREEITEM hB = AddDir(m_hRoot, L"b", TVI_LAST);
        HTREEITEM hLast = nullptr;
        for (int i = 0; i < 60; ++i)
            hLast = AddDir(hB, L"b" + std::to_wstring(100 + i), TVI_LAST);
        ASSERT_EQ(Tree().GetSelectedItem(), hLast);
        display.Flush();
        EXPECT_TRUE(CaretShown()) << "below the rows shown";

        // Sorted above everything drawn so far.
        AddDir(m_hRoot, L"_a", TVI_SORT);
        ASSERT_EQ(Children(m_hRoot), (Labels{L"_a", L"b"}));
        display.Flush();
        EXPECT_TRUE(CaretShown()) << "above the rows shown";

        AddDir(hB, L"b999", TVI_LAST);
        display.Flush();
        EXPECT_TRUE(CaretShown()) << "below again";
    }
    Tree().m_bBusy = false;
    EXPECT_TRUE(Tree().IsWindowVisible());
    EXPECT_TRUE(CaretShown());
}

} // namespace
