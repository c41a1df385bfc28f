#include "tree/OptionSet.h"

#include <windows.h>

OptionSet::OptionSet() : ErrorLogFilePath(DefaultErrorLogDirectory()) {}

std::wstring DefaultErrorLogDirectory()
{
    wchar_t szTemp[MAX_PATH + 1];
    DWORD n = ::GetTempPathW(MAX_PATH + 1, szTemp);
    std::wstring path(szTemp, n <= MAX_PATH ? n : 0);
    // "C:\" keeps its backslash; "C:\Temp\" does not.
    if (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}
