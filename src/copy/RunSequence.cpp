// The run: the destination directories are created from the tree's leaves, given their
// attributes, then the files are copied; one summary message ends it, then the error log.
#include "copy/CopyItem.h"
#include "copy/DirCreation.h"
#include "copy/RunStatus.h"
#include "copy/RunSummary.h"
#include "framework/Seams.h"
#include "support/FileSystem.h"
#include "support/Path.h"
#include "support/SystemError.h"
#include "tree/DirTreeCtrl.h"

void CDirTreeCtrl::ExecuteCopy(const std::wstring &strDestRoot, bool bDirectoryOnly, bool bOnlyUnprocessed)
{
    m_bCancel = 0;
    m_dwResult = 0;
    m_nDiskFull = m_nSkipped = m_nProcessed = m_nNameTwins = 0;
    m_strFailedDir.clear();
    m_dwFailedDirError = 0;
    m_setCreatedDirs.clear();
    m_strDestRoot = strDestRoot;
    m_pErrorLog = std::make_unique<std::string>();
    m_pErrorLog->reserve(65536);

    OpenStatusWnd();
    ShowRunPhase(*this, L"Checking Directory Tree Depth...", L"");
    std::vector<std::wstring> listLeaves;
    CollectLeafDirs(listLeaves, strDestRoot, TVI_ROOT);

    // Creating the leaves level by level creates every directory of the tree.
    ShowRunPhase(*this, L"Creating Sub Directory.", L"");
    for (const std::wstring &strPath : listLeaves) {
        if (m_bCancel)
            break;
        ShowRunItem(*this, nullptr, strPath.c_str());
        std::wstring strFailedLevel;
        const int nResult = CreateRunDirectory(strPath, m_setCreatedDirs, &strFailedLevel);
        if (nResult == CDP_EXISTS || nResult == CDP_CREATED)
            continue;
        const DWORD dwError = ::GetLastError();
        // The level that could not be made, not the leaf that was asked for.
        if (strFailedLevel.empty())
            strFailedLevel = strPath;
        AddErrorLog(dwError, L"CreateDir:Failed", L"", strFailedLevel, L"");
        m_dwResult |= RF_CREATEDIR_FAILED;
        m_strFailedDir = strFailedLevel;
        m_dwFailedDirError = dwError;
        break;
    }

    if (m_dwResult == 0 && !m_bCancel) {
        SetSubDirAttributes(strDestRoot);
        // A directory whose attributes failed keeps the files from being copied as well.
        if (m_dwResult == 0 && !bDirectoryOnly)
            CopyFiles(strDestRoot, bOnlyUnprocessed);
    }
    CloseStatusWnd();

    CRunOutcome outcome;
    outcome.bCancel = m_bCancel != 0;
    outcome.dwResult = m_dwResult;
    outcome.nDiskFull = m_nDiskFull;
    outcome.nSkipped = m_nSkipped;
    outcome.nProcessed = m_nProcessed;
    outcome.nNameTwins = m_nNameTwins;
    outcome.bBreakOnDiskFull = BreakOnDiskFull != 0;
    outcome.bProtectAttrOfExist = ProtectAttrOfExist != 0;
    outcome.nOverWriteMode = FileOverWriteMode;
    outcome.strFailedDir = m_strFailedDir;
    if (m_dwResult & RF_CREATEDIR_FAILED)
        outcome.strFailedDirError = GetSystemErrorText(m_dwFailedDirError, true);
    const CRunSummary summary = MakeRunSummary(outcome);
    UiMessageBox(m_hWnd, summary.strText, RESULT_CAPTION, MB_OK | summary.nIcon);

    if (m_pErrorLog)
        SaveErrorLog();
}

void CDirTreeCtrl::CollectLeafDirs(std::vector<std::wstring> &list, const std::wstring &strPath, HTREEITEM hParent)
{
    HTREEITEM hChild = (!hParent || hParent == TVI_ROOT) ? GetRootItem() : GetChildItem(hParent);
    // The source root maps to the destination root itself.
    if (const CItemInfo *pChild = hChild ? GetItemRecord(hChild) : nullptr; pChild && pChild->IsKind(ITEM_KIND_ROOT))
        hChild = GetChildItem(hChild);

    int nChildren = 0;
    for (; hChild && !m_bCancel; hChild = GetNextSiblingItem(hChild)) {
        const CItemInfo *pChild = GetItemRecord(hChild);
        if (!pChild)
            continue;
        ++nChildren;
        const std::wstring strChildPath = JoinPath(strPath, pChild->m_strName);
        if (!GuardDestPath(strChildPath))
            return;
        CollectLeafDirs(list, strChildPath, hChild);
    }
    if (nChildren == 0) {
        ShowRunItem(*this, nullptr, strPath.c_str());
        list.push_back(strPath);
    }
}

void CDirTreeCtrl::SetSubDirAttributes(const std::wstring &strDestRoot)
{
    ShowRunPhase(*this, L"Checking Sub Directory Attribute.", L"");
    CCopyList list;
    BuildCopyList(list, strDestRoot, TVI_ROOT, false, false);

    ShowRunPhase(*this, L"Setting Sub Directory Attribute.", L"");
    for (const auto &pRecord : list) {
        if (m_bCancel)
            break;
        ShowRunItem(*this, nullptr, pRecord->strPath.c_str());
        ApplyAttrAndTime(*pRecord);
    }
    FreeCopyList(list);
}
