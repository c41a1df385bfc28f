#include "Options.h"

#include <cwchar>

namespace {
CDriverOptions g_options;

bool TakeValue(const wchar_t *pszArg, const wchar_t *pszName, std::wstring &strValue)
{
    size_t cch = wcslen(pszName);
    if (wcsncmp(pszArg, pszName, cch) != 0)
        return false;
    strValue = pszArg + cch;
    return true;
}
} // namespace

const CDriverOptions &DriverOptions()
{
    return g_options;
}

bool ParseDriverOptions(int &argc, wchar_t **argv, std::wstring &strError)
{
    int nKept = 1;
    for (int i = 1; i < argc; ++i) {
        const wchar_t *pszArg = argv[i];
        std::wstring strDesktop;
        if (TakeValue(pszArg, L"--pelnix=", g_options.strPelnix) || TakeValue(pszArg, L"--out=", g_options.strOutDir) ||
            TakeValue(pszArg, L"--demo=", g_options.strDemo) || TakeValue(pszArg, L"--helper=", g_options.strHelper))
            continue;
        if (TakeValue(pszArg, L"--desktop=", strDesktop)) {
            if (swscanf(strDesktop.c_str(), L"%dx%d", &g_options.cxDesktop, &g_options.cyDesktop) != 2 ||
                g_options.cxDesktop <= 0 || g_options.cyDesktop <= 0) {
                strError = L"--desktop wants WIDTHxHEIGHT, not " + strDesktop;
                return false;
            }
            continue;
        }
        argv[nKept++] = argv[i];
    }
    argc = nKept;
    argv[argc] = nullptr;
    return true;
}

std::wstring OutPath(const std::wstring &strName)
{
    if (g_options.strOutDir.empty())
        return strName;
    std::wstring strDir = g_options.strOutDir;
    if (strDir.back() != L'\\' && strDir.back() != L'/')
        strDir += L'\\';
    return strDir + strName;
}
