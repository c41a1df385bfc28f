// CTreeCtrl: thin member forms of the tree-view messages over a CWnd.
#pragma once
#include "framework/Wnd.h"

#include <commctrl.h>
#include <string>

class CTreeCtrl : public CWnd {
public:
    // A tree-view message handed straight to the control's own procedure, from the window's own
    // thread. Sent to the window, a message would first pass the subclass chain, which looks itself
    // up as a window property twice: under Wine a round trip to the window server each time, many
    // times the cost of the message. A class derived from this one therefore never sees the TVM_*
    // messages its own code sends; other messages still reach its WindowProc.
    LRESULT SendTreeMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        if (!m_hWnd)
            return 0;
        auto pfnProc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(m_hWnd, GCLP_WNDPROC));
        return ::CallWindowProcW(pfnProc, m_hWnd, uMsg, wParam, lParam);
    }

    HTREEITEM InsertItem(const std::wstring &strText, int nImage, int nSelImage, HTREEITEM hParent, HTREEITEM hAfter,
                         LPARAM lParam = 0) const
    {
        TVINSERTSTRUCTW tvis = {};
        tvis.hParent = hParent;
        tvis.hInsertAfter = hAfter;
        tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        tvis.item.pszText = const_cast<wchar_t *>(strText.c_str());
        tvis.item.iImage = nImage;
        tvis.item.iSelectedImage = nSelImage;
        tvis.item.lParam = lParam;
        return reinterpret_cast<HTREEITEM>(SendTreeMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tvis)));
    }
    bool DeleteItem(HTREEITEM h) const { return SendTreeMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(h)) != 0; }
    bool DeleteAllItems() const { return SendTreeMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0; }
    // The whole label, however long.
    std::wstring GetItemText(HTREEITEM h) const
    {
        std::wstring buf(1024, L'\0');
        TVITEMW tvi = {};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = h;
        tvi.pszText = buf.data();
        tvi.cchTextMax = static_cast<int>(buf.size());
        if (!SendTreeMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)))
            return std::wstring();
        return std::wstring(tvi.pszText);
    }
    bool SetItemText(HTREEITEM h, const std::wstring &str) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = h;
        tvi.pszText = const_cast<wchar_t *>(str.c_str());
        return SendTreeMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)) != 0;
    }
    LPARAM GetItemData(HTREEITEM h) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_PARAM;
        tvi.hItem = h;
        return SendTreeMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)) ? tvi.lParam : 0;
    }
    bool SetItemData(HTREEITEM h, LPARAM lParam) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_PARAM;
        tvi.hItem = h;
        tvi.lParam = lParam;
        return SendTreeMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)) != 0;
    }
    bool SetItemImage(HTREEITEM h, int nImage, int nSelImage) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tvi.hItem = h;
        tvi.iImage = nImage;
        tvi.iSelectedImage = nSelImage;
        return SendTreeMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)) != 0;
    }
    bool GetItemImage(HTREEITEM h, int &nImage, int &nSelImage) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tvi.hItem = h;
        if (!SendTreeMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)))
            return false;
        nImage = tvi.iImage;
        nSelImage = tvi.iSelectedImage;
        return true;
    }
    UINT GetItemState(HTREEITEM h, UINT nMask) const
    {
        return static_cast<UINT>(SendTreeMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(h), nMask));
    }
    bool SetItemState(HTREEITEM h, UINT nState, UINT nMask) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_STATE;
        tvi.hItem = h;
        tvi.state = nState;
        tvi.stateMask = nMask;
        return SendTreeMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)) != 0;
    }
    HTREEITEM GetNextItem(HTREEITEM h, UINT nCode) const
    {
        return reinterpret_cast<HTREEITEM>(SendTreeMessage(TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(h)));
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM h) const { return GetNextItem(h, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM h) const { return GetNextItem(h, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM h) const { return GetNextItem(h, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM h) const { return GetNextItem(h, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
    bool ItemHasChildren(HTREEITEM h) const { return GetChildItem(h) != nullptr; }
    bool SelectItem(HTREEITEM h) const
    {
        return SendTreeMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(h)) != 0;
    }
    bool SelectDropTarget(HTREEITEM h) const
    {
        return SendTreeMessage(TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(h)) != 0;
    }
    bool Expand(HTREEITEM h, UINT nCode) const
    {
        return SendTreeMessage(TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(h)) != 0;
    }
    bool EnsureVisible(HTREEITEM h) const
    {
        return SendTreeMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(h)) != 0;
    }
    UINT GetCount() const { return static_cast<UINT>(SendTreeMessage(TVM_GETCOUNT)); }
    HIMAGELIST SetImageList(HIMAGELIST hList, int nType = TVSIL_NORMAL) const
    {
        return reinterpret_cast<HIMAGELIST>(
            SendTreeMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(nType), reinterpret_cast<LPARAM>(hList)));
    }
    HWND EditLabel(HTREEITEM h) const
    {
        return reinterpret_cast<HWND>(SendTreeMessage(TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(h)));
    }
    HWND GetEditControl() const { return reinterpret_cast<HWND>(SendTreeMessage(TVM_GETEDITCONTROL)); }
    bool EndEditLabelNow(bool bCancel) const { return SendTreeMessage(TVM_ENDEDITLABELNOW, bCancel) != 0; }
    HTREEITEM HitTest(POINT pt, UINT *pFlags = nullptr) const
    {
        TVHITTESTINFO hti = {};
        hti.pt = pt;
        HTREEITEM h = reinterpret_cast<HTREEITEM>(SendTreeMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hti)));
        if (pFlags)
            *pFlags = hti.flags;
        return h;
    }
    bool GetItemRect(HTREEITEM h, RECT &rc, bool bTextOnly) const
    {
        *reinterpret_cast<HTREEITEM *>(&rc) = h;
        return SendTreeMessage(TVM_GETITEMRECT, bTextOnly, reinterpret_cast<LPARAM>(&rc)) != 0;
    }
    HIMAGELIST CreateDragImage(HTREEITEM h) const
    {
        return reinterpret_cast<HIMAGELIST>(SendTreeMessage(TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(h)));
    }
    bool SortChildren(HTREEITEM h) const
    {
        return SendTreeMessage(TVM_SORTCHILDREN, 0, reinterpret_cast<LPARAM>(h)) != 0;
    }
};
