// The run: the destination directories are created from the tree's leaves, given their
// attributes, then the files are copied; one summary message ends it, then the error log.
#include "copy/CopyItem.h"
#include "copy/CopyRun.h"
#include "copy/DirCreation.h"
#include "copy/RunHelper.h"
#include "copy/RunSummary.h"
#include "copy/RunWait.h"
#include "framework/Seams.h"
#include "support/FileSystem.h"
#include "support/Path.h"
#include "tree/DirTreeCtrl.h"

CRunResult CDirTreeCtrl::ExecuteCopy(const std::wstring &strDestRoot, bool bDirectoryOnly, bool bOnlyUnprocessed)
{
    m_bCancel = 0;
    CCopyRun run(*this, strDestRoot);
    run.Execute(bDirectoryOnly, bOnlyUnprocessed);
    NotifyMarksChanged(true);
    return run;
}

CCopyRun::CCopyRun(CDirTreeCtrl &tree, std::wstring strDestRoot)
    : m_tree(tree), m_pacer(tree.m_pStatusWnd), m_pErrorLog(std::make_unique<std::wstring>()),
      m_strDestRoot(std::move(strDestRoot))
{
    m_pErrorLog->reserve(32768);
}

CCopyRun::~CCopyRun() = default;

bool CCopyRun::IsStatusShown() const
{
    return m_tree.m_pStatusWnd && m_tree.m_pStatusWnd->m_hWnd;
}

void CCopyRun::ShowStopping(const wchar_t *pszItem)
{
    if (m_tree.OpenStatusWnd(false))
        m_pacer.ShowPhase(L"Canceling Copy File.", pszItem);
}

void CCopyRun::Execute(bool bDirectoryOnly, bool bOnlyUnprocessed)
{
    const std::wstring &strDestRoot = m_strDestRoot;
    m_tree.OpenStatusWnd();
    m_pacer.ShowPhase(L"Checking Directory Tree Depth...", L"");
    std::vector<std::wstring> listLeaves;
    CollectLeafDirs(listLeaves, strDestRoot, TVI_ROOT);

    // Creating the leaves level by level creates every directory of the tree. Each is made on a
    // thread of its own while this one keeps the windows alive.
    m_pacer.ShowPhase(L"Creating Sub Directory.", L"");
    {
        CRunHelper helper;
        auto wait = [this](HANDLE hDone, HANDLE hThread) {
            return WaitHandlingMessages(m_pacer, nullptr, hDone, hThread, [this] { return IsStatusShown(); });
        };
        for (const std::wstring &strPath : listLeaves) {
            if (m_tree.m_bCancel)
                break;
            m_pacer.ShowItem(nullptr, strPath.c_str());
            std::wstring strFailedLevel;
            int nResult = CDP_FAILED;
            DWORD dwError = ERROR_NOT_ENOUGH_MEMORY;
            helper.Run(
                [&] {
                    nResult = CreateRunDirectory(strPath, m_setCreatedDirs, &strFailedLevel);
                    dwError = ::GetLastError();
                },
                wait);
            if (nResult == CDP_EXISTS || nResult == CDP_CREATED)
                continue;
            // The level that could not be made, not the leaf that was asked for.
            if (strFailedLevel.empty())
                strFailedLevel = strPath;
            AddErrorLog(dwError, L"CreateDir:Failed", L"", strFailedLevel, L"");
            m_dwResult |= RF_CREATEDIR_FAILED;
            m_strFailedDir = strFailedLevel;
            m_dwFailedDirError = dwError;
            break;
        }
    }

    if (m_dwResult == 0 && !m_tree.m_bCancel) {
        SetSubDirAttributes(strDestRoot);
        // A directory whose attributes failed keeps the files from being copied as well.
        if (m_dwResult == 0 && !bDirectoryOnly)
            CopyFiles(strDestRoot, bOnlyUnprocessed);
    }
    m_tree.CloseStatusWnd();

    m_bCanceled = m_tree.m_bCancel != 0;
    const CRunSummary summary = MakeRunSummary(*this, m_tree);
    UiMessageBox(m_tree.m_hWnd, summary.strText, RESULT_CAPTION, MB_OK | summary.nIcon);

    if (m_pErrorLog)
        SaveErrorLog();
}

void CCopyRun::CollectLeafDirs(std::vector<std::wstring> &list, const std::wstring &strPath, HTREEITEM hParent)
{
    const CDirTreeCtrl &tree = m_tree;
    HTREEITEM hChild = (!hParent || hParent == TVI_ROOT) ? tree.GetRootItem() : tree.GetChildItem(hParent);
    // The source root maps to the destination root itself.
    if (const CItemInfo *pChild = hChild ? tree.GetItemRecord(hChild) : nullptr;
        pChild && pChild->IsKind(ITEM_KIND_ROOT))
        hChild = tree.GetChildItem(hChild);

    int nChildren = 0;
    for (; hChild && !m_tree.m_bCancel; hChild = tree.GetNextSiblingItem(hChild)) {
        const CItemInfo *pChild = tree.GetItemRecord(hChild);
        if (!pChild)
            continue;
        ++nChildren;
        const std::wstring strChildPath = JoinPath(strPath, pChild->m_strName);
        if (!GuardDestPath(strChildPath))
            return;
        CollectLeafDirs(list, strChildPath, hChild);
    }
    if (nChildren == 0) {
        m_pacer.ShowItem(nullptr, strPath.c_str());
        list.push_back(strPath);
    }
}

void CCopyRun::SetSubDirAttributes(const std::wstring &strDestRoot)
{
    m_pacer.ShowPhase(L"Checking Sub Directory Attribute.", L"");
    CCopyList list;
    BuildCopyList(list, strDestRoot, TVI_ROOT, false, false);

    m_pacer.ShowPhase(L"Setting Sub Directory Attribute.", L"");
    for (const auto &pRecord : list) {
        if (m_tree.m_bCancel)
            break;
        m_pacer.ShowItem(nullptr, pRecord->strPath.c_str());
        ApplyAttrAndTime(*pRecord);
    }
    FreeCopyList(list);
}
