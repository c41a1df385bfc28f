#include "tree/JobTree.h"

#include "tree/DirTreeCtrl.h"
#include "tree/TreeDrawHold.h"

namespace {

void CopyNode(const CDirTreeCtrl &tree, HTREEITEM hItem, CJobNode &node)
{
    if (const CItemInfo *pRecord = tree.GetItemRecord(hItem)) {
        node.pRecord = pRecord->Clone();
        node.pRecord->m_hTreeItem = nullptr;
    }
    for (HTREEITEM hChild = tree.GetChildItem(hItem); hChild; hChild = tree.GetNextSiblingItem(hChild)) {
        node.listChildren.emplace_back();
        CopyNode(tree, hChild, node.listChildren.back());
    }
}

void InsertNode(CDirTreeCtrl &tree, HTREEITEM hParent, CJobNode &node)
{
    const HTREEITEM hItem = tree.InsertItemData(hParent, std::move(node.pRecord), TVI_LAST);
    if (!hItem)
        return; // the control could not make it: its subtree cannot be shown either
    for (CJobNode &child : node.listChildren)
        InsertNode(tree, hItem, child);
}

} // namespace

CQuietInsert::CQuietInsert(CDirTreeCtrl &tree)
    : m_tree(tree), m_pHold(std::make_unique<CTreeDrawHold>(tree)), m_bBusy(tree.m_bBusy),
      m_nNoExpand(tree.NoExpandOnSearch)
{
    m_pHold->Hold();
    // What a scan that keeps the tree closed does: insertion then selects nothing.
    tree.m_bBusy = true;
    tree.NoExpandOnSearch = 1;
}

CQuietInsert::~CQuietInsert()
{
    m_tree.m_bBusy = m_bBusy;
    m_tree.NoExpandOnSearch = m_nNoExpand;
}

CJob MakeJobOfTree(const CDirTreeCtrl &tree, const std::wstring &strDestination)
{
    CJob job;
    if (const HTREEITEM hRoot = tree.GetRootItem())
        CopyNode(tree, hRoot, job.root);
    job.options.NotCopyFile = tree.NotCopyFile;
    job.options.FileOverWriteMode = tree.FileOverWriteMode;
    job.options.ProtectAttrOfExist = tree.ProtectAttrOfExist;
    job.options.BreakOnDiskFull = tree.BreakOnDiskFull;
    job.options.UseErrorLog = tree.UseErrorLog;
    job.options.ErrorLogFilePath = tree.ErrorLogFilePath;
    job.strDestination = strDestination;
    return job;
}

void PutJobIntoTree(CDirTreeCtrl &tree, CJob &job)
{
    const CJobOptions &opt = job.options;
    tree.NotCopyFile = NormaliseFlag(opt.NotCopyFile);
    tree.FileOverWriteMode = NormaliseFileOverWriteMode(opt.FileOverWriteMode);
    tree.ProtectAttrOfExist = NormaliseFlag(opt.ProtectAttrOfExist);
    tree.BreakOnDiskFull = NormaliseFlag(opt.BreakOnDiskFull);
    tree.UseErrorLog = NormaliseFlag(opt.UseErrorLog);
    // A log directory this machine cannot take keeps the one in force.
    if (std::wstring strLog = ErrorLogDirectorySetting(opt.ErrorLogFilePath); !strLog.empty())
        tree.ErrorLogFilePath = std::move(strLog);

    tree.DeleteAllItems();
    tree.DeleteAllItemData();
    if (!job.root.pRecord)
        return;
    {
        CQuietInsert quiet(tree);
        InsertNode(tree, TVI_ROOT, job.root);
    }
    if (const HTREEITEM hRoot = tree.GetRootItem()) {
        tree.Expand(hRoot, TVE_EXPAND);
        tree.SelectItem(hRoot);
        tree.UpdateItemImage(hRoot);
    }
}

bool SaveJobOfTree(const CDirTreeCtrl &tree, const std::wstring &strDestination, const std::wstring &strPath,
                   std::wstring &strError)
{
    return WriteJobFile(strPath, MakeJobOfTree(tree, strDestination), strError);
}
