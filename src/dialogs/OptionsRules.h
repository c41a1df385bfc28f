// The options dialog's rules as values: how FileSortOrder maps to its two radio groups and back,
// which controls a state enables, and the texts of the log-directory check.
#pragma once
#include <string>

// Direction radio index: 1 ascending, 2 descending (the high word exactly one of them), else 0.
int SortDirectionIndex(int nFileSortOrder);
// Key radio index: 0 by name (the low word exactly 1), else 1 by extension.
int SortKeyIndex(int nFileSortOrder);
// FileSortOrder from the two indexes: the direction's bit (none for 0) plus the key's bit.
int MakeFileSortOrder(int nDirectionIndex, int nKeyIndex);

// What the files and sort choices enable; every other control stays enabled.
struct COptionControlStates {
    bool bSortDirection;   // IDC_OPT_SORT_NONE, _ASCENDING, _DESCENDING
    bool bSortKey;         // IDC_OPT_SORT_BY_NAME, _BY_EXT
    bool bOverWriteMode;   // IDC_OPT_OVERWRITE_MODE
    bool bBreakOnDiskFull; // IDC_OPT_BREAK_ON_DISK_FULL
};
COptionControlStates OptionControlStates(bool bNotCopyFile, int nDirectionIndex);

// The question when the log directory does not exist, and the error when it cannot be created.
std::wstring LogDirMissingQuestion(const std::wstring &strDir);
std::wstring LogDirNotCreatedMessage(const std::wstring &strDir);
