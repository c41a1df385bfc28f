// The scan of a source directory into the tree: a node per sub-directory, the files as entries of
// their directory's record. It runs on the user-interface thread and keeps the windows alive by
// draining the queue; the status window's cancel button stops every level at its next entry.
#include "tree/DirTreeCtrl.h"

#include "framework/Captions.h"
#include "framework/Seams.h"
#include "support/EnumDirectory.h"
#include "support/Pump.h"
#include "support/SortList.h"
#include "tree/ScanDisplay.h"
#include "tree/ScanRules.h"
#include "tree/SiblingOrder.h"

#include <optional>

namespace {

// One directory of the scan: lists strPath below hParent and descends into each sub-directory.
class CScanLevel {
public:
    // pDir: hParent's record. bNewNode: hParent was just inserted by the scan and has no children.
    CScanLevel(CDirTreeCtrl &tree, const std::wstring &strPath, HTREEITEM hParent, CItemInfo *pDir, bool bNewNode)
        : m_tree(tree), m_strPath(strPath), m_hParent(hParent), m_pDir(pDir), m_bNewNode(bNewNode)
    {
    }

    // The number of entries listed here and below; bListed false when nothing was listed here.
    int Run(bool &bListed);

private:
    void ShowStatus(const wchar_t *pszLine1, const wchar_t *pszLine2);
    void TreeChanged();
    // False when the level must stop: the files of this source cannot join the node's list.
    bool AddFile(std::unique_ptr<CItemInfo> pFile, CKnownFiles &known);

    CDirTreeCtrl &m_tree;
    const std::wstring &m_strPath;
    const HTREEITEM m_hParent;
    CItemInfo *const m_pDir;
    const bool m_bNewNode;
};

void CScanLevel::ShowStatus(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    if (!m_tree.m_pStatusWnd)
        return;
    if (m_tree.m_pScanDisplay) {
        m_tree.m_pScanDisplay->SetStatus(pszLine1, pszLine2);
        return;
    }
    m_tree.SetStatus(pszLine1, pszLine2);
    PumpMessages();
}

void CScanLevel::TreeChanged()
{
    if (m_tree.m_pScanDisplay)
        m_tree.m_pScanDisplay->TreeChanged();
}

int CScanLevel::Run(bool &bListed)
{
    ShowStatus(nullptr, m_strPath.c_str());
    const bool bFiles = !m_tree.NotCopyFile;
    CFindDataList listEntries;
    const int nListed =
        EnumDirectory(m_strPath, L"*.*", listEntries, ENUM_FINDDATA | (bFiles ? ENUM_DIRPASS : ENUM_DIRSONLY), true);
    bListed = nListed > 0;
    if (!bListed)
        return 0;

    if (const DWORD dwSortMode = bFiles ? ScanSortMode(m_tree.FileSortOrder) : 0) {
        ShowStatus(kScanSortingText, m_strPath.c_str());
        SortFindList(listEntries, dwSortMode, true);
        ShowStatus(kScanSearchingText, m_strPath.c_str());
    }

    const CItemList listNone;
    CKnownFiles known(bFiles && m_pDir ? m_pDir->m_listFiles : listNone);
    // The order of the siblings is known when this level adds all of them; otherwise the control
    // places every node itself.
    const bool bOwnSiblings = m_bNewNode || !m_tree.GetChildItem(m_hParent);
    CSiblingOrder order;
    int nCount = nListed;
    for (const WIN32_FIND_DATAW &fd : listEntries) {
        if (m_tree.m_bCancel)
            break;
        PumpMessagesIfDue();
        if (IsSkippedEntry(fd.dwFileAttributes, m_tree.SkipSystemDir != 0, m_tree.SkipHiddenDir != 0))
            continue;
        std::unique_ptr<CItemInfo> pRecord = MakeScanRecord(fd, m_strPath);
        if (pRecord->IsKind(ITEM_KIND_FILE)) {
            if (!AddFile(std::move(pRecord), known))
                break;
            continue;
        }
        // A directory of a name already present gets a node of its own.
        const std::wstring strSource = pRecord->m_strSourcePath;
        CItemInfo *const pChild = pRecord.get();
        const HTREEITEM hPosition = bOwnSiblings ? order.PositionOf(pRecord->m_strName) : TVI_SORT;
        const HTREEITEM hChild = m_tree.InsertItemData(m_hParent, std::move(pRecord), hPosition);
        // Without its node the directory cannot be descended into: a null parent would start a
        // fresh scan.
        if (!hChild)
            continue;
        TreeChanged();
        if (bOwnSiblings)
            order.Inserted(hChild, fd.cFileName, hPosition,
                           hPosition == TVI_SORT ? m_tree.GetPrevSiblingItem(hChild) : nullptr);
        ShowStatus(nullptr, strSource.c_str());
        // The nested level, as ScanDirectory(strSource, hChild, false) runs it.
        bool bChildListed = false;
        nCount += CScanLevel(m_tree, strSource, hChild, pChild, true).Run(bChildListed);
    }
    // The node may now show a file list.
    m_tree.UpdateItemImage(m_hParent);
    TreeChanged();
    return nCount;
}

bool CScanLevel::AddFile(std::unique_ptr<CItemInfo> pFile, CKnownFiles &known)
{
    if (!m_pDir)
        return true;
    if (m_pDir->m_strSourcePath.empty() || m_pDir->m_listFiles.empty()) {
        m_pDir->m_strSourcePath = m_strPath;
    } else if (m_pDir->m_strSourcePath != m_strPath) {
        // A node's file list comes from one source directory, where the copy reads them all.
        if (m_tree.m_pScanDisplay)
            m_tree.m_pScanDisplay->Flush();
        UiMessageBox(m_tree.m_hWnd, ForeignFilesWarning(m_pDir->m_strName, m_strPath), kScanWarningCaption,
                     MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
        return false;
    }
    if (!known.Take(pFile->m_strName))
        m_pDir->AppendFile(std::move(pFile));
    return true;
}

} // namespace

int CDirTreeCtrl::ScanDirectory(const std::wstring &strPath, HTREEITEM hParentItem, bool bAddLoad)
{
    bool bListed = false;
    if (hParentItem && !bAddLoad)
        return CScanLevel(*this, strPath, hParentItem, GetItemRecord(hParentItem), false).Run(bListed);

    m_bCancel = 0;
    m_bBusy = true;
    if (!bAddLoad && !EnsureRootItem()) {
        m_bBusy = false;
        return 0;
    }
    if (!hParentItem)
        hParentItem = GetRootItem();
    // Adding to a tree without its root has nowhere to go.
    if (!hParentItem) {
        m_bBusy = false;
        return 0;
    }
    OpenStatusWnd();
    SetStatus(kScanSearchingText);

    std::optional<CScanDisplay> display;
    display.emplace(*this);
    const int nCount = CScanLevel(*this, strPath, hParentItem, GetItemRecord(hParentItem), false).Run(bListed);
    display.reset();
    if (!bListed) {
        CloseStatusWnd();
        UiMessageBox(m_hWnd, NoSubDirMessage(NotCopyFile != 0), CAPTION_ERROR, MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
        m_bBusy = false;
        return 0;
    }

    m_bBusy = false;
    HTREEITEM hRoot = GetRootItem();
    SelectItem(hRoot);
    if (NoExpandOnSearch)
        Expand(hRoot, TVE_EXPAND);
    UiMessageBeep(MB_ICONINFORMATION);
    CloseStatusWnd();
    return nCount;
}
