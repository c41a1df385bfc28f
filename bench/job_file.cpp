// Saving and opening a job of the scan benchmark's tree (about 20,000 directories and 100,000
// files) against a fresh scan of the same tree into the main window (NoExpandOnSearch 1, the
// faster scan), and the job file's bytes per entry.
//   bench_job_file.exe [rounds]      (default 2; each figure is the best round)
#include "app/MainDlg.h"
#include "framework/Seams.h"
#include "tree/JobTree.h"

#include "BenchClock.h"
#include "BenchMainWindow.h"
#include "BenchTree.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

class CQuietSeams : public CUiSeams {
public:
    int MessageBox(HWND, const std::wstring &strText, const std::wstring &, UINT) override
    {
        std::printf("  message: %ls\n", strText.c_str());
        return IDOK;
    }
    void MessageBeep(UINT) override {}
};

void EmptyTree(CDirTreeCtrl &tree)
{
    tree.DeleteAllItems();
    tree.DeleteAllItemData();
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const int nRounds = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 2;
    const std::wstring strRoot = bench_tree::EnsureSourceTree();
    if (strRoot.empty())
        return 1;
    const std::wstring strJob = bench_tree::Join(bench_tree::ProgramDirectory(), L"bench.plxjob");
    std::printf("source: %ls\n", strRoot.c_str());

    CQuietSeams seams;
    SetUiSeams(&seams);
    CMainDlg dlg;
    if (!OpenBenchMainWindow(dlg))
        return 1;
    CDirTreeCtrl &tree = dlg.m_tree;
    tree.NoExpandOnSearch = 1;
    bench_tree::CWalkCount warm;
    bench_tree::BareWalk(strRoot, warm); // fills the file system's caches

    double dScan = 1e30, dSave = 1e30, dRead = 1e30, dOpen = 1e30;
    uint64_t nEntries = 0, nBytes = 0;
    bool bSame = true;
    for (int r = 0; r < nRounds; ++r) {
        EmptyTree(tree);
        double t0 = NowSeconds();
        dlg.EnableUserInterface(false);
        nEntries = static_cast<uint64_t>(tree.ScanDirectory(strRoot, nullptr, false));
        dlg.EnableUserInterface(true);
        dScan = std::min(dScan, NowSeconds() - t0);

        std::wstring strError;
        t0 = NowSeconds();
        dlg.EnableUserInterface(false);
        const bool bSaved = SaveJobOfTree(tree, L"D:\\dest", strJob, strError);
        dlg.EnableUserInterface(true);
        dSave = std::min(dSave, NowSeconds() - t0);
        if (!bSaved) {
            std::printf("save failed: %ls\n", strError.c_str());
            return 1;
        }
        WIN32_FILE_ATTRIBUTE_DATA fad = {};
        ::GetFileAttributesExW(strJob.c_str(), GetFileExInfoStandard, &fad);
        nBytes = (static_cast<uint64_t>(fad.nFileSizeHigh) << 32) | fad.nFileSizeLow;
        const unsigned nNodes = tree.GetCount();

        // Opening: the file read and checked whole, then the tree replaced (here an empty one, as
        // a fresh scan starts from).
        EmptyTree(tree);
        CJob job;
        t0 = NowSeconds();
        dlg.EnableUserInterface(false);
        const bool bRead = ReadJobFile(strJob, job, strError);
        const double dReadOnly = NowSeconds() - t0;
        if (bRead)
            PutJobIntoTree(tree, job);
        dlg.EnableUserInterface(true);
        dOpen = std::min(dOpen, NowSeconds() - t0);
        dRead = std::min(dRead, dReadOnly);
        if (!bRead) {
            std::printf("open failed: %ls\n", strError.c_str());
            return 1;
        }
        bSame = bSame && tree.GetCount() == nNodes;
    }
    std::printf("best of %d rounds; %llu entries listed, job file %llu bytes (%.1f bytes per entry)\n", nRounds,
                static_cast<unsigned long long>(nEntries), static_cast<unsigned long long>(nBytes),
                static_cast<double>(nBytes) / static_cast<double>(nEntries));
    std::printf("%-44s %9s %9s\n", "", "seconds", "x scan");
    auto line = [dScan](const char *pszName, double d) { std::printf("%-44s %9.3f %9.2f\n", pszName, d, d / dScan); };
    line("fresh scan with files, NoExpandOnSearch 1", dScan);
    line("save (tree copied, JSON written, file moved)", dSave);
    line("open (file read and checked whole)", dRead);
    line("open (read, checked, tree filled)", dOpen);
    if (!bSame)
        std::printf("unexpected: the opened tree has another number of nodes\n");
    dlg.DestroyWindow();
    SetUiSeams(nullptr);
    ::DeleteFileW(strJob.c_str());
    return 0;
}
