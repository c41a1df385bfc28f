#include "support/DllVersion.h"

namespace {

struct CComCtlAnswers {
    bool b470 = false;
    bool b471 = false;
};

CComCtlAnswers AskComCtlVersion()
{
    CComCtlAnswers answers;
    DLLVERSIONINFO info = {};
    if (!GetDllVersion(L"COMCTL32.DLL", 4, &info))
        return answers;
    if (info.dwMajorVersion > 4) {
        answers.b470 = answers.b471 = true;
    } else if (info.dwMajorVersion == 4) {
        answers.b470 = info.dwMinorVersion >= 70;
        answers.b471 = info.dwMinorVersion >= 71;
    }
    return answers;
}

const CComCtlAnswers &ComCtlAnswers()
{
    static const CComCtlAnswers answers = AskComCtlVersion();
    return answers;
}

} // namespace

bool GetDllVersion(const wchar_t *pszDllName, int nLevel, DLLVERSIONINFO *pInfo)
{
    HMODULE hDll = ::LoadLibraryW(pszDllName);
    if (!hDll)
        return false;
    auto pfn = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void *>(::GetProcAddress(hDll, "DllGetVersion")));
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof(info);
    const bool bOk = pfn && SUCCEEDED(pfn(&info));
    ::FreeLibrary(hDll);
    if (!bOk)
        return false;
    if (pInfo && nLevel >= 1 && nLevel <= 4) {
        pInfo->dwMajorVersion = info.dwMajorVersion;
        if (nLevel >= 2)
            pInfo->dwMinorVersion = info.dwMinorVersion;
        if (nLevel >= 3)
            pInfo->dwBuildNumber = info.dwBuildNumber;
        if (nLevel >= 4)
            pInfo->dwPlatformID = info.dwPlatformID;
    }
    return true;
}

bool IsComCtl470OrLater()
{
    return ComCtlAnswers().b470;
}

bool IsComCtl471OrLater()
{
    return ComCtlAnswers().b471;
}
