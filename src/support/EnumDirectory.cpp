#include "support/EnumDirectory.h"
#include "framework/Handles.h"
#include "support/FileApiPath.h"
#include "support/Path.h"
#include "support/Pump.h"
#include "support/TokenList.h"

#include <unordered_set>

namespace {

bool IsDotEntry(const wchar_t *pszName)
{
    return pszName[0] == L'.' && (pszName[1] == L'\0' || (pszName[1] == L'.' && pszName[2] == L'\0'));
}

// Failures that mean the search found nothing (more), not that the directory could not be read.
bool IsEndOfListing(DWORD dwError)
{
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_NO_MORE_FILES;
}

void AddRecord(CFindDataList &list, const WIN32_FIND_DATAW &fd)
{
    list.push_back(fd);
}

void AddRecord(CNameList &list, const WIN32_FIND_DATAW &fd)
{
    list.emplace_back(fd.cFileName);
}

template <class List>
int EnumInto(const std::wstring &strDir, const std::wstring &strPatterns, List &listOut, DWORD dwFlags, bool bPump,
             DWORD &dwError)
{
    dwError = 0;
    dwFlags = NormalizeEnumFlags(dwFlags);
    const bool bDirsOnly = (dwFlags & ENUM_DIRSONLY) != 0;
    TokenList patterns;
    const int nPatterns = patterns.Split(strPatterns, (dwFlags & ENUM_SEP_BAR) ? L'|' : L';', false);
    FreePtrList(listOut);

    // The directory pass over "*.*" followed by a single pattern that matches every name would list
    // the same entries twice: one pass keeps both its directories and its files.
    const bool bOnePass = (dwFlags & ENUM_DIRPASS) && !bDirsOnly && nPatterns == 1 &&
                          (patterns.GetString(0) == L"*.*" || patterns.GetString(0) == L"*");
    const int nPasses = bOnePass ? 0 : nPatterns;

    List listDirs, listFiles;
    std::unordered_set<std::wstring> setListed; // case-sensitive: a name matched twice is listed once
    for (int pass = (dwFlags & ENUM_DIRPASS) ? -1 : 0; pass < nPasses && dwError == 0; ++pass) {
        const std::wstring strPattern = pass < 0 ? std::wstring(L"*.*") : patterns.GetString(pass);
        if (strPattern.empty())
            continue; // it would find strDir itself, listed as its own sub-directory
        if (bPump)
            PumpMessagesIfDue();
        WIN32_FIND_DATAW fd;
        CFindHandle hFind(::FindFirstFileW(FileApiPath(JoinPath(strDir, strPattern)).c_str(), &fd));
        if (!hFind) {
            if (const DWORD dwFailure = ::GetLastError(); !IsEndOfListing(dwFailure))
                dwError = dwFailure;
            continue;
        }
        do {
            if (bPump)
                PumpMessagesIfDue();
            List *pList;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (IsDotEntry(fd.cFileName) || (pass >= 0 && !bDirsOnly))
                    continue;
                pList = &listDirs;
            } else {
                if ((pass < 0 && !bOnePass) || bDirsOnly)
                    continue;
                pList = &listFiles;
            }
            // One listing names every entry once.
            if (bOnePass || setListed.insert(fd.cFileName).second)
                AddRecord(*pList, fd);
        } while (::FindNextFileW(hFind, &fd));
        if (const DWORD dwFailure = ::GetLastError(); !IsEndOfListing(dwFailure))
            dwError = dwFailure;
    }

    if (dwFlags & (ENUM_DIRPASS | ENUM_DIRSONLY))
        listOut = std::move(listDirs);
    listOut.insert(listOut.end(), std::make_move_iterator(listFiles.begin()), std::make_move_iterator(listFiles.end()));
    return static_cast<int>(listOut.size());
}

} // namespace

DWORD NormalizeEnumFlags(DWORD dwFlags)
{
    if ((dwFlags & ENUM_NAMES) && (dwFlags & ENUM_FINDDATA))
        dwFlags &= ~static_cast<DWORD>(ENUM_FINDDATA);
    else if (!(dwFlags & (ENUM_NAMES | ENUM_FINDDATA)))
        dwFlags |= ENUM_NAMES;
    if ((dwFlags & ENUM_SEP_BAR) && (dwFlags & ENUM_SEP_SEMICOLON))
        dwFlags &= ~static_cast<DWORD>(ENUM_SEP_SEMICOLON);
    else if (!(dwFlags & (ENUM_SEP_BAR | ENUM_SEP_SEMICOLON)))
        dwFlags |= ENUM_SEP_BAR;
    return dwFlags;
}

int EnumDirectory(const std::wstring &strDir, const std::wstring &strPatterns, CFindDataList &listOut, DWORD dwFlags,
                  bool bPump, DWORD *pdwError)
{
    DWORD dwError = 0;
    const int n = EnumInto(strDir, strPatterns, listOut, dwFlags, bPump, dwError);
    if (pdwError)
        *pdwError = dwError;
    return n;
}

int EnumDirectory(const std::wstring &strDir, const std::wstring &strPatterns, CNameList &listOut, DWORD dwFlags,
                  bool bPump, DWORD *pdwError)
{
    DWORD dwError = 0;
    const int n = EnumInto(strDir, strPatterns, listOut, dwFlags, bPump, dwError);
    if (pdwError)
        *pdwError = dwError;
    return n;
}
