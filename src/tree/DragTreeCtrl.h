// CDragTreeCtrl: a tree view that owns the records of its nodes, shows node images from one image
// list and lets the user move or copy whole subtrees with the mouse (Ctrl copies).
// What a record means is left to the hooks; their defaults are neutral.
#pragma once
#include "framework/Handles.h"
#include "framework/TreeCtrl.h"
#include "tree/DragRules.h"
#include "tree/ItemInfo.h"

#include <list>
#include <memory>
#include <string>
#include <unordered_map>

// Every record the control owns, in the order it took them over.
using CItemDataList = std::list<std::unique_ptr<CItemInfo>>;

class CDragTreeCtrl : public CTreeCtrl {
public:
    CDragTreeCtrl() = default;
    ~CDragTreeCtrl() override;

    // Inserts a node for the record under hParent (null: the caret node, else the first top-level
    // node, else the top level) at hInsertAfter (TVI_FIRST, TVI_LAST, TVI_SORT or an item).
    // The control takes the record over; it is freed when no node could be made.
    HTREEITEM InsertItemData(HTREEITEM hParent, std::unique_ptr<CItemInfo> pRecord, HTREEITEM hInsertAfter);
    // Deletes the node (null: the caret node, else the first top-level node) with its subtree,
    // as the hooks allow. Records stay owned until the hooks' purge or DeleteAllItemData.
    bool DeleteItem(HTREEITEM hItem);
    // Deletes every node and every record when CanClear agrees.
    bool ClearTree();
    // Hands every owned record to OnDeleteItemData, from the head.
    void DeleteAllItemData();
    // The bitmap's images of nImageWidth pixels, crMask transparent, as the nodes' image list.
    bool SetItemImageList(UINT nBitmapId, int nImageWidth, COLORREF crMask);
    // True when hTop is hItem or one of its ancestors.
    bool IsInSubtree(HTREEITEM hItem, HTREEITEM hTop) const;
    // Copies (or moves) hSource with its subtree as the last child of hNewParent; returns the node
    // inserted last (the last of the copied subtree in depth-first order), null when nothing was.
    // A move takes the source's children away only once the whole subtree is in place; when a node
    // cannot be inserted the partial copy is removed, the source stays whole and the result is null.
    HTREEITEM CopySubtree(HTREEITEM hSource, HTREEITEM hNewParent, bool bMove, bool bTop);
    // The button release of a drag: does what the last cursor showed (move, copy or refuse), and
    // ends the drag. A move that cannot be completed is refused and keeps its source.
    void EndDrag(UINT nKeyFlags, POINT pt);
    void SetDragCursor(int nType);
    // Cursors of DRAG_CURSOR_MOVE, _NODROP and _COPY, borrowed from the caller; null leaves the cursor.
    void SetDragCursors(HCURSOR hMove, HCURSOR hNoDrop, HCURSOR hCopy);

    bool IsDragging() const { return m_bDragging; }
    HTREEITEM GetDragItem() const { return m_hDragItem; }
    HTREEITEM GetDropTarget() const { return m_hDropTarget; }
    // Every owned record, to visit them all (the records themselves may be changed).
    const CItemDataList &GetItemDataList() const { return m_listItemData; }
    // The node after h in pre-order within hTop's subtree (first child, next sibling, a parent's
    // next sibling ...), null after the last one.
    HTREEITEM NextInSubtree(HTREEITEM h, HTREEITEM hTop) const;
    // The record shown by a node.
    CItemInfo *GetItemRecord(HTREEITEM hItem) const { return reinterpret_cast<CItemInfo *>(GetItemData(hItem)); }

protected:
    // Hooks for a derived view.
    // A record leaves the control; letting the pointer go frees it.
    virtual void OnDeleteItemData(std::unique_ptr<CItemInfo> pRecord);
    // Label and images of a node about to be inserted; may change the parent; false aborts.
    virtual bool GetInsertInfo(HTREEITEM &hParent, CItemInfo *pRecord, std::wstring &strLabel, int &nImage,
                               int &nSelImage);
    virtual bool CanDeleteItem(HTREEITEM hItem, CItemInfo *pRecord);
    // Called for the record of a node being deleted and for each node below it (pre-order).
    virtual void OnItemRemoved(CItemInfo *pRecord);
    // The record of a copied node; null gives the copy no record.
    virtual std::unique_ptr<CItemInfo> DuplicateItemData(const CItemInfo *pRecord);
    virtual bool CanClear();
    virtual void OnCleared();
    virtual bool CanBeginDrag(HTREEITEM hItem);
    // The cursor type (DRAG_CURSOR_*) for the pointer at pt (client coordinates) and the target under it.
    virtual int DragTest(UINT nKeyFlags, POINT pt, HTREEITEM hDragItem, HTREEITEM &hTarget);
    virtual bool CanDrop(HTREEITEM &hDragItem, HTREEITEM &hTarget, POINT pt, bool bMove);
    virtual void PrepareCopyInsert(TVINSERTSTRUCTW &tvis, bool bTop, bool bMove);
    virtual void OnItemCopied(HTREEITEM hNewItem, CItemInfo *pRecord, bool bTop);
    virtual void OnDropRefused(HTREEITEM hDragItem);
    virtual bool OnItemInserted(HTREEITEM hNewItem, CItemInfo *pRecord, const std::wstring &strLabel);
    // After a node and its subtree left the tree view.
    virtual bool OnItemsDeleted(CItemInfo *pTopRecord);

    // Takes a record over / gives one back (null when not owned); both in constant time.
    CItemInfo *AdoptItemData(std::unique_ptr<CItemInfo> pRecord);
    std::unique_ptr<CItemInfo> DetachItemData(CItemInfo *pRecord);

    bool IsInClientArea(POINT pt) const;
    // The parent of the node InsertItemData is inserting (null at the top level); for
    // OnItemInserted, which would otherwise have to ask the control.
    HTREEITEM GetInsertParent() const { return m_hInsertParent; }

    // The drag's messages; a derived class wrapping them calls these.
    bool OnBeginDrag(const NMTREEVIEWW &nm);
    void OnDragMouseMove(UINT nKeyFlags, POINT pt);
    void OnDragKey(UINT nVirtKey, bool bDown);

    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

    CImageList m_pDragImage; // the drag image of the drag in progress
    bool m_bDragging = false;
    HTREEITEM m_hDragItem = nullptr;
    HTREEITEM m_hDropTarget = nullptr;
    HCURSOR m_hCursorNormal = nullptr; // the arrow, loaded on first need
    HCURSOR m_hCursorNoDrop = nullptr;
    HCURSOR m_hCursorMove = nullptr;
    HCURSOR m_hCursorCopy = nullptr;
    CImageList m_imageList;

private:
    struct CCopyProgress {
        HTREEITEM hTop = nullptr; // the first node inserted
        bool bComplete = true;    // false once a node could not be inserted
    };
    HTREEITEM CopyNode(HTREEITEM hSource, HTREEITEM hNewParent, bool bMove, bool bTop, CCopyProgress &progress);
    // Target and cursor for the pointer at m_ptDrag with the keys given.
    void UpdateDropTarget(UINT nKeyFlags);
    // The node's image and label as a one-image list for the drag.
    HIMAGELIST MakeDragImage(HTREEITEM hItem) const;
    // The drag image's window coordinates for a client point.
    POINT DragImagePoint(POINT pt) const;
    void StopDragImage();
    // Moves the drop highlight to hTarget (null: none).
    void ShowDropHighlight(HTREEITEM hTarget);

    // Changed only through AdoptItemData, DetachItemData and DeleteAllItemData, which keep the map.
    CItemDataList m_listItemData;
    std::unordered_map<const CItemInfo *, CItemDataList::iterator> m_mapItemData; // record -> place in the list
    POINT m_ptDrag = {};                  // where the pointer was last seen during the drag (client coordinates)
    UINT m_nDragKeys = 0;                 // MK_CONTROL and MK_SHIFT as last seen during the drag
    int m_nDragType = DRAG_CURSOR_NODROP; // the cursor type last shown during the drag
    HTREEITEM m_hInsertParent = nullptr;
};
