#include "TreeView.h"

#include "Program.h"
#include "RemoteBuffer.h"
#include "Wait.h"

namespace {

constexpr size_t TEXT_CHARS = 1024;

LRESULT SendTree(HWND hTree, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR nResult = 0;
    if (!::SendMessageTimeoutW(hTree, uMsg, wParam, lParam, SMTO_NORMAL, WAIT_DEFAULT_MS, &nResult))
        throw CDriverError(L"no answer to tree view message " + std::to_wstring(uMsg) + L" from " +
                           DescribeWindow(hTree));
    return static_cast<LRESULT>(nResult);
}

void CollectChildren(HWND hTree, HTREEITEM hFirst, std::vector<CTreeNode> &listNodes)
{
    for (HTREEITEM h = hFirst; h; h = GetNextTreeItem(hTree, h, TVGN_NEXT)) {
        CTreeNode node;
        node.item = GetTreeItem(hTree, h);
        CollectChildren(hTree, GetNextTreeItem(hTree, h, TVGN_CHILD), node.listChildren);
        listNodes.push_back(std::move(node));
    }
}

void AppendOutline(const std::vector<CTreeNode> &listNodes, const std::wstring &strIndent,
                   std::vector<std::wstring> &listLines)
{
    for (const auto &node : listNodes) {
        listLines.push_back(strIndent + node.item.strText);
        AppendOutline(node.listChildren, strIndent + L"  ", listLines);
    }
}

} // namespace

CTreeItem GetTreeItem(HWND hTree, HTREEITEM hItem)
{
    // The structure first, its text buffer right after it, both in the tree's process.
    CRemoteBuffer buf(hTree, sizeof(TVITEMW) + TEXT_CHARS * sizeof(wchar_t));
    TVITEMW tvi = {};
    tvi.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    tvi.hItem = hItem;
    tvi.stateMask = static_cast<UINT>(-1);
    tvi.pszText = static_cast<wchar_t *>(buf.Address(sizeof(TVITEMW)));
    tvi.cchTextMax = TEXT_CHARS;
    buf.WriteValue(tvi);
    buf.WriteValue(L'\0', sizeof(TVITEMW));
    if (!SendTree(hTree, TVM_GETITEMW, 0, buf.Param()))
        throw CDriverError(L"tree view " + DescribeWindow(hTree) + L" has no item " +
                           std::to_wstring(reinterpret_cast<uintptr_t>(hItem)));
    tvi = buf.ReadValue<TVITEMW>();
    CTreeItem item;
    item.hItem = hItem;
    item.strText = buf.ReadStringAt(tvi.pszText, TEXT_CHARS);
    item.nState = tvi.state;
    item.nImage = tvi.iImage;
    item.nSelectedImage = tvi.iSelectedImage;
    item.nChildren = tvi.cChildren;
    return item;
}

HTREEITEM GetNextTreeItem(HWND hTree, HTREEITEM hItem, UINT nCode)
{
    return reinterpret_cast<HTREEITEM>(SendTree(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

std::vector<CTreeNode> GetTree(HWND hTree)
{
    std::vector<CTreeNode> listNodes;
    CollectChildren(hTree, GetNextTreeItem(hTree, nullptr, TVGN_ROOT), listNodes);
    return listNodes;
}

std::vector<std::wstring> GetTreeOutline(HWND hTree)
{
    std::vector<std::wstring> listLines;
    AppendOutline(GetTree(hTree), L"", listLines);
    return listLines;
}

HTREEITEM FindTreeItem(HWND hTree, const std::vector<std::wstring> &listLabels)
{
    HTREEITEM hLevel = GetNextTreeItem(hTree, nullptr, TVGN_ROOT);
    HTREEITEM hFound = nullptr;
    for (const auto &strLabel : listLabels) {
        hFound = nullptr;
        for (HTREEITEM h = hLevel; h && !hFound; h = GetNextTreeItem(hTree, h, TVGN_NEXT))
            if (GetTreeItem(hTree, h).strText == strLabel)
                hFound = h;
        if (!hFound)
            return nullptr;
        hLevel = GetNextTreeItem(hTree, hFound, TVGN_CHILD);
    }
    return hFound;
}

void SelectTreeItem(HWND hTree, HTREEITEM hItem)
{
    // Posted: a program may answer a selection with a question, and a sent message would wait for it.
    if (!::PostMessageW(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)))
        throw CDriverError(L"cannot post TVM_SELECTITEM to " + DescribeWindow(hTree));
    WaitUntil([&] { return GetSelectedTreeItem(hTree) == hItem; },
              L"tree item \"" + GetTreeItem(hTree, hItem).strText + L"\" to become the selection");
    SyncWindowThread(hTree);
}

HTREEITEM GetSelectedTreeItem(HWND hTree)
{
    return GetNextTreeItem(hTree, nullptr, TVGN_CARET);
}

HWND EditTreeLabel(HWND hTree, HTREEITEM hItem)
{
    if (!::PostMessageW(hTree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(hItem)))
        throw CDriverError(L"cannot post TVM_EDITLABEL to " + DescribeWindow(hTree));
    return WaitFor<HWND>([&] { return reinterpret_cast<HWND>(SendTree(hTree, TVM_GETEDITCONTROL, 0, 0)); },
                         L"the label editor of tree item \"" + GetTreeItem(hTree, hItem).strText + L"\"");
}
