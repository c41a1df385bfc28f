#include "support/SortList.h"
#include "support/Path.h"

namespace {

int CompareKey(std::wstring_view a, std::wstring_view b, DWORD dwMode)
{
    const int r = (dwMode & SORT_BY_NAME) ? CompareNameNoCase(a, b) : CompareByExtension(a, b);
    return (dwMode & SORT_DESCENDING) ? -r : r;
}

} // namespace

DWORD NormalizeSortMode(DWORD dwMode)
{
    if ((dwMode & SORT_NAMES) && (dwMode & SORT_FINDDATA))
        dwMode &= ~static_cast<DWORD>(SORT_FINDDATA);
    else if (!(dwMode & (SORT_NAMES | SORT_FINDDATA)))
        dwMode |= SORT_NAMES;
    if ((dwMode & SORT_ASCENDING) && (dwMode & SORT_DESCENDING))
        dwMode &= ~static_cast<DWORD>(SORT_DESCENDING);
    else if (!(dwMode & (SORT_ASCENDING | SORT_DESCENDING)))
        dwMode |= SORT_ASCENDING;
    return dwMode;
}

int FindDataCompare(const WIN32_FIND_DATAW &a, const WIN32_FIND_DATAW &b, DWORD dwMode)
{
    const bool bDirA = (a.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool bDirB = (b.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (bDirA != bDirB)
        return bDirA ? -1 : 1;
    return CompareKey(a.cFileName, b.cFileName, NormalizeSortMode(dwMode));
}

int FindDataCompare(const std::wstring &a, const std::wstring &b, DWORD dwMode)
{
    return CompareKey(a, b, NormalizeSortMode(dwMode));
}

void SortFindList(CFindDataList &list, DWORD dwMode, bool bPump)
{
    SortFileList(list, CFindDataCompare(dwMode, bPump), bPump);
}

void SortFindList(CNameList &list, DWORD dwMode, bool bPump)
{
    SortFileList(list, CFindDataCompare(dwMode, bPump), bPump);
}
