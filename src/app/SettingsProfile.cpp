#include "app/SettingsProfile.h"

#include <windows.h>

#include <vector>

std::wstring EscapeControlChars(const std::wstring &strText, int nSelector, bool bEncode)
{
    const wchar_t *pszRaw = nSelector == ESCAPE_TAB ? L"\t" : L"\r\n";
    const wchar_t *pszToken = nSelector == ESCAPE_TAB ? L"<\\x09>" : L"<\\x0D\\x0A>";
    const std::wstring strFrom = bEncode ? pszRaw : pszToken;
    const std::wstring strTo = bEncode ? pszToken : pszRaw;

    std::wstring strOut;
    strOut.reserve(strText.size());
    size_t pos = 0;
    for (;;) {
        size_t hit = strText.find(strFrom, pos);
        if (hit == std::wstring::npos)
            break;
        strOut.append(strText, pos, hit - pos);
        strOut += strTo;
        pos = hit + strFrom.size();
    }
    strOut.append(strText, pos, std::wstring::npos);
    return strOut;
}

unsigned NextIniReadBufferSize(unsigned nSize)
{
    constexpr unsigned MAX_SIZE = 0x40000000u; // characters; a buffer of 2 GiB
    return nSize >= MAX_SIZE ? 0 : nSize * 2;
}

int ReadIniInt(const std::wstring &strSection, const std::wstring &strKey, int nDefault, const std::wstring &strIniPath)
{
    return static_cast<int>(::GetPrivateProfileIntW(strSection.c_str(), strKey.c_str(), nDefault, strIniPath.c_str()));
}

void WriteIniInt(const std::wstring &strSection, const std::wstring &strKey, int nValue, const std::wstring &strIniPath)
{
    ::WritePrivateProfileStringW(strSection.c_str(), strKey.c_str(), std::to_wstring(nValue).c_str(),
                                 strIniPath.c_str());
}

std::wstring ReadIniString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strDefault,
                           const std::wstring &strIniPath)
{
    std::vector<wchar_t> buf(INI_READ_CHUNK);
    DWORD n;
    // A full buffer (size - 1 characters) means the value may have been cut: try a larger one.
    for (;;) {
        n = ::GetPrivateProfileStringW(strSection.c_str(), strKey.c_str(), strDefault.c_str(), buf.data(),
                                       static_cast<DWORD>(buf.size()), strIniPath.c_str());
        if (n != buf.size() - 1)
            break;
        const unsigned nNext = NextIniReadBufferSize(static_cast<unsigned>(buf.size()));
        if (nNext == 0)
            break;
        buf.resize(nNext);
    }
    std::wstring strValue(buf.data(), n);
    return EscapeControlChars(EscapeControlChars(strValue, ESCAPE_TAB, false), ESCAPE_CRLF, false);
}

void WriteIniString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strValue,
                    const std::wstring &strIniPath)
{
    std::wstring strEscaped = EscapeControlChars(EscapeControlChars(strValue, ESCAPE_TAB, true), ESCAPE_CRLF, true);
    ::WritePrivateProfileStringW(strSection.c_str(), strKey.c_str(), strEscaped.c_str(), strIniPath.c_str());
}

void DeleteIniSection(const std::wstring &strSection, const std::wstring &strIniPath)
{
    ::WritePrivateProfileStringW(strSection.c_str(), nullptr, nullptr, strIniPath.c_str());
}
