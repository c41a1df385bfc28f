// Reading and selecting the nodes of a tree view in another process.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

struct CTreeItem {
    HTREEITEM hItem = nullptr;
    std::wstring strText;
    UINT nState = 0; // TVIS_* bits
    int nImage = 0;
    int nSelectedImage = 0;
    int nChildren = 0; // the item's "has children" value, as the buttons show it
};

struct CTreeNode {
    CTreeItem item;
    std::vector<CTreeNode> listChildren;
};

// One item's label, state, images and children flag.
CTreeItem GetTreeItem(HWND hTree, HTREEITEM hItem);
// TVM_GETNEXTITEM: TVGN_ROOT, TVGN_CHILD, TVGN_NEXT, TVGN_PARENT, TVGN_CARET, ...
HTREEITEM GetNextTreeItem(HWND hTree, HTREEITEM hItem, UINT nCode);
// Every node that exists, collapsed branches included.
std::vector<CTreeNode> GetTree(HWND hTree);
// The labels as lines, two spaces of indent per level: easy to compare with an expected tree.
std::vector<std::wstring> GetTreeOutline(HWND hTree);
// The node reached by following labels from a root; nullptr when a label is missing on the way.
HTREEITEM FindTreeItem(HWND hTree, const std::vector<std::wstring> &listLabels);

// Selects the node as the keyboard or a click would (the tree's own selection message, so the
// program is told of the change); returns once it is the caret.
void SelectTreeItem(HWND hTree, HTREEITEM hItem);
HTREEITEM GetSelectedTreeItem(HWND hTree);
// Starts editing a label (TVM_EDITLABEL) and returns the edit control once it is there.
HWND EditTreeLabel(HWND hTree, HTREEITEM hItem);
