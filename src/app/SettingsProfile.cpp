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

bool WriteIniInt(const std::wstring &strSection, const std::wstring &strKey, int nValue, const std::wstring &strIniPath)
{
    return ::WritePrivateProfileStringW(strSection.c_str(), strKey.c_str(), std::to_wstring(nValue).c_str(),
                                        strIniPath.c_str()) != FALSE;
}

std::wstring ReadIniText(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strDefault,
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
    return std::wstring(buf.data(), n);
}

std::wstring ReadIniString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strDefault,
                           const std::wstring &strIniPath)
{
    const std::wstring strValue = ReadIniText(strSection, strKey, strDefault, strIniPath);
    return EscapeControlChars(EscapeControlChars(strValue, ESCAPE_TAB, false), ESCAPE_CRLF, false);
}

std::wstring EncodeIniString(const std::wstring &strValue)
{
    return EscapeControlChars(EscapeControlChars(strValue, ESCAPE_TAB, true), ESCAPE_CRLF, true);
}

bool WriteIniString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strValue,
                    const std::wstring &strIniPath)
{
    return ::WritePrivateProfileStringW(strSection.c_str(), strKey.c_str(), EncodeIniString(strValue).c_str(),
                                        strIniPath.c_str()) != FALSE;
}

bool DeleteIniSection(const std::wstring &strSection, const std::wstring &strIniPath)
{
    return ::WritePrivateProfileStringW(strSection.c_str(), nullptr, nullptr, strIniPath.c_str()) != FALSE;
}

namespace {

// A list of texts each ended by a NUL, the list by a second one; fnRead returns what it copied and
// reports a buffer that was too small as its size less 2.
template <typename F> std::vector<std::wstring> ReadNulList(F fnRead)
{
    std::vector<wchar_t> buf(INI_READ_CHUNK);
    DWORD n;
    for (;;) {
        n = fnRead(buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size() - 2)
            break;
        const unsigned nNext = NextIniReadBufferSize(static_cast<unsigned>(buf.size()));
        if (nNext == 0)
            break;
        buf.resize(nNext);
    }
    std::vector<std::wstring> list;
    for (size_t pos = 0; pos < n;) {
        std::wstring str(buf.data() + pos);
        pos += str.size() + 1;
        if (!str.empty())
            list.push_back(std::move(str));
    }
    return list;
}

} // namespace

std::vector<std::wstring> ReadIniSectionNames(const std::wstring &strIniPath)
{
    return ReadNulList(
        [&](wchar_t *psz, DWORD nSize) { return ::GetPrivateProfileSectionNamesW(psz, nSize, strIniPath.c_str()); });
}

std::vector<std::wstring> ReadIniSectionLines(const std::wstring &strSection, const std::wstring &strIniPath)
{
    return ReadNulList([&](wchar_t *psz, DWORD nSize) {
        return ::GetPrivateProfileSectionW(strSection.c_str(), psz, nSize, strIniPath.c_str());
    });
}

void FlushIniCache(const std::wstring &strIniPath)
{
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, strIniPath.c_str());
}
