#include "support/DestPath.h"

#include "framework/Handles.h"
#include "support/FileApiPath.h"
#include "support/ItemName.h"
#include "support/Path.h"

#include <windows.h>

namespace {

bool IsBlank(wchar_t ch)
{
    return ch == L' ' || ch == L'\t';
}

bool IsSeparator(wchar_t ch)
{
    return ch == L'\\' || ch == L'/';
}

// Where the levels below the root begin: "X:\" -> 3, "\\server\share\" -> past the share; 0 when
// the path has no absolute root of these two forms.
size_t AbsoluteRootLength(const std::wstring &strPath)
{
    if (strPath.size() >= 3 && iswalpha(strPath[0]) && strPath[1] == L':' && IsSeparator(strPath[2]))
        return 3;
    if (strPath.size() < 5 || !IsSeparator(strPath[0]) || !IsSeparator(strPath[1]))
        return 0;
    // "\\?\" and "\\.\" name devices and raw forms, not a share.
    if (strPath[2] == L'?' || strPath[2] == L'.')
        return 0;
    size_t nServerEnd = 2;
    while (nServerEnd < strPath.size() && !IsSeparator(strPath[nServerEnd]))
        ++nServerEnd;
    if (nServerEnd == 2 || nServerEnd + 1 >= strPath.size())
        return 0;
    size_t nShareEnd = nServerEnd + 1;
    while (nShareEnd < strPath.size() && !IsSeparator(strPath[nShareEnd]))
        ++nShareEnd;
    if (nShareEnd == nServerEnd + 1)
        return 0;
    return nShareEnd < strPath.size() ? nShareEnd + 1 : nShareEnd;
}

// The system's identity of an existing file or directory.
bool GetIdentity(const std::wstring &strPath, BY_HANDLE_FILE_INFORMATION &info)
{
    CFileHandle file(::CreateFileW(FileApiPath(strPath).c_str(), 0,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && ::GetFileInformationByHandle(file, &info);
}

bool SameIdentity(const BY_HANDLE_FILE_INFORMATION &a, const BY_HANDLE_FILE_INFORMATION &b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

// What a file-system call reaches with this path: the extended form takes the text literally
// (a name such as "CON" or "a." is a plain entry there); the ordinary form is what the system
// makes of it.
std::wstring ResolvedPath(const std::wstring &strPath)
{
    if (FileApiPath(strPath).compare(0, 4, L"\\\\?\\") == 0)
        return strPath;
    return GetFullPath(strPath);
}

std::wstring WithoutTrailingSeparator(std::wstring strPath)
{
    const size_t nRoot = AbsoluteRootLength(strPath);
    while (strPath.size() > nRoot && strPath.size() > 1 && strPath.back() == L'\\')
        strPath.pop_back();
    return strPath;
}

} // namespace

std::wstring GetFullPath(const std::wstring &strPath)
{
    if (strPath.empty())
        return std::wstring();
    DWORD n = ::GetFullPathNameW(strPath.c_str(), 0, nullptr, nullptr);
    while (n > 0) {
        std::wstring buf(n, L'\0');
        const DWORD got = ::GetFullPathNameW(strPath.c_str(), n, &buf[0], nullptr);
        if (got == 0)
            break;
        if (got < n) {
            buf.resize(got);
            return buf;
        }
        n = got + 1;
    }
    return std::wstring();
}

CDestPath NormaliseDestination(const std::wstring &strInput)
{
    CDestPath dest;
    size_t nBegin = 0, nEnd = strInput.size();
    while (nBegin < nEnd && IsBlank(strInput[nBegin]))
        ++nBegin;
    while (nEnd > nBegin && IsBlank(strInput[nEnd - 1]))
        --nEnd;
    std::wstring strPath = strInput.substr(nBegin, nEnd - nBegin);
    if (strPath.empty())
        return dest;

    dest.nCheck = DEST_NOT_ABSOLUTE;
    if (AbsoluteRootLength(strPath) == 0)
        return dest;
    strPath = WithoutTrailingSeparator(GetFullPath(strPath));
    const size_t nRoot = AbsoluteRootLength(strPath);
    if (nRoot == 0)
        return dest; // resolved to a device

    // Every level below the root must be a name the system keeps as typed.
    for (size_t pos = nRoot; pos < strPath.size();) {
        size_t end = strPath.find(L'\\', pos);
        if (end == std::wstring::npos)
            end = strPath.size();
        const std::wstring strLevel = strPath.substr(pos, end - pos);
        if (CheckItemName(strLevel) != NAME_OK) {
            dest.nCheck = DEST_BAD_NAME;
            dest.strLevel = strLevel;
            return dest;
        }
        pos = end + 1;
    }
    dest.nCheck = DEST_OK;
    dest.strPath = strPath;
    return dest;
}

bool IsPathWithin(const std::wstring &strDir, const std::wstring &strPath)
{
    const std::wstring strFullDir = WithoutTrailingSeparator(ResolvedPath(strDir));
    const std::wstring strFull = WithoutTrailingSeparator(ResolvedPath(strPath));
    if (strFullDir.empty() || strFull.size() < strFullDir.size())
        return false;
    if (CompareNameNoCase(std::wstring_view(strFull).substr(0, strFullDir.size()), strFullDir) != 0)
        return false;
    return strFull.size() == strFullDir.size() || strFullDir.back() == L'\\' || strFull[strFullDir.size()] == L'\\';
}

bool IsSameOrInsideDirectory(const std::wstring &strDir, const std::wstring &strPath)
{
    if (IsPathWithin(strDir, strPath))
        return true;
    BY_HANDLE_FILE_INFORMATION dirInfo;
    if (!GetIdentity(strDir, dirInfo))
        return false;
    // Up from the path, level by level, as far as the levels exist.
    std::wstring strLevel = WithoutTrailingSeparator(GetFullPath(strPath));
    const size_t nRoot = AbsoluteRootLength(strLevel);
    if (nRoot == 0)
        return false;
    for (;;) {
        BY_HANDLE_FILE_INFORMATION info;
        if (GetIdentity(strLevel, info) && SameIdentity(info, dirInfo))
            return true;
        const size_t nSlash = strLevel.find_last_of(L'\\');
        if (strLevel.size() <= nRoot || nSlash == std::wstring::npos)
            return false;
        strLevel = nSlash + 1 <= nRoot ? strLevel.substr(0, nRoot) : strLevel.substr(0, nSlash);
    }
}
