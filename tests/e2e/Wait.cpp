#include "Wait.h"

#include <cstdio>

CDriverError::CDriverError(const std::wstring &strWhat) : std::runtime_error(Utf8(strWhat)) {}

std::string Utf8(const std::wstring &str)
{
    if (str.empty())
        return {};
    int cb = ::WideCharToMultiByte(CP_UTF8, 0, str.data(), static_cast<int>(str.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(cb), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, str.data(), static_cast<int>(str.size()), out.data(), cb, nullptr, nullptr);
    return out;
}

std::wstring DescribeWindow(HWND hWnd)
{
    wchar_t szText[256] = L"", szClass[64] = L"";
    // A hung window must not hang the report of its failure.
    DWORD_PTR nResult = 0;
    ::SendMessageTimeoutW(hWnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(szText), SMTO_ABORTIFHUNG, 1000, &nResult);
    ::GetClassNameW(hWnd, szClass, 64);
    wchar_t szHandle[32];
    swprintf(szHandle, 32, L"%p", static_cast<void *>(hWnd));
    return std::wstring(szHandle) + L" \"" + szText + L"\" (" + szClass + L")";
}

std::wstring SystemErrorText(DWORD dwError)
{
    wchar_t *pszText = nullptr;
    DWORD cch =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, dwError, 0, reinterpret_cast<wchar_t *>(&pszText), 0, nullptr);
    std::wstring str = L"error " + std::to_wstring(dwError);
    if (cch && pszText) {
        std::wstring strText(pszText, cch);
        while (!strText.empty() && (strText.back() == L'\n' || strText.back() == L'\r'))
            strText.pop_back();
        str += L": " + strText;
    }
    ::LocalFree(pszText);
    return str;
}

void WaitUntil(const std::function<bool()> &fnDone, const std::wstring &strWhat, DWORD dwTimeoutMs)
{
    const ULONGLONG start = ::GetTickCount64();
    DWORD dwPause = 5;
    for (;;) {
        if (fnDone())
            return;
        ULONGLONG elapsed = ::GetTickCount64() - start;
        if (elapsed >= dwTimeoutMs) {
            wchar_t szTime[32];
            swprintf(szTime, 32, L"%.1f s", static_cast<double>(elapsed) / 1000.0);
            throw CDriverError(L"timed out after " + std::wstring(szTime) + L" waiting for " + strWhat);
        }
        ::Sleep(dwPause);
        if (dwPause < 50)
            dwPause *= 2;
    }
}
