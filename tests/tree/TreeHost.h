// A real tree view control inside a window of our own for the tree tests, so that its
// notifications are reflected to the tree object as in the main window.
#pragma once
#include "framework/Wnd.h"
#include "res/resource.h"
#include "tree/DirTreeCtrl.h"
#include "tree/NodeImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A record that counts how many records of its class are alive, so tests can see what was freed.
class CCountedItem : public CItemInfo {
public:
    static inline int s_nAlive = 0;
    explicit CCountedItem(DWORD dwKind, const std::wstring &strName = std::wstring()) : CItemInfo(dwKind)
    {
        ++s_nAlive;
        m_strName = strName;
    }
    ~CCountedItem() override { --s_nAlive; }
};

inline HCURSOR TreeCursor(int nId)
{
    return ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nId));
}

template <class TTree> class CTreeHost {
public:
    CTreeHost()
    {
        CWnd::RegisterWndClass(L"PelnixTreeHost", 0, ::LoadCursorW(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        m_wndHost.CreateEx(0, L"PelnixTreeHost", L"tree host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 420, 420},
                           nullptr, 0);
        m_tree.CreateEx(0, WC_TREEVIEWW, L"",
                        WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                            TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                        RECT{0, 0, 360, 360}, m_wndHost.m_hWnd, IDC_DIRTREE);
        m_tree.SetItemImageList(IDB_DIRTREE, NODE_IMAGE_SIZE, NODE_IMAGE_MASK);
        m_tree.SetDragCursors(TreeCursor(IDC_DRAG_MOVE), TreeCursor(IDC_DRAG_NODROP), TreeCursor(IDC_DRAG_COPY));
    }

    bool IsReady() const { return m_wndHost.m_hWnd && m_tree.m_hWnd; }

    // A directory node with counted records: nFiles entries of 100 bytes each.
    HTREEITEM AddDir(HTREEITEM hParent, const std::wstring &strName, DWORD dwAttributes = FILE_ATTRIBUTE_DIRECTORY,
                     int nFiles = 0)
    {
        auto pDir = std::make_unique<CCountedItem>(ITEM_KIND_DIR, strName);
        pDir->m_dwAttributes = dwAttributes;
        for (int i = 0; i < nFiles; ++i) {
            auto pFile = std::make_unique<CCountedItem>(ITEM_KIND_FILE, strName + L".f" + std::to_wstring(i));
            pFile->m_dwSize = 100;
            pDir->AppendFile(std::move(pFile));
        }
        return m_tree.InsertItemData(hParent, std::move(pDir), TVI_SORT);
    }

    std::vector<std::wstring> Children(HTREEITEM hParent) const
    {
        std::vector<std::wstring> list;
        for (HTREEITEM h = m_tree.GetChildItem(hParent); h; h = m_tree.GetNextSiblingItem(h))
            list.push_back(m_tree.GetItemText(h));
        return list;
    }

    HTREEITEM FindChild(HTREEITEM hParent, const std::wstring &strLabel) const
    {
        for (HTREEITEM h = m_tree.GetChildItem(hParent); h; h = m_tree.GetNextSiblingItem(h)) {
            if (m_tree.GetItemText(h) == strLabel)
                return h;
        }
        return nullptr;
    }

    int Image(HTREEITEM h) const
    {
        int nImage = -1, nSel = -2;
        m_tree.GetItemImage(h, nImage, nSel);
        EXPECT_EQ(nImage, nSel);
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

    CWnd m_wndHost;
    TTree m_tree;
};
