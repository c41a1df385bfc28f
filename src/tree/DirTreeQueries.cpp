// Questions other parts of the program ask the tree.
#include "tree/DirTreeCtrl.h"

uint64_t CDirTreeCtrl::CountFiles(HTREEITEM hItem, DWORD &dwCount, bool bUnprocessedOnly) const
{
    uint64_t nSize = 0;
    for (HTREEITEM h = hItem; h; h = NextInSubtree(h, hItem)) {
        const CItemInfo *pRecord = GetItemRecord(h);
        if (!pRecord)
            continue;
        if (!bUnprocessedOnly) {
            dwCount += static_cast<DWORD>(pRecord->m_listFiles.size());
            nSize += pRecord->m_dwSize;
            continue;
        }
        for (const auto &pFile : pRecord->m_listFiles) {
            if (!pFile->IsProcessed()) {
                ++dwCount;
                nSize += pFile->m_dwSize;
            }
        }
    }
    return nSize;
}
