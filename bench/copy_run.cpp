// Times one run of the directory tree view into a destination, as the user starts it: the main
// window's dialog with its tree, the status window, the files copied by the worker. The
// tree is first built from the source as a scan builds it (timed apart). Prints the run's wall
// time and the CPU time of the user-interface thread and of the rest of the process.
//   bench_copy_run.exe SOURCE DESTINATION dirs|files [--no-expand]
// bench/copy_bench.sh drives it against xcopy and cp on a generated tree.
#include "copy/RunResult.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "tree/DirTreeCtrl.h"
#include "tree/NodeImage.h"
#include "tree/ScanRules.h"

#include "BenchClock.h"

#include <cstdio>
#include <string>

namespace {

// Every message answered OK; the summary is printed.
class CBenchSeams : public CUiSeams {
public:
    int MessageBox(HWND, const std::wstring &strText, const std::wstring &strCaption, UINT) override
    {
        std::printf("%ls: %ls\n", strCaption.c_str(), strText.c_str());
        return IDOK;
    }
    void MessageBeep(UINT) override {}
};

double Seconds(const FILETIME &ft)
{
    return static_cast<double>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 1e7;
}

struct CCpuTimes {
    double dThread = 0, dProcess = 0;
};

CCpuTimes CpuNow()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    CCpuTimes t;
    if (::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser))
        t.dThread = Seconds(ftKernel) + Seconds(ftUser);
    if (::GetProcessTimes(::GetCurrentProcess(), &ftCreate, &ftExit, &ftKernel, &ftUser))
        t.dProcess = Seconds(ftKernel) + Seconds(ftUser);
    return t;
}

// A directory's files and subdirectories as records below hParent, sorted by the tree.
size_t AddLevel(CDirTreeCtrl &tree, HTREEITEM hParent, CItemInfo &dir, const std::wstring &strDir)
{
    size_t nDirs = 0;
    dir.m_strSourcePath = strDir;
    std::vector<WIN32_FIND_DATAW> listDirs;
    WIN32_FIND_DATAW fd;
    CFindHandle hFind(::FindFirstFileW((strDir + L"\\*").c_str(), &fd));
    for (bool bMore = hFind.IsValid(); bMore; bMore = ::FindNextFileW(hFind, &fd) != FALSE) {
        const std::wstring strName = fd.cFileName;
        if (strName == L"." || strName == L"..")
            continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            listDirs.push_back(fd);
            continue;
        }
        dir.AppendFile(MakeScanRecord(fd, strDir));
    }
    tree.UpdateItemImage(hParent);
    for (const auto &fdDir : listDirs) {
        auto pDir = MakeScanRecord(fdDir, strDir);
        CItemInfo &child = *pDir;
        HTREEITEM hItem = tree.InsertItemData(hParent, std::move(pDir), TVI_LAST);
        ++nDirs;
        // A link is a node without files, as the scan leaves it.
        if (!(fdDir.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            nDirs += AddLevel(tree, hItem, child, strDir + L"\\" + fdDir.cFileName);
    }
    return nDirs;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 4) {
        std::printf("usage: bench_copy_run.exe SOURCE DESTINATION dirs|files [--no-expand]\n");
        return 2;
    }
    const std::wstring strSource = argv[1], strDest = argv[2];
    const bool bDirectoryOnly = std::wstring(argv[3]) == L"dirs";
    const bool bNoExpand = argc > 4 && std::wstring(argv[4]) == L"--no-expand";

    CBenchSeams seams;
    SetUiSeams(&seams);
    CDialog dlg;
    CDirTreeCtrl tree;
    if (!dlg.Create(IDD_PELNIX_DIALOG, nullptr) || !tree.SubclassDlgItem(IDC_DIRTREE, dlg.m_hWnd)) {
        std::printf("no window\n");
        return 1;
    }
    dlg.ShowWindow(SW_SHOW);
    tree.SetItemImageList(IDB_DIRTREE, NODE_IMAGE_SIZE, NODE_IMAGE_MASK);
    tree.EnsureRootItem();

    double dStart = NowSeconds();
    tree.m_bBusy = true;
    tree.NoExpandOnSearch = 1;
    HTREEITEM hRoot = tree.GetRootItem();
    const size_t nDirs = AddLevel(tree, hRoot, *tree.GetItemRecord(hRoot), strSource);
    tree.m_bBusy = false;
    DWORD nFiles = 0;
    const uint64_t nBytes = tree.CountFiles(hRoot, nFiles, false);
    std::printf("tree: %zu directories, %lu files, %llu bytes, built in %.2f s\n", nDirs, nFiles,
                static_cast<unsigned long long>(nBytes), NowSeconds() - dStart);

    tree.FileOverWriteMode = FOW_ALWAYS;
    tree.NoExpandOnCopy = bNoExpand ? 1 : 0;
    tree.UseErrorLog = 0;
    const CCpuTimes cpuBefore = CpuNow();
    dStart = NowSeconds();
    tree.ExecuteCopy(strDest, bDirectoryOnly, false);
    const double dWall = NowSeconds() - dStart;
    const CCpuTimes cpuAfter = CpuNow();
    const double dUi = cpuAfter.dThread - cpuBefore.dThread;
    const double dOther = (cpuAfter.dProcess - cpuBefore.dProcess) - dUi;
    std::printf("run (%ls%ls): wall %.2f s, CPU of the user-interface thread %.2f s, of the other threads %.2f s\n",
                bDirectoryOnly ? L"directories only" : L"with files", bNoExpand ? L", tree kept closed" : L"", dWall,
                dUi, dOther);
    tree.DeleteAllItemData();
    tree.UnsubclassWindow();
    dlg.DestroyWindow();
    SetUiSeams(nullptr);
    return 0;
}
