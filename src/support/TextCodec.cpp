#include "support/TextCodec.h"

#include <windows.h>

#include <climits>

namespace {

bool DecodeCodePage(UINT nCodePage, std::string_view strText, std::wstring &strOut)
{
    strOut.clear();
    if (strText.empty())
        return true;
    if (strText.size() > static_cast<size_t>(INT_MAX))
        return false;
    const int nBytes = static_cast<int>(strText.size());
    const int nChars = ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, strText.data(), nBytes, nullptr, 0);
    if (nChars <= 0)
        return false;
    strOut.resize(static_cast<size_t>(nChars));
    return ::MultiByteToWideChar(nCodePage, MB_ERR_INVALID_CHARS, strText.data(), nBytes, strOut.data(), nChars) ==
           nChars;
}

} // namespace

std::string WideToUtf8(std::wstring_view strText)
{
    std::string strOut;
    if (strText.empty() || strText.size() > static_cast<size_t>(INT_MAX / 3))
        return strOut;
    const int nChars = static_cast<int>(strText.size());
    const int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, strText.data(), nChars, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return strOut;
    strOut.resize(static_cast<size_t>(nBytes));
    ::WideCharToMultiByte(CP_UTF8, 0, strText.data(), nChars, strOut.data(), nBytes, nullptr, nullptr);
    return strOut;
}

bool Utf8ToWide(std::string_view strText, std::wstring &strOut)
{
    return DecodeCodePage(CP_UTF8, strText, strOut);
}

bool DecodeTextFile(std::string_view bytes, std::wstring &strOut)
{
    constexpr std::string_view BOM = "\xEF\xBB\xBF";
    if (bytes.substr(0, BOM.size()) == BOM)
        return Utf8ToWide(bytes.substr(BOM.size()), strOut);
    // Shift-JIS text is hardly ever valid UTF-8 as well, so UTF-8 is tried first.
    return Utf8ToWide(bytes, strOut) || DecodeCodePage(932, bytes, strOut);
}
