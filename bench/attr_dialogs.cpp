// The attribute dialogs on trees of a user's size, each against its floor in the same process:
// the bulk pass with every group checked against the fresh scan of the same tree (about 20,000
// directories and 100,000 files), and opening the item attributes dialog on a directory of
// 10,000 files against filling a bare list box with the same names.
//   bench_attr_dialogs.exe [rounds]      (default 3; each figure is the best round)
#include "app/MainDlg.h"
#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "tree/DirTreeCtrl.h"

#include "BenchClock.h"
#include "BenchMainWindow.h"
#include "BenchTree.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

const int kFiles = 10000;

// Questions answered OK; every modal dialog handed to m_fnInit before it shows.
class CBenchSeams : public CUiSeams {
public:
    int MessageBox(HWND, const std::wstring &, const std::wstring &, UINT) override { return IDOK; }
    void MessageBeep(UINT) override { ++m_nBeeps; }
    void OnModalDialogInit(CDialog &dlg) override
    {
        if (m_fnInit)
            m_fnInit(dlg);
    }
    std::function<void(CDialog &)> m_fnInit;
    int m_nBeeps = 0;
};

std::wstring FileName(int n)
{
    wchar_t sz[32];
    std::swprintf(sz, 32, L"file%05d.%ls", n, (n % 3) ? L"txt" : L"dat");
    return sz;
}

// Fills and destroys a list box as the dialog's file list is filled: not sorted, no integral height,
// not yet shown (the dialog fills it before it shows itself).
void FillBareListBox(HWND hParent)
{
    HWND hList =
        ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                          0, 0, 240, 80, hParent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    for (int n = 0; n < kFiles; ++n)
        ::SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FileName(n).c_str()));
    ::DestroyWindow(hList);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const int nRounds = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 3;
    const std::wstring strRoot = bench_tree::EnsureSourceTree();
    if (strRoot.empty())
        return 1;
    CBenchSeams seams;
    SetUiSeams(&seams);
    CMainDlg dlg;
    if (!OpenBenchMainWindow(dlg))
        return 1;
    CDirTreeCtrl &tree = dlg.m_tree;
    tree.NoExpandOnSearch = 1;

    double dScan = 1e30, dBulk = 1e30, dOpen = 1e30, dEmpty = 1e30, dBare = 1e30;
    for (int r = 0; r < nRounds; ++r) {
        double t0 = NowSeconds();
        dlg.EnableUserInterface(false);
        const int nListed = tree.ScanDirectory(strRoot, nullptr, false);
        dlg.EnableUserInterface(true);
        dScan = std::min(dScan, NowSeconds() - t0);

        // Every group checked, the time taken from the source, then OK.
        seams.m_fnInit = [](CDialog &bulk) {
            for (int nID : {IDC_BULK_DIR_GROUP, IDC_BULK_DIR_ARCHIVE, IDC_BULK_TIME_GROUP, IDC_BULK_ATTR_GROUP,
                            IDC_ATTR_ARCHIVE, IDC_BULK_SORT_GROUP, IDC_BULK_CLEAR_PROCESSED})
                ::CheckDlgButton(bulk.m_hWnd, nID, BST_CHECKED);
            ::PostMessageW(bulk.m_hWnd, WM_COMMAND, IDOK, 0);
        };
        t0 = NowSeconds();
        dlg.EnableUserInterface(false);
        tree.ApplyBulkAttributes();
        dlg.EnableUserInterface(true);
        dBulk = std::min(dBulk, NowSeconds() - t0);
        if (r == 0) {
            size_t nDirs = 0, nSet = 0;
            for (const auto &pRecord : tree.GetItemDataList()) {
                if (!pRecord->IsKind(ITEM_KIND_DIR))
                    continue;
                ++nDirs;
                nSet += pRecord->m_dwAttributes == (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE);
            }
            std::printf("tree: %d entries listed; the pass set %zu of %zu directories\n", nListed, nSet, nDirs);
        }

        // The dialog's own cost: opened on a directory without files.
        auto pEmpty = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
        pEmpty->m_strName = L"no files";
        HTREEITEM hEmpty = tree.InsertItemData(tree.GetRootItem(), std::move(pEmpty), TVI_LAST);
        seams.m_fnInit = [](CDialog &item) { ::PostMessageW(item.m_hWnd, WM_COMMAND, IDCANCEL, 0); };
        t0 = NowSeconds();
        tree.EditItemAttributes(hEmpty);
        dEmpty = std::min(dEmpty, NowSeconds() - t0);
        tree.DeleteItem(hEmpty);

        // A directory of kFiles entries below the root; the dialog closed as soon as it can be.
        auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
        pDir->m_strName = L"many files";
        pDir->m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY;
        for (int n = 0; n < kFiles; ++n) {
            auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
            pFile->m_strName = FileName(n);
            pFile->m_dwSize = 1000u + static_cast<unsigned>(n);
            pDir->AppendFile(std::move(pFile));
        }
        HTREEITEM hDir = tree.InsertItemData(tree.GetRootItem(), std::move(pDir), TVI_LAST);
        seams.m_fnInit = [](CDialog &item) { ::PostMessageW(item.m_hWnd, WM_COMMAND, IDCANCEL, 0); };
        t0 = NowSeconds();
        tree.EditItemAttributes(hDir);
        dOpen = std::min(dOpen, NowSeconds() - t0);
        seams.m_fnInit = nullptr;
        tree.DeleteItem(hDir);

        t0 = NowSeconds();
        FillBareListBox(dlg.m_hWnd);
        dBare = std::min(dBare, NowSeconds() - t0);
    }
    std::printf("best of %d rounds, in seconds\n", nRounds);
    std::printf("  fresh scan %.3f, bulk pass with every group checked %.3f: pass/scan %.2f (aim: at most 0.50)\n",
                dScan, dBulk, dBulk / dScan);
    std::printf("  item dialog opened on %d files %.3f (on none %.3f), bare list box filled %.3f: dialog/list box "
                "%.2f, without the dialog's own cost %.2f (aim: within 2)\n",
                kFiles, dOpen, dEmpty, dBare, dOpen / dBare, (dOpen - dEmpty) / dBare);
    dlg.DestroyWindow();
    SetUiSeams(nullptr);
    return 0;
}
