// One stage for the tests of a tree view object: the object on a real tree control in a real
// window, its notifications reflected to it as in the main window. The flags say which stage.
#pragma once
#include "framework/Dialog.h"
#include "res/resource.h"
#include "tree/DirTreeCtrl.h"
#include "tree/NodeImage.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

using Labels = std::vector<std::wstring>;

enum : unsigned {
    // The main window's own template with the object attached to its IDC_DIRTREE, as the main
    // window attaches it; without it, a window of our own with a 360 by 360 tree control in it.
    TVH_MAIN_TEMPLATE = 0x01,
    TVH_SHOWN = 0x02,        // the template shown (the window of our own always is)
    TVH_IMAGES = 0x04,       // the node images
    TVH_DRAG_CURSORS = 0x08, // the move, no-drop and copy cursors
    TVH_ROOT = 0x10,         // "[ root ]" made at once (a directory tree only)
};
// The stages of the tree view tests (a window of our own), the scan tests and the run tests.
constexpr unsigned TVH_TREE_STAGE = TVH_IMAGES | TVH_DRAG_CURSORS;
constexpr unsigned TVH_SCAN_STAGE = TVH_MAIN_TEMPLATE | TVH_SHOWN | TVH_IMAGES | TVH_ROOT;
constexpr unsigned TVH_RUN_STAGE = TVH_MAIN_TEMPLATE | TVH_IMAGES | TVH_ROOT;

inline HCURSOR TreeCursor(int nId)
{
    return ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nId));
}

// The main window's template as a modeless dialog; records the selection changes its tree reports.
class CTreeHostDlg : public CDialog {
public:
    std::vector<HTREEITEM> m_listSelected;

protected:
    bool OnNotify(NMHDR *pHdr, LRESULT *pResult) override
    {
        if (pHdr->idFrom == IDC_DIRTREE && pHdr->code == TVN_SELCHANGEDW)
            m_listSelected.push_back(reinterpret_cast<NMTREEVIEWW *>(pHdr)->itemNew.hItem);
        return CDialog::OnNotify(pHdr, pResult);
    }
};

template <class TTree> class CTreeViewHost {
public:
    explicit CTreeViewHost(unsigned nFlags) { m_bReady = Create(nFlags); }
    CTreeViewHost(const CTreeViewHost &) = delete;
    CTreeViewHost &operator=(const CTreeViewHost &) = delete;

    // Everything the flags asked for was made; a fixture asserts it before its test starts.
    bool IsReady() const { return m_bReady; }
    // The top-level window that holds the tree control.
    HWND Window() const { return m_dlg.m_hWnd ? m_dlg.m_hWnd : m_wndHost.m_hWnd; }

    Labels Children(HTREEITEM hParent) const
    {
        Labels list;
        for (HTREEITEM h = m_tree.GetChildItem(hParent); h; h = m_tree.GetNextSiblingItem(h))
            list.push_back(m_tree.GetItemText(h));
        return list;
    }
    // The nIndex-th child with this label (labels repeat where names differ only in case).
    HTREEITEM Child(HTREEITEM hParent, const std::wstring &strLabel, int nIndex = 0) const
    {
        for (HTREEITEM h = m_tree.GetChildItem(hParent); h; h = m_tree.GetNextSiblingItem(h)) {
            if (m_tree.GetItemText(h) == strLabel && nIndex-- == 0)
                return h;
        }
        return nullptr;
    }
    // The node's image, which its selected image equals.
    int Image(HTREEITEM h) const
    {
        int nImage = -1, nSelected = -2;
        m_tree.GetItemImage(h, nImage, nSelected);
        EXPECT_EQ(nImage, nSelected);
        return nImage;
    }

    // The middle of a node's label, in client coordinates.
    POINT PointOf(HTREEITEM h) const
    {
        m_tree.EnsureVisible(h);
        RECT rc = {};
        EXPECT_TRUE(m_tree.GetItemRect(h, rc, true));
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // Inside the client area, below every node.
    POINT EmptyPoint() const
    {
        RECT rc = m_tree.GetClientRect();
        return POINT{rc.right / 2, rc.bottom - 5};
    }

    // Presses a mouse button on the node and moves it away as a user starts a drag.
    bool BeginDrag(HTREEITEM h, bool bRight = false)
    {
        POINT pt = PointOf(h);
        UINT nButton = bRight ? MK_RBUTTON : MK_LBUTTON;
        // The tree view looks for this move while it waits to tell a click from a drag.
        m_tree.PostMessage(WM_MOUSEMOVE, nButton, MAKELPARAM(pt.x + 12, pt.y + 12));
        m_tree.SendMessage(bRight ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, nButton, MAKELPARAM(pt.x, pt.y));
        return m_tree.IsDragging();
    }
    void MoveTo(POINT pt, UINT nKeys, bool bRight = false)
    {
        m_tree.SendMessage(WM_MOUSEMOVE, (bRight ? MK_RBUTTON : MK_LBUTTON) | nKeys,
                           MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
    }
    void Release(POINT pt, UINT nKeys, bool bRight = false)
    {
        m_tree.SendMessage(bRight ? WM_RBUTTONUP : WM_LBUTTONUP, nKeys,
                           MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
    }
    // A whole drag from a node to a point, the keys held throughout.
    bool DragTo(HTREEITEM hFrom, POINT ptTo, UINT nKeys, bool bRight = false)
    {
        if (!BeginDrag(hFrom, bRight))
            return false;
        MoveTo(ptTo, nKeys, bRight);
        Release(ptTo, nKeys, bRight);
        return true;
    }

    // Before the tree, so that the object lets go of its control before the window goes.
    CWnd m_wndHost;
    CTreeHostDlg m_dlg;
    TTree m_tree;

private:
    bool Create(unsigned nFlags)
    {
        if (nFlags & TVH_MAIN_TEMPLATE) {
            if (!m_dlg.Create(IDD_PELNIX_DIALOG, nullptr) || !m_tree.SubclassDlgItem(IDC_DIRTREE, m_dlg.m_hWnd))
                return false;
        } else {
            CWnd::RegisterWndClass(L"PelnixTreeHost", 0, ::LoadCursorW(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
            if (!m_wndHost.CreateEx(0, L"PelnixTreeHost", L"tree host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    RECT{0, 0, 420, 420}, nullptr, 0) ||
                !m_tree.CreateEx(0, WC_TREEVIEWW, L"",
                                 WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                     TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                                 RECT{0, 0, 360, 360}, m_wndHost.m_hWnd, IDC_DIRTREE))
                return false;
        }
        if ((nFlags & TVH_IMAGES) && !m_tree.SetItemImageList(IDB_DIRTREE, NODE_IMAGE_SIZE, NODE_IMAGE_MASK))
            return false;
        if (nFlags & TVH_DRAG_CURSORS)
            m_tree.SetDragCursors(TreeCursor(IDC_DRAG_MOVE), TreeCursor(IDC_DRAG_NODROP), TreeCursor(IDC_DRAG_COPY));
        if constexpr (std::is_base_of_v<CDirTreeCtrl, TTree>) {
            if ((nFlags & TVH_ROOT) && !m_tree.EnsureRootItem())
                return false;
        }
        if ((nFlags & TVH_MAIN_TEMPLATE) && (nFlags & TVH_SHOWN))
            m_dlg.ShowWindow(SW_SHOW);
        return true;
    }

    bool m_bReady = false;
};
