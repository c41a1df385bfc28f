#include "support/FileApiPath.h"

namespace {

// True when every component from pos on is a plain name: the extended form would otherwise name
// something the ordinary form does not. A single trailing backslash is allowed.
bool HasPlainComponents(const std::wstring &strPath, size_t pos)
{
    if (strPath.find(L'/') != std::wstring::npos)
        return false;
    while (pos < strPath.size()) {
        size_t end = strPath.find(L'\\', pos);
        if (end == std::wstring::npos)
            end = strPath.size();
        const std::wstring_view part(strPath.data() + pos, end - pos);
        if (part.empty() || part == L"." || part == L"..")
            return false;
        if (end + 1 == strPath.size())
            break;
        pos = end + 1;
    }
    return true;
}

bool IsDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

} // namespace

std::wstring FileApiPath(const std::wstring &strPath)
{
    if (strPath.size() >= 4 && strPath[0] == L'\\' && (strPath[1] == L'\\' || strPath[1] == L'?') &&
        (strPath[2] == L'?' || strPath[2] == L'.') && strPath[3] == L'\\')
        return strPath;
    if (strPath.size() >= 3 && IsDriveLetter(strPath[0]) && strPath[1] == L':' && strPath[2] == L'\\') {
        if (strPath.size() == 3 || HasPlainComponents(strPath, 3))
            return L"\\\\?\\" + strPath;
        return strPath;
    }
    if (strPath.size() > 2 && strPath[0] == L'\\' && strPath[1] == L'\\') {
        // Server and share must both be there; a bare "\\server" names no file.
        const size_t server = strPath.find(L'\\', 2);
        if (server == std::wstring::npos || server == 2 || server + 1 >= strPath.size() ||
            strPath[server + 1] == L'\\' || !HasPlainComponents(strPath, 2))
            return strPath;
        return L"\\\\?\\UNC\\" + strPath.substr(2);
    }
    return strPath;
}
