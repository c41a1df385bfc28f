#include "copy/FilePlacing.h"
#include "framework/Handles.h"
#include "support/FileApiPath.h"

#include <atomic>
#include <cwchar>

namespace {

bool CopyFailIfExists(const std::wstring &strSrc, const std::wstring &strDst, BOOL *pbCancel)
{
    return ::CopyFileExW(FileApiPath(strSrc).c_str(), FileApiPath(strDst).c_str(), nullptr, nullptr, pbCancel,
                         COPY_FILE_FAIL_IF_EXISTS) != FALSE;
}

bool IsNameTaken(DWORD dwError)
{
    return dwError == ERROR_FILE_EXISTS || dwError == ERROR_ALREADY_EXISTS;
}

// Removes what a failed copy left at a name it created (a truncated file would pass for an
// up-to-date copy later). Keeps the copy's error code.
void RemoveRemnant(const std::wstring &strPath)
{
    const DWORD dwError = ::GetLastError();
    const std::wstring strCall = FileApiPath(strPath);
    const DWORD dwAttributes = ::GetFileAttributesW(strCall.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (dwAttributes & FILE_ATTRIBUTE_READONLY)
            ::SetFileAttributesW(strCall.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(strCall.c_str());
    }
    ::SetLastError(dwError);
}

// A name in strDst's directory that no file of this process used before.
std::wstring TemporaryNameBeside(const std::wstring &strDst)
{
    static std::atomic<unsigned> s_nNext{0};
    wchar_t szName[40];
    std::swprintf(szName, 40, L"~plx%04lX%04X.tmp", ::GetCurrentProcessId() & 0xFFFF, s_nNext++ & 0xFFFF);
    const size_t nCut = strDst.find_last_of(L"\\/");
    return (nCut == std::wstring::npos ? std::wstring() : strDst.substr(0, nCut + 1)) + szName;
}

} // namespace

bool CopyToFreeName(const std::wstring &strSrc, const std::wstring &strDst, BOOL *pbCancel)
{
    if (CopyFailIfExists(strSrc, strDst, pbCancel))
        return true;
    // The copy takes the name only when it is free: unless the name was taken, whatever file
    // stands there now is this copy's remnant.
    if (!IsNameTaken(::GetLastError()))
        RemoveRemnant(strDst);
    return false;
}

bool ReplaceWithCopy(const std::wstring &strSrc, const std::wstring &strDst, DWORD dwDstAttributes, BOOL *pbCancel)
{
    const CFileHandle hSrc(
        ::CreateFileW(FileApiPath(strSrc).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!hSrc)
        return false;
    std::wstring strTemp;
    for (int nTry = 0;; ++nTry) {
        strTemp = TemporaryNameBeside(strDst);
        if (CopyFailIfExists(strSrc, strTemp, pbCancel))
            break;
        // A name taken by someone else is theirs: try another.
        if (!IsNameTaken(::GetLastError())) {
            RemoveRemnant(strTemp);
            return false;
        }
        if (nTry == 16)
            return false;
    }

    // Not every system replaces a read-only file.
    const std::wstring strDstCall = FileApiPath(strDst);
    const bool bReadOnly = (dwDstAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (bReadOnly &&
        !::SetFileAttributesW(strDstCall.c_str(), (dwDstAttributes & ~FILE_ATTRIBUTE_READONLY)
                                                      ? (dwDstAttributes & ~FILE_ATTRIBUTE_READONLY)
                                                      : FILE_ATTRIBUTE_NORMAL) &&
        ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        RemoveRemnant(strTemp);
        return false;
    }
    if (::MoveFileExW(FileApiPath(strTemp).c_str(), strDstCall.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    const DWORD dwError = ::GetLastError();
    if (bReadOnly)
        ::SetFileAttributesW(strDstCall.c_str(), dwDstAttributes);
    RemoveRemnant(strTemp);
    ::SetLastError(dwError);
    return false;
}
