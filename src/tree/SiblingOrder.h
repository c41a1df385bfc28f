// Where a new node goes among its siblings when it is to be inserted in sorted position.
// The tree view finds that position itself by comparing the label with every sibling from the
// first, which makes filling a directory of thousands quadratic. This keeps the labels of the
// siblings in the control's order and finds the same position by binary search; only where the
// answer depends on how the control compares (labels equal but for case) it leaves the choice to
// the control and learns afterwards where the node went.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// The tree view compares labels in the user's locale: case-sensitively in some versions, ignoring
// case in others. These hold only where both comparisons agree.
bool LabelSortsAfter(const std::wstring &strLabel, const std::wstring &strOther);
bool LabelSortsBefore(const std::wstring &strLabel, const std::wstring &strOther);

class CSiblingOrder {
public:
    // The position for InsertItemData: TVI_LAST, TVI_FIRST, the sibling to insert after, or TVI_SORT
    // when only the control can tell.
    HTREEITEM PositionOf(const std::wstring &strLabel) const;
    // Records the node inserted at hPosition; after TVI_SORT hPrevSibling says where it went.
    void Inserted(HTREEITEM hItem, const std::wstring &strLabel, HTREEITEM hPosition, HTREEITEM hPrevSibling);

    size_t GetCount() const { return m_list.size(); }

private:
    struct CSibling {
        std::wstring strLabel;
        HTREEITEM hItem;
    };
    // Index of the first sibling the label does not sort after.
    size_t LowerBound(const std::wstring &strLabel) const;

    std::vector<CSibling> m_list; // in the control's order
};
