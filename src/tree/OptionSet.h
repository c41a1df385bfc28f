// The user's options. They live as members of the directory tree view, named after their
// settings keys; the scan, the run and the windows read them directly.
#pragma once
#include <string>

// FileSortOrder: high word the direction, low bits the key.
enum : int {
    FSO_ASCENDING = 0x10000,
    FSO_DESCENDING = 0x20000,
    FSO_DIRECTION_MASK = 0x30000,
    FSO_BY_NAME = 0x1,
    FSO_BY_EXT = 0x2,
};

// FileOverWriteMode, in the order of the options dialog's list.
enum : int {
    FOW_ALWAYS = 0,   // "無条件に上書き"
    FOW_IF_NEWER = 1, // "複写元の方が新しい時のみ上書き"
    FOW_ASK = 2,      // "確認する"
    FOW_NEVER = 3,    // "上書きしない"
};

struct OptionSet {
    OptionSet();

    int NoExpandOnSearch = 0;
    int SkipSystemDir = 0; // a first start without a settings file skips them: the loader's default is 1
    int SkipHiddenDir = 0;
    int NotCopyFile = 1;
    int UseErrorLog = 0;
    int ProtectAttrOfExist = 1;
    int BreakOnDiskFull = 0;
    int NoExpandOnCopy = 0;
    int FileSortOrder = FSO_BY_EXT;
    int FileOverWriteMode = FOW_IF_NEWER;
    std::wstring ErrorLogFilePath; // an existing directory; no trailing backslash but for a drive root
};

// The system's temporary directory in the form ErrorLogFilePath keeps.
std::wstring DefaultErrorLogDirectory();

// What a stored or edited value may be, whoever takes it in (the settings loader, the options dialog).
// A flag holds 0 or 1: any other number is 1.
int NormaliseFlag(int nValue);
// Only the direction and key bits are kept; ascending wins over descending, the name over the extension.
int NormaliseFileSortOrder(int nOrder);
// Anything outside 0..3 becomes 1 (only when the source is newer).
int NormaliseFileOverWriteMode(int nMode);
// A log directory as the settings accept it: blanks around it trimmed, and an absolute path (a
// drive letter with its backslash, or a UNC path); empty for anything else.
std::wstring ErrorLogDirectorySetting(const std::wstring &strText);
