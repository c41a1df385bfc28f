#include "tree/OptionSet.h"

#include "support/Path.h"
#include "support/TokenList.h"

#include <windows.h>

OptionSet::OptionSet() : ErrorLogFilePath(DefaultErrorLogDirectory()) {}

std::wstring DefaultErrorLogDirectory()
{
    wchar_t szTemp[MAX_PATH + 1];
    DWORD n = ::GetTempPathW(MAX_PATH + 1, szTemp);
    // "C:\" keeps its backslash; "C:\Temp\" does not.
    return RemoveTrailingBackslash(std::wstring(szTemp, n <= MAX_PATH ? n : 0));
}

int NormaliseFlag(int nValue)
{
    return nValue != 0 ? 1 : 0;
}

int NormaliseFileSortOrder(int nOrder)
{
    nOrder &= FSO_DIRECTION_MASK | FSO_BY_NAME | FSO_BY_EXT;
    if ((nOrder & FSO_ASCENDING) && (nOrder & FSO_DESCENDING))
        nOrder &= ~FSO_DESCENDING;
    if ((nOrder & FSO_BY_NAME) && (nOrder & FSO_BY_EXT))
        nOrder &= ~FSO_BY_EXT;
    return nOrder;
}

int NormaliseFileOverWriteMode(int nMode)
{
    return (nMode < FOW_ALWAYS || nMode > FOW_NEVER) ? FOW_IF_NEWER : nMode;
}

std::wstring ErrorLogDirectorySetting(const std::wstring &strText)
{
    const std::wstring strPath = TrimBlanks(strText);
    // A drive letter with its backslash, or a UNC path: anything else depends on the current
    // directory or drive of the moment.
    const bool bDrive = strPath.size() >= 3 && strPath[1] == L':' && strPath[2] == L'\\' &&
                        ((strPath[0] >= L'A' && strPath[0] <= L'Z') || (strPath[0] >= L'a' && strPath[0] <= L'z'));
    const bool bUnc = strPath.size() > 2 && strPath[0] == L'\\' && strPath[1] == L'\\' && strPath[2] != L'\\';
    return bDrive || bUnc ? strPath : std::wstring();
}
