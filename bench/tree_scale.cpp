// How the directory tree's record keeping scales with the size of a scanned tree: building,
// deleting nodes, copying and moving a wide directory, clearing. Each figure comes with the time
// the bare tree view control needs for the same node operations, because under Wine every call
// that names a node searches the control's whole item array: there the control itself is linear
// per call. What matters is that the ratio to the control stays flat as the tree grows.
#include "framework/Seams.h"
#include "res/resource.h"
#include "tree/DirTreeCtrl.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// Every question answered OK, no sound.
class CAgreeingSeams : public CUiSeams {
public:
    int MessageBox(HWND, const std::wstring &, const std::wstring &, UINT) override { return IDOK; }
    void MessageBeep(UINT) override {}
};

class CStopwatch {
public:
    double Ms() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

std::wstring Name(const wchar_t *pszPrefix, int n)
{
    wchar_t sz[32];
    swprintf(sz, 32, L"%ls%06d", pszPrefix, n);
    return sz;
}

HTREEITEM AddDir(CDirTreeCtrl &tree, HTREEITEM hParent, const std::wstring &strName, int nFiles)
{
    auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pDir->m_strName = strName;
    pDir->m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
    for (int i = 0; i < nFiles; ++i) {
        auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
        pFile->m_strName = Name(L"file", i);
        pFile->m_dwSize = 4096;
        pDir->AppendFile(std::move(pFile));
    }
    // The last position, without the control's linear search for the sorted one.
    return tree.InsertItemData(hParent, std::move(pDir), TVI_LAST);
}

// A fresh tree holding only the root, filled as a scan that keeps it closed.
HTREEITEM Restart(CDirTreeCtrl &tree)
{
    tree.m_bBusy = false;
    tree.ClearTree();
    tree.EnsureRootItem();
    tree.m_bBusy = true;
    tree.NoExpandOnSearch = 1;
    return tree.GetRootItem();
}

} // namespace

int wmain()
{
    CAgreeingSeams seams;
    SetUiSeams(&seams);
    CWnd::RegisterWndClass(L"PelnixBenchHost", 0, nullptr, nullptr);
    CWnd host;
    CDirTreeCtrl tree;
    if (!host.CreateEx(0, L"PelnixBenchHost", L"bench", WS_POPUP, RECT{0, 0, 400, 400}, nullptr, 0) ||
        !tree.CreateEx(0, WC_TREEVIEWW, L"", WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES, RECT{0, 0, 380, 380},
                       host.m_hWnd, IDC_DIRTREE)) {
        std::printf("no window\n");
        return 1;
    }

    // A scanned tree: 200 directories of 100 sub-directories, 5 file entries each.
    HTREEITEM hRoot = Restart(tree);
    CStopwatch bare;
    for (int i = 0; i < 200; ++i) {
        HTREEITEM hTop = tree.InsertItem(Name(L"dir", i), 0, 0, hRoot, TVI_LAST);
        for (int j = 0; j < 100; ++j)
            tree.InsertItem(Name(L"sub", j), 0, 0, hTop, TVI_LAST);
    }
    double msBare = bare.Ms();
    hRoot = Restart(tree);
    CStopwatch build;
    for (int i = 0; i < 200; ++i) {
        HTREEITEM hTop = AddDir(tree, hRoot, Name(L"dir", i), 5);
        for (int j = 0; j < 100; ++j)
            AddDir(tree, hTop, Name(L"sub", j), 5);
    }
    double msBuild = build.Ms();
    std::printf("build   %zu nodes, 101000 file entries: %8.1f ms (bare control %8.1f ms)\n",
                tree.GetItemDataList().size(), msBuild, msBare);

    // Single deletions from the full tree; the purge visits only what was deleted.
    CStopwatch del;
    HTREEITEM hTop = tree.GetChildItem(hRoot);
    for (int k = 0; k < 50; ++k)
        tree.DeleteItem(tree.GetChildItem(hTop));
    std::printf("delete  one node of %zu: %.3f ms\n", tree.GetItemDataList().size(), del.Ms() / 50);

    CStopwatch clear;
    size_t nRecords = tree.GetItemDataList().size();
    tree.ClearTree();
    std::printf("clear   %zu nodes with their entries: %8.1f ms\n\n", nRecords, clear.Ms());

    // A wide directory copied and moved, against the bare control inserting and deleting as many.
    std::printf("width   bare insert   bare delete        copy (ratio)        move (ratio)\n");
    // The machine is shared: each figure is the best of three rounds.
    for (int nWidth : {1000, 2000, 4000, 8000}) {
        double msBareInsert = 1e30, msBareDelete = 1e30, msCopy = 1e30, msMove = 1e30;
        for (int nRound = 0; nRound < 3; ++nRound) {
            hRoot = Restart(tree);
            HTREEITEM hWide = AddDir(tree, hRoot, L"wide", 0);
            for (int j = nWidth - 1; j >= 0; --j) // reverse order: the copy has something to sort
                AddDir(tree, hWide, Name(L"w", j), 1);

            HTREEITEM hBare = tree.InsertItem(L"bare", 0, 0, hRoot, TVI_LAST);
            CStopwatch bareInsert;
            for (int j = 0; j < nWidth; ++j)
                tree.InsertItem(Name(L"b", j), 0, 0, hBare, TVI_LAST);
            msBareInsert = std::min(msBareInsert, bareInsert.Ms());
            CStopwatch bareDelete;
            while (HTREEITEM h = tree.GetChildItem(hBare))
                tree.CTreeCtrl::DeleteItem(h);
            msBareDelete = std::min(msBareDelete, bareDelete.Ms());

            HTREEITEM hCopyTarget = AddDir(tree, hRoot, L"copies", 0);
            CStopwatch copy;
            tree.CopySubtree(hWide, hCopyTarget, false, true);
            msCopy = std::min(msCopy, copy.Ms());
            HTREEITEM hMoveTarget = AddDir(tree, hRoot, L"moved", 0);
            CStopwatch move;
            tree.CopySubtree(hWide, hMoveTarget, true, true);
            tree.CTreeCtrl::DeleteItem(hWide);
            msMove = std::min(msMove, move.Ms());
        }
        std::printf("%5d %10.1f ms %10.1f ms %10.1f ms (%4.1f) %10.1f ms (%4.1f)\n", nWidth, msBareInsert, msBareDelete,
                    msCopy, msCopy / msBareInsert, msMove, msMove / (msBareInsert + msBareDelete));
    }
    tree.ClearTree();
    SetUiSeams(nullptr);
    return 0;
}
