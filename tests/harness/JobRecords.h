// Every field of every record of a tree, one line per record in the tree's order, so that two
// trees compare record for record and a difference shows which record and which field.
#pragma once
#include "tree/DirTreeCtrl.h"
#include "tree/JobFile.h"

#include <cstdio>
#include <string>
#include <vector>

using RecordLines = std::vector<std::string>;

inline std::string RecordLine(const CItemInfo &r, int nDepth)
{
    std::string strName;
    for (wchar_t ch : r.m_strName + L" | " + r.m_strSourcePath)
        strName += ch < 0x80 ? static_cast<char>(ch) : '?';
    char sz[256];
    std::snprintf(sz, sizeof sz, "%d kind=%08lx attr=%08lx mode=%d src=%08lx%08lx at=%08lx%08lx size=%llu ", nDepth,
                  r.m_dwKindFlags, r.m_dwAttributes, r.m_nTimeMode, r.m_ftSource.dwHighDateTime,
                  r.m_ftSource.dwLowDateTime, r.m_ftSpecified.dwHighDateTime, r.m_ftSpecified.dwLowDateTime,
                  static_cast<unsigned long long>(r.m_dwSize));
    // Names outside ASCII still differ by their UTF-16 units.
    std::string strUnits;
    for (wchar_t ch : r.m_strName)
        strUnits += std::to_string(static_cast<unsigned>(ch)) + ".";
    return sz + strName + " " + strUnits;
}

inline void AddRecordLines(const CItemInfo &r, int nDepth, RecordLines &lines)
{
    lines.push_back(RecordLine(r, nDepth));
    for (const auto &pFile : r.m_listFiles)
        lines.push_back("  " + RecordLine(*pFile, nDepth));
}

inline void AddTreeLines(const CDirTreeCtrl &tree, HTREEITEM h, int nDepth, RecordLines &lines)
{
    AddRecordLines(*tree.GetItemRecord(h), nDepth, lines);
    for (HTREEITEM hChild = tree.GetChildItem(h); hChild; hChild = tree.GetNextSiblingItem(hChild))
        AddTreeLines(tree, hChild, nDepth + 1, lines);
}

inline RecordLines TreeRecords(const CDirTreeCtrl &tree)
{
    RecordLines lines;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h))
        AddTreeLines(tree, h, 0, lines);
    return lines;
}

inline void AddNodeLines(const CJobNode &node, int nDepth, RecordLines &lines)
{
    AddRecordLines(*node.pRecord, nDepth, lines);
    for (const CJobNode &child : node.listChildren)
        AddNodeLines(child, nDepth + 1, lines);
}

inline RecordLines JobRecords(const CJob &job)
{
    RecordLines lines;
    if (job.root.pRecord)
        AddNodeLines(job.root, 0, lines);
    return lines;
}
