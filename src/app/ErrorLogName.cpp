#include "app/ErrorLogName.h"

#include "support/Path.h"

#include <cwchar>
#include <iterator>

std::wstring ErrorLogFileNameFor(const std::wstring &strLogDir, DWORD dwProcessId)
{
    wchar_t szName[32];
    std::swprintf(szName, std::size(szName), L"PLX[%08X].err", static_cast<unsigned>(dwProcessId));
    return JoinPath(strLogDir, szName);
}
