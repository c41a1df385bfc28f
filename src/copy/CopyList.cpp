// Copy lists: the tree below a node flattened in depth-first pre-order, for the file copy phase
// (begin, source directory, files, end per directory) and the directory attribute phase (one record
// per directory).
#include "copy/CopyItem.h"
#include "copy/CopyRun.h"
#include "support/Path.h"
#include "tree/DirTreeCtrl.h"

void CCopyRun::BuildCopyList(CCopyList &list, const std::wstring &strPath, HTREEITEM hParent, bool bIncludeFiles,
                             bool bOnlyUnprocessed)
{
    const CDirTreeCtrl &tree = m_tree;
    if (tree.m_pStatusWnd)
        m_pacer.ShowItem(nullptr, strPath.c_str());
    HTREEITEM hChild = (!hParent || hParent == TVI_ROOT) ? tree.GetRootItem() : tree.GetChildItem(hParent);
    // The source root stands for the destination root itself: its files go there.
    if (const CItemInfo *pChild = hChild ? tree.GetItemRecord(hChild) : nullptr;
        pChild && pChild->IsKind(ITEM_KIND_ROOT)) {
        hParent = hChild;
        hChild = tree.GetChildItem(hChild);
    }

    CItemInfo *pDir = (hParent && hParent != TVI_ROOT) ? tree.GetItemRecord(hParent) : nullptr;
    if (bIncludeFiles && pDir && !pDir->m_listFiles.empty()) {
        list.push_back(std::make_unique<CCopyItem>(COPY_KIND_DIR_BEGIN, strPath, pDir));
        list.push_back(std::make_unique<CCopyItem>(COPY_KIND_SOURCE_DIR, pDir->m_strSourcePath, nullptr));
        uintptr_t nFiles = 0;
        const bool bNewDir = m_setCreatedDirs.count(strPath) != 0;
        for (const auto &pFile : pDir->m_listFiles) {
            if (bOnlyUnprocessed && pFile->IsProcessed())
                continue;
            const std::wstring strFilePath = JoinPath(strPath, pFile->m_strName);
            if (!GuardDestPath(strFilePath))
                return;
            auto pRecord = std::make_unique<CCopyItem>(COPY_KIND_FILE, pFile->m_strName, pFile.get());
            ApplyFileRules(*pRecord, strFilePath, bNewDir);
            list.push_back(std::move(pRecord));
            ++nFiles;
        }
        auto pEnd = std::make_unique<CCopyItem>(COPY_KIND_DIR_END, std::wstring(), pDir);
        pEnd->pData.nFileCount = nFiles;
        list.push_back(std::move(pEnd));
    }

    for (; hChild && !tree.m_bCancel; hChild = tree.GetNextSiblingItem(hChild)) {
        CItemInfo *pChild = tree.GetItemRecord(hChild);
        if (!pChild)
            continue;
        const std::wstring strChildPath = JoinPath(strPath, pChild->m_strName);
        if (!GuardDestPath(strChildPath))
            return;
        if (!bIncludeFiles) {
            auto pRecord = std::make_unique<CCopyItem>(COPY_KIND_DIR_ATTR, strChildPath, pChild);
            ApplyDirRule(*pRecord, strChildPath);
            list.push_back(std::move(pRecord));
        }
        BuildCopyList(list, strChildPath, hChild, bIncludeFiles, bOnlyUnprocessed);
    }
}

void CCopyRun::FreeCopyList(CCopyList &list)
{
    while (!list.empty())
        list.pop_back();
}
