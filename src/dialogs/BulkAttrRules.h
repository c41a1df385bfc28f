// The bulk settings as values: what the user chose, which controls that enables, the attribute
// words and sort mode it gives, and what it does to one directory record and its file entries.
#pragma once
#include "tree/ItemInfo.h"

// Check boxes and radio indexes as the dialog's data exchange reads them (0/1 unless stated).
struct CBulkAttrChoices {
    int m_bDirGroup = 0; // set every sub-directory's attributes
    int m_bDirArchive = 0;
    int m_bDirSystem = 0;
    int m_bDirHide = 0;
    int m_bDirReadOnly = 0;
    int m_bTimeGroup = 0;               // set every file entry's timestamp choice
    int m_nTimeMode = TIME_MODE_SOURCE; // TIME_MODE_*
    FILETIME m_ftSpecified = {};        // UTC; taken on OK for TIME_MODE_SPECIFIED, else zero
    int m_bAttrGroup = 0;               // set every file entry's attributes
    int m_bArchive = 0;
    int m_bSystem = 0;
    int m_bHide = 0;
    int m_bReadOnly = 0;
    int m_bSortGroup = 0;      // re-sort every file list
    int m_nSortOrder = 0;      // 0 ascending, 1 descending
    int m_nSortKey = 0;        // 0 by name, 1 by extension
    int m_bClearProcessed = 0; // clear every processed mark
};

// Which controls are enabled; bFillEmptyTime: an empty date-time field is to show the current time.
struct CBulkControlStates {
    bool bDirAttributes = false;
    bool bTimeChoices = false;
    bool bDateTime = false;
    bool bFillEmptyTime = false;
    bool bFileAttributes = false;
    bool bSort = false;
};
CBulkControlStates BulkControlStates(const CBulkAttrChoices &choices);

// False when no group and no clearing is chosen: the pass would change nothing.
bool HasBulkChoice(const CBulkAttrChoices &choices);
// The directory bit and the chosen bits.
DWORD BulkDirAttributes(const CBulkAttrChoices &choices);
// The chosen bits, without the directory bit.
DWORD BulkFileAttributes(const CBulkAttrChoices &choices);
// FILE_SORT_* for CFileNameCompare; 0 when no sort is chosen.
DWORD BulkSortMode(const CBulkAttrChoices &choices);

// Applies the choices to a root or directory record and its file entries (bPump: the sort lets the
// queue through). True when the record's node needs a new image.
bool ApplyBulkToRecord(CItemInfo &record, const CBulkAttrChoices &choices, bool bPump);
