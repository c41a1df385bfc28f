#include "support/SystemError.h"

std::wstring GetSystemErrorText(DWORD dwError, bool bStripLineBreaks)
{
    wchar_t *pszText = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t *>(&pszText), 0, nullptr);
    if (n == 0 || !pszText) {
        if (pszText)
            ::LocalFree(pszText);
        return L"Unknown";
    }
    std::wstring str(pszText, n);
    ::LocalFree(pszText);
    if (bStripLineBreaks) {
        for (size_t pos = str.find(L"\r\n"); pos != std::wstring::npos; pos = str.find(L"\r\n", pos))
            str.erase(pos, 2);
    }
    return str;
}
