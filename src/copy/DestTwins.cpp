#include "copy/DestTwins.h"

#include "copy/CopyRun.h"
#include "support/NameTwins.h"
#include "support/Path.h"
#include "tree/DirTreeCtrl.h"

namespace {

// Destination paths as keys below the destination root, with the source path of their owner.
using COwners = std::unordered_map<std::wstring, std::wstring>;

void CollectTwins(const CDirTreeCtrl &tree, HTREEITEM hItem, const std::wstring &strKey, COwners &owners,
                  CDestTwins &twins)
{
    const CItemInfo *pDir = tree.GetItemRecord(hItem);
    if (!pDir)
        return;
    for (const auto &pFile : pDir->m_listFiles) {
        const std::wstring strSource = JoinPath(pDir->m_strSourcePath, pFile->m_strName);
        const auto [it, bNew] = owners.emplace(strKey + L"\\" + DestNameKey(pFile->m_strName), strSource);
        if (!bNew)
            twins.emplace(pFile.get(), it->second);
    }
    for (HTREEITEM hChild = tree.GetChildItem(hItem); hChild; hChild = tree.GetNextSiblingItem(hChild))
        if (const CItemInfo *pChild = tree.GetItemRecord(hChild))
            CollectTwins(tree, hChild, strKey + L"\\" + DestNameKey(pChild->m_strName), owners, twins);
}

} // namespace

CDestTwins FindDestTwins(const CDirTreeCtrl &tree)
{
    CDestTwins twins;
    COwners owners;
    // The source root stands for the destination root itself.
    for (HTREEITEM hItem = tree.GetRootItem(); hItem; hItem = tree.GetNextSiblingItem(hItem))
        if (const CItemInfo *pItem = tree.GetItemRecord(hItem))
            CollectTwins(tree, hItem,
                         pItem->IsKind(ITEM_KIND_ROOT) ? std::wstring() : L"\\" + DestNameKey(pItem->m_strName), owners,
                         twins);
    return twins;
}

void ReportDestTwin(CCopyRun &run, const std::wstring &strSrc, const std::wstring &strOwner)
{
    run.m_dwResult |= RF_NAME_TWIN;
    ++run.m_nNameTwins;
    run.AddErrorLog(0, L"CopyFile:Skipped(%s)", L"Name Twin", strSrc, strOwner);
}
