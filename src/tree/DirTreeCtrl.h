// CDirTreeCtrl: the directory tree view of the main window and the hub object of the program.
// It shows "[ root ]" and one node per directory, each with its CItemInfo, and holds the options.
// Its operations are split by concern: DirTreeCtrl.cpp (records, insertion, deletion, the root),
// DirTreeConfirm.cpp (questions), DirTreeImages.cpp (node images), DirTreeDrop.cpp (drag and
// drop), DirTreeLabels.cpp (label editing), DirTreeEvents.cpp (notifications), DirTreeQueries.cpp,
// Scan.cpp (reading a source directory into the tree).
// The run is entered here and done by the copy layer, which keeps its own state.
#pragma once
#include "support/StatusWnd.h"
#include "tree/DragTreeCtrl.h"
#include "tree/OptionSet.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CScanDisplay;

// What a run leaves behind (defined with the run).
struct CRunResult;

class CDirTreeCtrl : public CDragTreeCtrl, public OptionSet {
public:
    CDirTreeCtrl();
    ~CDirTreeCtrl() override;

    // Tree and records.
    // Not a check: clears the whole tree after asking, then creates "[ root ]"; false when the
    // user declined and the nodes remain.
    bool EnsureRootItem();
    // The question before the whole tree is replaced (none when it holds only an empty root);
    // true to go on.
    bool ConfirmClear() { return CanClear(); }
    // How often the tree was cleared: what was shaped before belongs to another tree.
    unsigned m_nClears = 0;
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

    // The run (copy/RunSequence.cpp): a run object of the copy layer does the work and holds its
    // state while it lasts; what it leaves is returned.
    CRunResult ExecuteCopy(const std::wstring &strDestRoot, bool bDirectoryOnly, bool bOnlyUnprocessed);

    // Told by a run as it marks entries processed (bEnded false, often: the callee paces itself)
    // and once when the run is over (true), so that a job file can keep the marks.
    std::function<void(bool bEnded)> m_fnMarksChanged;
    void NotifyMarksChanged(bool bEnded)
    {
        if (m_fnMarksChanged)
            m_fnMarksChanged(bEnded);
    }

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
