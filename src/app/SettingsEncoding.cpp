#include "app/SettingsEncoding.h"

#include "framework/Handles.h"

#include <utility>

namespace {

bool StartsWith(const std::string &strBytes, const char *pszMark)
{
    return strBytes.compare(0, 2, pszMark, 2) == 0;
}

} // namespace

SETTINGS_TEXT ClassifySettingsBytes(const std::string &strBytes)
{
    if (strBytes.size() >= 2 && strBytes.size() % 2 == 0) {
        if (StartsWith(strBytes, "\xFF\xFE"))
            return ST_UTF16LE;
        if (StartsWith(strBytes, "\xFE\xFF"))
            return ST_UTF16BE;
    }
    size_t nEvenNul = 0, nOddNul = 0;
    for (size_t i = 0; i < strBytes.size(); ++i) {
        if (strBytes[i] == '\0')
            ++(i % 2 ? nOddNul : nEvenNul);
    }
    if (nEvenNul == 0 && nOddNul == 0)
        return ST_ANSI;
    if (strBytes.size() % 2 != 0)
        return ST_UNKNOWN;
    // A key line has at least as many ASCII characters as others, "=" and the line end included.
    if (nOddNul > nEvenNul)
        return ST_UTF16LE_BARE;
    if (nEvenNul > nOddNul)
        return ST_UTF16BE;
    return ST_UNKNOWN;
}

bool NormaliseSettingsBytes(std::string &strBytes)
{
    switch (ClassifySettingsBytes(strBytes)) {
    case ST_ANSI:
    case ST_UTF16LE: return true;
    case ST_UTF16LE_BARE: strBytes.insert(0, "\xFF\xFE", 2); return true;
    case ST_UTF16BE: {
        size_t nStart = StartsWith(strBytes, "\xFE\xFF") ? 2 : 0;
        std::string strLe("\xFF\xFE", 2);
        strLe.reserve(strBytes.size() + 2 - nStart);
        for (size_t i = nStart; i + 1 < strBytes.size(); i += 2) {
            strLe += strBytes[i + 1];
            strLe += strBytes[i];
        }
        strBytes = std::move(strLe);
        return true;
    }
    case ST_UNKNOWN: break;
    }
    return false;
}

bool IsMissingFileError(DWORD dwError)
{
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

bool ReadSettingsBytes(const std::wstring &strPath, std::string &strBytes, DWORD &dwError)
{
    strBytes.clear();
    CFileHandle file(::CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        dwError = ::GetLastError();
        return false;
    }
    // A settings file is small; one of gigabytes is not ours to load.
    constexpr LONGLONG MAX_SIZE = 64ll << 20;
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file, &size)) {
        dwError = ::GetLastError();
        return false;
    }
    if (size.QuadPart > MAX_SIZE) {
        dwError = ERROR_FILE_TOO_LARGE;
        return false;
    }
    strBytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD nRead = 0;
    if (!strBytes.empty() && !::ReadFile(file, strBytes.data(), static_cast<DWORD>(strBytes.size()), &nRead, nullptr)) {
        dwError = ::GetLastError();
        return false;
    }
    if (nRead != strBytes.size()) {
        dwError = ERROR_READ_FAULT;
        return false;
    }
    dwError = 0;
    return true;
}
