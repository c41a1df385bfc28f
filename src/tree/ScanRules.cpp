#include "tree/ScanRules.h"

#include "support/Path.h"
#include "support/SortList.h"
#include "tree/OptionSet.h"

#include <algorithm>

bool IsSkippedEntry(DWORD dwAttributes, bool bSkipSystem, bool bSkipHidden)
{
    return (bSkipSystem && (dwAttributes & FILE_ATTRIBUTE_SYSTEM)) ||
           (bSkipHidden && (dwAttributes & FILE_ATTRIBUTE_HIDDEN));
}

DWORD ScanSortMode(int nFileSortOrder)
{
    const auto dwOrder = static_cast<DWORD>(nFileSortOrder);
    if ((dwOrder & 0xFFFF0000u) == 0)
        return 0;
    DWORD dwMode = SORT_FINDDATA;
    if (dwOrder & FSO_ASCENDING)
        dwMode |= SORT_ASCENDING;
    if (dwOrder & FSO_DESCENDING)
        dwMode |= SORT_DESCENDING;
    if (dwOrder & FSO_BY_NAME)
        dwMode |= SORT_BY_NAME;
    return dwMode;
}

std::unique_ptr<CItemInfo> MakeScanRecord(const WIN32_FIND_DATAW &fd, const std::wstring &strDir)
{
    const bool bDir = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    auto pRecord = std::make_unique<CItemInfo>(bDir ? ITEM_KIND_DIR : ITEM_KIND_FILE);
    pRecord->m_strName = fd.cFileName;
    pRecord->m_dwAttributes = fd.dwFileAttributes;
    pRecord->m_ftSource = fd.ftLastWriteTime;
    if (bDir) {
        pRecord->m_strSourcePath = JoinPath(strDir, pRecord->m_strName);
    } else {
        pRecord->m_nTimeMode = TIME_MODE_SOURCE;
        pRecord->m_dwSize = (static_cast<uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
    }
    return pRecord;
}

CKnownFiles::CKnownFiles(const CItemList &listFiles)
{
    m_listNames.reserve(listFiles.size());
    for (const auto &pFile : listFiles)
        m_listNames.push_back(&pFile->m_strName);
    std::stable_sort(m_listNames.begin(), m_listNames.end(),
                     [](const std::wstring *a, const std::wstring *b) { return CompareNameNoCase(*a, *b) < 0; });
}

bool CKnownFiles::Take(const std::wstring &strName)
{
    auto it =
        std::lower_bound(m_listNames.begin(), m_listNames.end(), strName,
                         [](const std::wstring *a, const std::wstring &b) { return CompareNameNoCase(*a, b) < 0; });
    if (it == m_listNames.end() || CompareNameNoCase(**it, strName) != 0)
        return false;
    m_listNames.erase(it);
    return true;
}

const wchar_t *const kScanSearchingText = L"Searching Sub Directory...";
const wchar_t *const kScanSortingText = L"Sorting File List ...";
const wchar_t *const kScanWarningCaption = L"Warning";

std::wstring NoSubDirMessage(bool bNotCopyFile)
{
    return std::wstring(L"指定されたﾃﾞｨﾚｸﾄﾘ配下にはｻﾌﾞﾃﾞｨﾚｸﾄﾘ") + (bNotCopyFile ? L"" : L"/ﾌｧｲﾙ") + L"が存在しません。";
}

std::wstring ForeignFilesWarning(const std::wstring &strSubDirName, const std::wstring &strSearchDir)
{
    std::wstring strText = L"追加場所に指定されたﾃﾞｨﾚｸﾄﾘ\n    Sub Dir Name : ";
    strText += strSubDirName;
    strText += L"\nには以前に検索された時に追加されたﾌｧｲﾙ情報がすでに存在する為、\n現在検索しているﾃﾞｨﾚｸﾄﾘ\n";
    strText += L"    Search Dir Name : ";
    strText += strSearchDir;
    strText += L"\nの直下に存在するﾌｧｲﾙは(都合により)複写対象に追加されません。\n\nm(_ _)m あしからず m(_ _)m";
    return strText;
}
