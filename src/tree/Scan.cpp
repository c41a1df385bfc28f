// The scan of a source directory into the tree: a node per sub-directory, the files as entries of
// their directory's record. It runs on the user-interface thread and keeps the windows alive by
// draining the queue; the status window's cancel button stops every level at its next entry.
#include "tree/DirTreeCtrl.h"

#include "framework/Captions.h"
#include "framework/Seams.h"
#include "support/EnumDirectory.h"
#include "support/NameTwins.h"
#include "support/Path.h"
#include "support/Pump.h"
#include "support/SortList.h"
#include "support/SystemError.h"
#include "tree/ScanDisplay.h"
#include "tree/ScanFindings.h"
#include "tree/ScanRules.h"
#include "tree/SiblingOrder.h"

#include <optional>

namespace {

// What every level of one scan shares: the directories on the way down, and the findings told at
// the end.
struct CScanWalk {
    std::vector<CDirIdentity> listAncestors;
    CScanFindings findings;
};

// One directory of the scan: lists strPath below hParent and descends into each sub-directory.
class CScanLevel {
public:
    // pDir: hParent's record. bNewNode: hParent was just inserted by the scan and has no children.
    CScanLevel(CDirTreeCtrl &tree, CScanWalk &walk, const std::wstring &strPath, HTREEITEM hParent, CItemInfo *pDir,
               bool bNewNode)
        : m_tree(tree), m_walk(walk), m_strPath(strPath), m_hParent(hParent), m_pDir(pDir), m_bNewNode(bNewNode)
    {
    }

    // The number of entries listed here and below; bListed false when nothing was listed here.
    int Run(bool &bListed);

private:
    void ShowStatus(const wchar_t *pszLine1, const wchar_t *pszLine2);
    void TreeChanged();
    // False when the level must stop: the files of this source cannot join the node's list.
    bool AddFile(std::unique_ptr<CItemInfo> pFile, CKnownFiles &known);
    void NoteNameTwins(const CFindDataList &listEntries);
    // Descends into a directory just inserted, unless it is a link or already on the way down.
    int Descend(const std::wstring &strSource, HTREEITEM hChild, CItemInfo *pChild);

    CDirTreeCtrl &m_tree;
    CScanWalk &m_walk;
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
    DWORD dwError = 0;
    const int nListed = EnumDirectory(m_strPath, L"*.*", listEntries,
                                      ENUM_FINDDATA | (bFiles ? ENUM_DIRPASS : ENUM_DIRSONLY), true, &dwError);
    // What was listed before a failure stays; the directory is marked and named at the end.
    if (dwError) {
        m_walk.findings.listUnreadable.push_back({m_strPath, dwError});
        if (m_pDir)
            m_pDir->m_dwKindFlags |= ITEM_FLAG_UNREADABLE;
    }
    bListed = nListed > 0;
    if (!bListed)
        return 0;

    if (const DWORD dwSortMode = bFiles ? ScanSortMode(m_tree.FileSortOrder) : 0) {
        ShowStatus(kScanSortingText, m_strPath.c_str());
        SortFindList(listEntries, dwSortMode, true);
        ShowStatus(kScanSearchingText, m_strPath.c_str());
    }

    NoteNameTwins(listEntries);

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
        nCount += Descend(strSource, hChild, pChild);
    }
    // The node may now show a file list.
    m_tree.UpdateItemImage(m_hParent);
    TreeChanged();
    return nCount;
}

int CScanLevel::Descend(const std::wstring &strSource, HTREEITEM hChild, CItemInfo *pChild)
{
    CDirIdentity identity;
    const bool bIdentity = ReadDirIdentity(strSource, identity);
    if (IsNotFollowed(pChild->m_dwAttributes, bIdentity ? &identity : nullptr, m_walk.listAncestors)) {
        pChild->m_dwKindFlags |= ITEM_FLAG_NOT_FOLLOWED;
        m_walk.findings.listNotFollowed.push_back(strSource);
        return 0;
    }
    ShowStatus(nullptr, strSource.c_str());
    if (bIdentity)
        m_walk.listAncestors.push_back(identity);
    // The nested level, as ScanDirectory(strSource, hChild, false) runs it.
    bool bChildListed = false;
    const int nCount = CScanLevel(m_tree, m_walk, strSource, hChild, pChild, true).Run(bChildListed);
    if (bIdentity)
        m_walk.listAncestors.pop_back();
    return nCount;
}

// The scan keeps every entry; the run copies only the first of each group.
void CScanLevel::NoteNameTwins(const CFindDataList &listEntries)
{
    std::vector<std::wstring> listNames;
    listNames.reserve(listEntries.size());
    for (const WIN32_FIND_DATAW &fd : listEntries)
        listNames.emplace_back(fd.cFileName);
    const std::vector<size_t> listTwins = FindNameTwins(listNames);
    for (size_t i = 0; i < listTwins.size(); ++i)
        if (listTwins[i] != kNoTwin)
            m_walk.findings.listNameTwins.push_back(JoinPath(m_strPath, listNames[i]));
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
    CScanWalk walk;
    CDirIdentity identity;
    if (ReadDirIdentity(strPath, identity))
        walk.listAncestors.push_back(identity);
    if (hParentItem && !bAddLoad)
        return CScanLevel(*this, walk, strPath, hParentItem, GetItemRecord(hParentItem), false).Run(bListed);

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
    const int nCount = CScanLevel(*this, walk, strPath, hParentItem, GetItemRecord(hParentItem), false).Run(bListed);
    display.reset();
    const std::wstring strFindings =
        FormatScanFindings(walk.findings, [](DWORD dwError) { return GetSystemErrorText(dwError, true); });
    if (!bListed) {
        CloseStatusWnd();
        // A source that could not be listed is not an empty one.
        UiMessageBox(m_hWnd, strFindings.empty() ? NoSubDirMessage(NotCopyFile != 0) : strFindings, CAPTION_ERROR,
                     MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
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
    if (!strFindings.empty())
        UiMessageBox(m_hWnd, strFindings, kScanWarningCaption, MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
    return nCount;
}
