// Listing one directory into a list of owned records: directories first, then files.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The two record forms: a copy of the entry's find data, or its name alone.
using CFindDataList = std::vector<WIN32_FIND_DATAW>;
using CNameList = std::vector<std::wstring>;

enum : DWORD {
    ENUM_NAMES = 0x1,    // name records
    ENUM_FINDDATA = 0x2, // find-data records
    ENUM_DIRPASS = 0x4,  // before the patterns, one pass over "*.*" lists every sub-directory
    ENUM_DIRSONLY = 0x8, // the patterns select directories; files are not listed
    ENUM_SEP_BAR = 0x4000000,
    ENUM_SEP_SEMICOLON = 0x8000000,
};

// One record form and one separator: ENUM_FINDDATA yields to ENUM_NAMES, ENUM_SEP_SEMICOLON to
// ENUM_SEP_BAR; ENUM_NAMES and ENUM_SEP_BAR when none is given.
DWORD NormalizeEnumFlags(DWORD dwFlags);

// Lists the entries of strDir matching any of the patterns ("*.txt|*.doc", separator by the flags)
// into listOut (emptied first), each name once, never "." or "..". Directories come before files.
// The list's type decides the record form. With bPump the queue is offered to PumpMessagesIfDue
// before every entry.
// Names are looked up exactly as listed (see FileApiPath).
// Returns the number of records. *pdwError, when given, is 0 when the directory was listed to its
// end, otherwise the system's code of the failure that stopped the listing: only "no files" and
// "no more files" mean that nothing (more) is there.
int EnumDirectory(const std::wstring &strDir, const std::wstring &strPatterns, CFindDataList &listOut, DWORD dwFlags,
                  bool bPump, DWORD *pdwError = nullptr);
int EnumDirectory(const std::wstring &strDir, const std::wstring &strPatterns, CNameList &listOut, DWORD dwFlags,
                  bool bPump, DWORD *pdwError = nullptr);

// Empties a list of records held by value (no pointers to free) and gives back its memory.
template <class List> void FreePtrList(List &list)
{
    List().swap(list);
}
