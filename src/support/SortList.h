// Sorting lists of records: directories before files, then by extension or by whole name.
#pragma once
#include "support/EnumDirectory.h"
#include "support/Pump.h"

#include <algorithm>
#include <string>
#include <vector>

enum : DWORD {
    SORT_NAMES = 0x1,    // name records
    SORT_FINDDATA = 0x2, // find-data records
    SORT_ASCENDING = 0x100,
    SORT_DESCENDING = 0x200, // the key comparison is negated; directories stay first
    SORT_BY_NAME = 0x400,    // key is the whole name; without it the extension, then the base
};

// One record form and one direction: SORT_FINDDATA yields to SORT_NAMES, SORT_DESCENDING to
// SORT_ASCENDING; SORT_NAMES and SORT_ASCENDING when none is given.
DWORD NormalizeSortMode(DWORD dwMode);

// Compares names (of find data: directories first, whatever the direction), ignoring case; <0, 0, >0.
int FindDataCompare(const WIN32_FIND_DATAW &a, const WIN32_FIND_DATAW &b, DWORD dwMode);
int FindDataCompare(const std::wstring &a, const std::wstring &b, DWORD dwMode);

// FindDataCompare with its mode; with bPump every comparison offers the queue to PumpMessagesIfDue.
class CFindDataCompare {
public:
    CFindDataCompare(DWORD dwMode, bool bPump) : m_dwMode(NormalizeSortMode(dwMode)), m_bPump(bPump) {}
    template <class Record> int operator()(const Record &a, const Record &b) const
    {
        if (m_bPump)
            PumpMessagesIfDue();
        return FindDataCompare(a, b, m_dwMode);
    }

private:
    DWORD m_dwMode;
    bool m_bPump;
};

// Sorts any list (vector, list, deque) with compare(a, b) returning <0, 0, >0; equal records may
// change their order. The records leave the list while they are sorted, so a message dispatched
// meanwhile sees a shorter list, never a half-moved record. With bPump every record taken out and
// put back offers the queue to PumpMessagesIfDue.
template <class List, class Compare> void SortFileList(List &list, Compare compare, bool bPump)
{
    if (list.size() < 2)
        return;
    List listTaken;
    listTaken.swap(list);
    std::vector<typename List::value_type *> order;
    order.reserve(listTaken.size());
    for (auto &record : listTaken) {
        if (bPump)
            PumpMessagesIfDue();
        order.push_back(&record);
    }
    std::sort(order.begin(), order.end(), [&compare](const auto *a, const auto *b) { return compare(*a, *b) < 0; });
    for (auto *pRecord : order) {
        if (bPump)
            PumpMessagesIfDue();
        list.push_back(std::move(*pRecord));
    }
}

// Sorts a directory listing by the mode; fewer than two records stay as they are.
void SortFindList(CFindDataList &list, DWORD dwMode, bool bPump);
void SortFindList(CNameList &list, DWORD dwMode, bool bPump);
