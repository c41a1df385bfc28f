// CDirTreeCtrl: the directory tree view of the main window and the hub object of the program.
// It shows "[ root ]" and one node per directory, each with its CItemInfo, and holds the options.
// Its operations are split by concern: DirTreeCtrl.cpp (records, insertion, deletion, the root),
// DirTreeConfirm.cpp (questions), DirTreeImages.cpp (node images), DirTreeDrop.cpp (drag and
// drop), DirTreeLabels.cpp (label editing), DirTreeEvents.cpp (notifications), DirTreeQueries.cpp,
// Scan.cpp (reading a source directory into the tree).
// The scan, the run and the attribute dialogs add their own files and sections below.
#pragma once
#include "support/StatusWnd.h"
#include "tree/DragTreeCtrl.h"
#include "tree/OptionSet.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class CScanDisplay;

// One record of a copy list (defined with the copy engine).
struct CCopyItem;
using CCopyList = std::vector<std::unique_ptr<CCopyItem>>;

// Result flags of a run (m_dwResult).
enum : DWORD {
    RF_ATTR_FAILED = 0x1,
    RF_TIME_FAILED = 0x2,
    RF_COPY_ERROR = 0x10,
    RF_SAME_PATH = 0x20,
    RF_SRC_NOT_FOUND = 0x40,
    RF_DISK_SHORT = 0x100,
    RF_DISK_FULL = 0x200,
    RF_NAME_TWIN = 0x1000,        // a file was not copied: an earlier entry of the run takes its destination name
    RF_DEST_OUTSIDE = 0x40000000, // a joined destination path lay outside the destination root
    RF_CREATEDIR_FAILED = 0x80000000,
};

class CDirTreeCtrl : public CDragTreeCtrl, public OptionSet {
public:
    CDirTreeCtrl();
    ~CDirTreeCtrl() override;

    // Tree and records.
    // Not a check: clears the whole tree after asking, then creates "[ root ]"; false when the
    // user declined and the nodes remain.
    bool EnsureRootItem();
    // InsertItemData and DeleteItem come from CDragTreeCtrl with this class's hooks.

    // Node images.
    // The record's image index without the open state.
    int GetItemImage(const CItemInfo *pRecord) const;
    using CTreeCtrl::GetItemImage;
    // Recomputes and sets the node's image and selected image.
    void UpdateItemImage(HTREEITEM hItem);

    // Queries.
    // Over the node and every node below it: adds the number of file entries to dwCount and returns
    // their total size; with bUnprocessedOnly only the entries not yet processed count.
    uint64_t CountFiles(HTREEITEM hItem, DWORD &dwCount, bool bUnprocessedOnly) const;

    // The bulk settings dialog, then its choices applied to every record (dialogs/BulkAttrApply.cpp).
    void ApplyBulkAttributes();

    // Label editing.
    // Ends a label edit in progress now, keeping (false) or discarding (true) the text.
    void EndLabelEdit(bool bCancel);

    // Runs the item attributes dialog on the node's record, written back on OK (dialogs/).
    void EditItemAttributes(HTREEITEM hItem);

    // Status window of a scan or run (DirTreeStatus.cpp).
    // Opens it over the main window with m_bCancel as its cancel flag (without a cancel button when
    // bCancelButton is false); false when it cannot be made.
    bool OpenStatusWnd(bool bCancelButton = true);
    // Destroys and deletes it; nothing when there is none.
    void CloseStatusWnd();
    // SetStatus of the status window when there is one (null texts leave their line).
    void SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2 = nullptr);
    std::unique_ptr<CStatusWnd> m_pStatusWnd;

    // The scan (Scan.cpp).
    // Reads the directory strPath into the tree: a node per sub-directory, in sorted position, and
    // unless NotCopyFile the files as entries of their directory's record, with the status window
    // open. hParentItem null and bAddLoad false: a fresh scan that replaces the tree (after the
    // clear question). bAddLoad true: adds below hParentItem, or below the root when it is null.
    // Returns the number of entries listed (sub-directories and files, before the hidden and
    // system filters) at every level; 0 when the user declined or nothing was listed.
    // A non-null hParentItem with bAddLoad false is one nested level of a scan in progress.
    int ScanDirectory(const std::wstring &strPath, HTREEITEM hParentItem, bool bAddLoad);
    // How a top-level scan in progress draws its status lines and the tree; null between scans.
    CScanDisplay *m_pScanDisplay = nullptr;

    // Scan state.
    bool m_bBusy = false; // a scan is running
    int m_bCancel = 0;    // cancel request of a scan or run: the status window's cancel button writes 1

    // Editing state.
    bool m_bEditing = false;            // a label edit is in progress
    HTREEITEM m_hRefreshItem = nullptr; // node whose image is recomputed once a delete or drop is done

    // The run (copy/RunSequence.cpp).
    void ExecuteCopy(const std::wstring &strDestRoot, bool bDirectoryOnly, bool bOnlyUnprocessed);
    void CollectLeafDirs(std::vector<std::wstring> &list, const std::wstring &strPath, HTREEITEM hParent);
    void SetSubDirAttributes(const std::wstring &strDestRoot);
    // True when a joined destination path lies below the run's destination root (or is it);
    // otherwise the run stops: logged, told, RF_DEST_OUTSIDE (copy/DestGuard.cpp).
    bool GuardDestPath(const std::wstring &strPath);

    // The file copy phase (copy/CopyFiles.cpp, copy/CopyList.cpp).
    void CopyFiles(const std::wstring &strDestRoot, bool bOnlyUnprocessed);
    void BuildCopyList(CCopyList &list, const std::wstring &strPath, HTREEITEM hParent, bool bIncludeFiles,
                       bool bOnlyUnprocessed);
    void FreeCopyList(CCopyList &list);

    // Attributes and timestamps (copy/AttrAndTime.cpp): the rules set the record's flags and time
    // from the destination as it is before the copy; ApplyAttrAndTime applies a record to its path.
    void ApplyFileRules(CCopyItem &item, const std::wstring &strDstFile);
    void ApplyDirRule(CCopyItem &item, const std::wstring &strDstDir);
    void ApplyAttrAndTime(CCopyItem &item);

    // The error log (copy/ErrorLog.cpp). Lines are kept in the system's ANSI code page.
    void AddErrorLog(DWORD dwError, const std::wstring &strLabel, const std::wstring &strArg,
                     const std::wstring &strPath1, const std::wstring &strPath2);
    std::wstring GetErrorLogFileName() const;
    void SaveErrorLog();
    bool WriteErrorLogFile(const std::wstring &strPath, const std::string &strData);

    // Run state, reset at the start of every run.
    DWORD m_dwResult = 0;
    int m_nDiskFull = 0;
    int m_nSkipped = 0;
    int m_nProcessed = 0;
    int m_nNameTwins = 0;
    std::unique_ptr<std::string> m_pErrorLog;          // the run's log lines; null between runs
    FILETIME m_ftNow = {};                             // start of the file copy phase (UTC)
    std::wstring m_strFailedDir;                       // the directory whose creation failed, for the summary
    DWORD m_dwFailedDirError = 0;                      // and the system's error code for it
    std::unordered_set<std::wstring> m_setCreatedDirs; // destination directories this run made
    std::wstring m_strDestRoot;                        // what every destination path must stay below

    // Set by the main window while it is busy: keys, label editing and dragging are refused.
    bool m_bLocked = false;

protected:
    // Hooks of CDragTreeCtrl.
    void OnDeleteItemData(std::unique_ptr<CItemInfo> pRecord) override;
    bool GetInsertInfo(HTREEITEM &hParent, CItemInfo *pRecord, std::wstring &strLabel, int &nImage,
                       int &nSelImage) override;
    bool CanDeleteItem(HTREEITEM hItem, CItemInfo *pRecord) override;
    void OnItemRemoved(CItemInfo *pRecord) override;
    std::unique_ptr<CItemInfo> DuplicateItemData(const CItemInfo *pRecord) override;
    bool CanClear() override;
    void OnCleared() override;
    bool CanBeginDrag(HTREEITEM hItem) override;
    int DragTest(UINT nKeyFlags, POINT pt, HTREEITEM hDragItem, HTREEITEM &hTarget) override;
    bool CanDrop(HTREEITEM &hDragItem, HTREEITEM &hTarget, POINT pt, bool bMove) override;
    void PrepareCopyInsert(TVINSERTSTRUCTW &tvis, bool bTop, bool bMove) override;
    void OnItemCopied(HTREEITEM hNewItem, CItemInfo *pRecord, bool bTop) override;
    void OnDropRefused(HTREEITEM hDragItem) override;
    bool OnItemInserted(HTREEITEM hNewItem, CItemInfo *pRecord, const std::wstring &strLabel) override;
    bool OnItemsDeleted(CItemInfo *pTopRecord) override;

    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

private:
    // Reflected tree notifications; true when handled, with *pResult.
    bool OnKeyDown(const NMTVKEYDOWN &nm, LRESULT *pResult);
    bool OnBeginLabelEdit(const NMTVDISPINFOW &nm, LRESULT *pResult);
    bool OnEndLabelEdit(const NMTVDISPINFOW &nm, LRESULT *pResult);
    void RefreshAfterChange();
    // A refused name: the beep, what is not allowed, and the edit open again with the text.
    void ReopenRefusedLabel();
    static constexpr UINT WM_REOPENLABEL = WM_APP + 0x41;
    HTREEITEM m_hRefusedItem = nullptr;
    std::wstring m_strRefusedText;
    // UpdateItemImage; bHasChild: the node is known to have a child node.
    void UpdateNodeImage(HTREEITEM hItem, bool bHasChild);

    // Records of the nodes removed by the deletion in progress, purged once the nodes are gone.
    std::vector<CItemInfo *> m_listRemoved;
};
