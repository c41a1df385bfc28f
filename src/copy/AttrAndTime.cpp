// The attributes and timestamps of the run's destinations: the rules fill in a copy record's
// flags and time, ApplyAttrAndTime gives them to the destination.
#include "copy/AttrRules.h"
#include "copy/CopyItem.h"
#include "copy/CopyRun.h"
#include "framework/Handles.h"
#include "support/FileApiPath.h"
#include "tree/DirTreeCtrl.h"

namespace {

const wchar_t LABEL_TIME_FAILED[] = L"FileTime:Failed(%s)";
const wchar_t LABEL_ATTR_FAILED[] = L"FileAttr:Failed(%s)";

} // namespace

void CCopyRun::ApplyFileRules(CCopyItem &item, const std::wstring &strDstFile, bool bInNewDir)
{
    CItemInfo &entry = *item.pItem;
    // Under Wine a name that is not there costs a read of its whole directory.
    CDestState dest;
    if (bInNewDir)
        dest.bMissing = true;
    else
        dest = ReadDestState(strDstFile);
    const bool bProtect = m_tree.ProtectAttrOfExist != 0;

    const FILETIME *pTime = nullptr;
    switch (ChooseFileTime(entry.m_nTimeMode, bProtect, dest, entry.m_ftSource)) {
    case FILE_TIME_NOW: pTime = &m_ftNow; break;
    case FILE_TIME_SPECIFIED: pTime = &entry.m_ftSpecified; break;
    case FILE_TIME_SOURCE: pTime = &entry.m_ftSource; break;
    default: break;
    }
    if (pTime) {
        item.pData.pTime = pTime;
        item.dwKind |= COPY_FLAG_SET_TIME;
    }
    if (NeedsFileAttributes(bProtect, dest, entry.m_dwAttributes, entry.IsAttrSet()))
        item.dwKind |= COPY_FLAG_SET_ATTR;
    item.bDestFree = dest.bMissing;
}

void CCopyRun::ApplyDirRule(CCopyItem &item, const std::wstring &strDstDir)
{
    if (NeedsDirAttributes(m_tree.ProtectAttrOfExist != 0, ReadDestState(strDstDir), item.pItem->m_dwAttributes,
                           m_setCreatedDirs.count(strDstDir) != 0))
        item.dwKind |= COPY_FLAG_SET_ATTR;
}

void CCopyRun::ApplyAttrAndTime(CCopyItem &item)
{
    if (!item.HasFlag(COPY_FLAG_SET_TIME | COPY_FLAG_SET_ATTR))
        return;
    const std::wstring &strPath = item.strPath;
    const std::wstring strPathCall = FileApiPath(strPath);
    const DWORD dwAttributes = item.pItem->m_dwAttributes;
    const bool bDirectory = (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;

    if (item.HasFlag(COPY_FLAG_SET_TIME)) {
        if (!bDirectory) {
            // A read-only file cannot be opened for writing; the attributes are set again below.
            ::SetFileAttributesW(strPathCall.c_str(), FILE_ATTRIBUTE_NORMAL);
            CFileHandle file(::CreateFileW(strPathCall.c_str(), GENERIC_READ | GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
            if (!file) {
                AddErrorLog(::GetLastError(), LABEL_TIME_FAILED, L"Open File", strPath, L"");
                m_dwResult |= RF_TIME_FAILED;
            } else if (!::SetFileTime(file, nullptr, nullptr, item.pData.pTime)) {
                AddErrorLog(::GetLastError(), LABEL_TIME_FAILED, L"SysErr", strPath, L"");
                m_dwResult |= RF_TIME_FAILED;
            }
        }
    }

    // Always after a time, whose first step made the file normal.
    if (!::SetFileAttributesW(strPathCall.c_str(), dwAttributes)) {
        AddErrorLog(::GetLastError(), LABEL_ATTR_FAILED, bDirectory ? L"SubDir" : L"File", strPath, L"");
        m_dwResult |= RF_ATTR_FAILED;
    }
}
