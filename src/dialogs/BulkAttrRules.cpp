#include "dialogs/BulkAttrRules.h"

#include "support/SortList.h"
#include "tree/FileNameCompare.h"

CBulkControlStates BulkControlStates(const CBulkAttrChoices &choices)
{
    CBulkControlStates states;
    states.bDirAttributes = choices.m_bDirGroup != 0;
    states.bTimeChoices = choices.m_bTimeGroup != 0;
    // The field is refilled whatever the group: OK asks for its text whenever "指定" is chosen.
    states.bFillEmptyTime = choices.m_nTimeMode == TIME_MODE_SPECIFIED;
    states.bDateTime = states.bFillEmptyTime && choices.m_bTimeGroup != 0;
    states.bFileAttributes = choices.m_bAttrGroup != 0;
    states.bSort = choices.m_bSortGroup != 0;
    return states;
}

bool HasBulkChoice(const CBulkAttrChoices &choices)
{
    return choices.m_bDirGroup || choices.m_bTimeGroup || choices.m_bAttrGroup || choices.m_bSortGroup ||
           choices.m_bClearProcessed;
}

DWORD BulkDirAttributes(const CBulkAttrChoices &choices)
{
    DWORD dw = FILE_ATTRIBUTE_DIRECTORY;
    if (choices.m_bDirArchive)
        dw |= FILE_ATTRIBUTE_ARCHIVE;
    if (choices.m_bDirSystem)
        dw |= FILE_ATTRIBUTE_SYSTEM;
    if (choices.m_bDirHide)
        dw |= FILE_ATTRIBUTE_HIDDEN;
    if (choices.m_bDirReadOnly)
        dw |= FILE_ATTRIBUTE_READONLY;
    return dw;
}

DWORD BulkFileAttributes(const CBulkAttrChoices &choices)
{
    DWORD dw = 0;
    if (choices.m_bArchive)
        dw |= FILE_ATTRIBUTE_ARCHIVE;
    if (choices.m_bSystem)
        dw |= FILE_ATTRIBUTE_SYSTEM;
    if (choices.m_bHide)
        dw |= FILE_ATTRIBUTE_HIDDEN;
    if (choices.m_bReadOnly)
        dw |= FILE_ATTRIBUTE_READONLY;
    return dw;
}

DWORD BulkSortMode(const CBulkAttrChoices &choices)
{
    if (!choices.m_bSortGroup)
        return 0;
    DWORD dw = 0;
    if (choices.m_nSortOrder == 1)
        dw |= FILE_SORT_DESCENDING;
    if (choices.m_nSortKey == 1)
        dw |= FILE_SORT_BY_EXT;
    return dw;
}

bool ApplyBulkToRecord(CItemInfo &record, const CBulkAttrChoices &choices, bool bPump)
{
    bool bNewImage = false;
    // The root stands for the destination itself, whose attributes are not ours to set.
    if (choices.m_bDirGroup && record.IsKind(ITEM_KIND_DIR)) {
        record.m_dwAttributes = BulkDirAttributes(choices);
        bNewImage = true;
    }
    const bool bEntries =
        choices.m_bTimeGroup || choices.m_bAttrGroup || choices.m_bClearProcessed || choices.m_bSortGroup;
    if (!record.m_listFiles.empty() && bEntries) {
        // A radio group read with no button checked gives -1, which no entry may take.
        const bool bTime = choices.m_bTimeGroup && choices.m_nTimeMode >= TIME_MODE_SYSCLOCK &&
                           choices.m_nTimeMode <= TIME_MODE_SPECIFIED;
        const DWORD dwFileAttributes = BulkFileAttributes(choices);
        for (auto &pEntry : record.m_listFiles) {
            if (bTime) {
                pEntry->m_nTimeMode = choices.m_nTimeMode;
                if (choices.m_nTimeMode == TIME_MODE_SPECIFIED)
                    pEntry->m_ftSpecified = choices.m_ftSpecified;
            }
            // An unchanged word keeps the entry's marks: the run has nothing new to apply to it.
            if (choices.m_bAttrGroup && pEntry->m_dwAttributes != dwFileAttributes) {
                pEntry->MarkAttrSet();
                pEntry->m_dwAttributes = dwFileAttributes;
            }
            if (choices.m_bClearProcessed && pEntry->IsProcessed()) {
                pEntry->SetProcessed(false);
                bNewImage = true;
            }
        }
        if (choices.m_bSortGroup)
            SortFileList(record.m_listFiles, CFileNameCompare(BulkSortMode(choices)), bPump);
    }
    if (choices.m_bClearProcessed) {
        record.SetCopied(false);
        bNewImage = true;
    }
    return bNewImage;
}
