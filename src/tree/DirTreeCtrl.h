// CDirTreeCtrl: the directory tree view of the main window and the hub object of the program.
// It shows "[ root ]" and one node per directory, each with its CItemInfo, and holds the options.
// Its operations are split by concern: DirTreeCtrl.cpp (records, insertion, deletion, the root),
// DirTreeConfirm.cpp (questions), DirTreeImages.cpp (node images), DirTreeDrop.cpp (drag and
// drop), DirTreeLabels.cpp (label editing), DirTreeEvents.cpp (notifications), DirTreeQueries.cpp.
// The scan, the run and the attribute dialogs add their own files and sections below.
#pragma once
#include "tree/DragTreeCtrl.h"
#include "tree/OptionSet.h"

#include <cstdint>
#include <vector>

class CDirTreeCtrl : public CDragTreeCtrl, public OptionSet {
public:
    CDirTreeCtrl();
    ~CDirTreeCtrl() override;

    // Tree and records.
    // Clears the tree (asking first when it holds anything worth keeping) and creates "[ root ]";
    // false when the tree still holds nodes (the user declined).
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

    // Label editing.
    // Ends a label edit in progress now, keeping (false) or discarding (true) the text.
    void EndLabelEdit(bool bCancel);

    // Scan state.
    bool m_bBusy = false;   // a scan is running
    bool m_bCancel = false; // cancel request of a scan or run

    // Editing state.
    bool m_bEditing = false;            // a label edit is in progress
    HTREEITEM m_hRefreshItem = nullptr; // node whose image is recomputed once a delete or drop is done

    // Run state.

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

    // Records of the nodes removed by the deletion in progress, purged once the nodes are gone.
    std::vector<CItemInfo *> m_listRemoved;
};
