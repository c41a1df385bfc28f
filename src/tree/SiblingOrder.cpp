#include "tree/SiblingOrder.h"

#include <algorithm>

bool LabelSortsAfter(const std::wstring &strLabel, const std::wstring &strOther)
{
    return ::lstrcmpW(strLabel.c_str(), strOther.c_str()) > 0 && ::lstrcmpiW(strLabel.c_str(), strOther.c_str()) > 0;
}

bool LabelSortsBefore(const std::wstring &strLabel, const std::wstring &strOther)
{
    return ::lstrcmpW(strLabel.c_str(), strOther.c_str()) < 0 && ::lstrcmpiW(strLabel.c_str(), strOther.c_str()) < 0;
}

size_t CSiblingOrder::LowerBound(const std::wstring &strLabel) const
{
    auto it = std::partition_point(m_list.begin(), m_list.end(),
                                   [&strLabel](const CSibling &s) { return LabelSortsAfter(strLabel, s.strLabel); });
    return static_cast<size_t>(it - m_list.begin());
}

HTREEITEM CSiblingOrder::PositionOf(const std::wstring &strLabel) const
{
    const size_t nIndex = LowerBound(strLabel);
    if (nIndex == m_list.size())
        return TVI_LAST;
    if (!LabelSortsBefore(strLabel, m_list[nIndex].strLabel))
        return TVI_SORT;
    return nIndex == 0 ? TVI_FIRST : m_list[nIndex - 1].hItem;
}

void CSiblingOrder::Inserted(HTREEITEM hItem, const std::wstring &strLabel, HTREEITEM hPosition, HTREEITEM hPrevSibling)
{
    size_t nIndex;
    if (hPosition == TVI_LAST) {
        nIndex = m_list.size();
    } else if (hPosition == TVI_FIRST) {
        nIndex = 0;
    } else {
        HTREEITEM hAfter = hPosition == TVI_SORT ? hPrevSibling : hPosition;
        auto it = std::find_if(m_list.begin(), m_list.end(), [hAfter](const CSibling &s) { return s.hItem == hAfter; });
        nIndex = it == m_list.end() ? 0 : static_cast<size_t>(it - m_list.begin()) + 1;
    }
    m_list.insert(m_list.begin() + static_cast<std::ptrdiff_t>(nIndex), CSibling{strLabel, hItem});
}
