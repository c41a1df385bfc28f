#include "tree/FileNameCompare.h"
#include "support/Path.h"

int FileNameCompare(const CItemInfo &a, const CItemInfo &b, DWORD dwMode)
{
    const int r = (dwMode & FILE_SORT_BY_EXT) ? CompareByExtension(a.m_strName, b.m_strName)
                                              : CompareNameNoCase(a.m_strName, b.m_strName);
    return (dwMode & FILE_SORT_DESCENDING) ? -r : r;
}
