// A fresh scan with files of a data drive's worth of directories (about 20,000 directories and
// 100,000 files) into the main window's tree, busy as for a source selection, NoExpandOnSearch 0 and 1,
// next to the bare FindFirstFile/FindNextFile walk of the same tree (the floor).
// Each measurement runs in a process of its own, so that its peak working set is its own.
//   bench_scan_tree.exe [rounds]      (default 2; each figure is the best round)
#include "app/MainDlg.h"
#include "framework/App.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/EnumDirectory.h"
#include "support/Path.h"
#include "tree/DirTreeCtrl.h"

#include "BenchClock.h"
#include "BenchMainWindow.h"
#include "BenchTree.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

// Questions answered OK, sounds counted.
class CQuietSeams : public CUiSeams {
public:
    int MessageBox(HWND, const std::wstring &strText, const std::wstring &, UINT) override
    {
        std::printf("  message: %ls\n", strText.c_str());
        return IDOK;
    }
    void MessageBeep(UINT) override { ++m_nBeeps; }
    int m_nBeeps = 0;
};

// The scan's own listing, without the tree: every directory as the scan lists it.
uint64_t EnumWalk(const std::wstring &strDir)
{
    CFindDataList list;
    EnumDirectory(strDir, L"*.*", list, ENUM_FINDDATA | ENUM_DIRPASS, true);
    uint64_t n = list.size();
    for (const WIN32_FIND_DATAW &fd : list) {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            n += EnumWalk(JoinPath(strDir, fd.cFileName));
    }
    return n;
}

size_t PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PeakWorkingSetSize;
}

// One measurement; prints "seconds entries peak-bytes".
int RunPhase(const std::wstring &strPhase, const std::wstring &strRoot)
{
    double dSeconds = 0;
    uint64_t nEntries = 0;
    if (strPhase == L"walk") {
        bench_tree::CWalkCount count;
        const double t0 = NowSeconds();
        bench_tree::BareWalk(strRoot, count);
        dSeconds = NowSeconds() - t0;
        nEntries = count.nDirs + count.nFiles;
    } else if (strPhase == L"enum") {
        const double t0 = NowSeconds();
        nEntries = EnumWalk(strRoot);
        dSeconds = NowSeconds() - t0;
    } else {
        CQuietSeams seams;
        SetUiSeams(&seams);
        CMainDlg dlg;
        if (!OpenBenchMainWindow(dlg))
            return 1;
        CDirTreeCtrl &tree = dlg.m_tree;
        tree.NoExpandOnSearch = strPhase == L"scan1" ? 1 : 0;
        const double t0 = NowSeconds();
        dlg.EnableUserInterface(false);
        nEntries = static_cast<uint64_t>(tree.ScanDirectory(strRoot, nullptr, false));
        dlg.EnableUserInterface(true);
        dSeconds = NowSeconds() - t0;
        DWORD dwFiles = 0;
        tree.CountFiles(tree.GetRootItem(), dwFiles, false);
        if (tree.GetCount() + dwFiles != nEntries + 1 || seams.m_nBeeps != 1)
            std::printf("  unexpected: %u nodes, %lu file entries, %llu listed, %d beeps\n", tree.GetCount(), dwFiles,
                        static_cast<unsigned long long>(nEntries), seams.m_nBeeps);
        dlg.DestroyWindow();
        SetUiSeams(nullptr);
    }
    std::printf("%.6f %llu %zu\n", dSeconds, static_cast<unsigned long long>(nEntries), PeakWorkingSet());
    return 0;
}

struct CPhaseResult {
    double dSeconds = 1e30;
    uint64_t nEntries = 0;
    size_t nPeak = 0;
};

// Runs this program for one phase and reads its figures.
bool RunChild(const std::wstring &strPhase, const std::wstring &strRoot, CPhaseResult &result)
{
    wchar_t szExe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    const std::wstring strOut = bench_tree::Join(bench_tree::ProgramDirectory(), L"scan_tree_phase.txt");
    std::wstring strCmd = L"\"" + std::wstring(szExe) + L"\" --phase=" + strPhase + L" \"" + strRoot + L"\"";
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE hOut = ::CreateFileW(strOut.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    if (hOut == INVALID_HANDLE_VALUE)
        return false;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hOut;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    BOOL bStarted = ::CreateProcessW(szExe, strCmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hOut);
    if (!bStarted)
        return false;
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);

    FILE *f = _wfopen(strOut.c_str(), L"r");
    if (!f)
        return false;
    char szLine[512];
    bool bFound = false;
    while (std::fgets(szLine, sizeof szLine, f)) {
        double d;
        unsigned long long n;
        size_t nPeak;
        if (std::sscanf(szLine, "%lf %llu %zu", &d, &n, &nPeak) == 3) {
            bFound = true;
            if (d < result.dSeconds) {
                result.dSeconds = d;
                result.nEntries = n;
            }
            result.nPeak = std::max(result.nPeak, nPeak);
        } else {
            std::printf("%s", szLine);
        }
    }
    std::fclose(f);
    ::DeleteFileW(strOut.c_str());
    return bFound;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc >= 3 && std::wcsncmp(argv[1], L"--phase=", 8) == 0)
        return RunPhase(argv[1] + 8, argv[2]);

    const int nRounds = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 2;
    const std::wstring strRoot = bench_tree::EnsureSourceTree();
    if (strRoot.empty())
        return 1;
    std::printf("source: %ls\n", strRoot.c_str());

    CPhaseResult warm, walk, listing, scan0, scan1;
    RunChild(L"walk", strRoot, warm); // fills the file system's caches
    for (int r = 0; r < nRounds; ++r) {
        if (!RunChild(L"walk", strRoot, walk) || !RunChild(L"enum", strRoot, listing) ||
            !RunChild(L"scan0", strRoot, scan0) || !RunChild(L"scan1", strRoot, scan1)) {
            std::printf("a measurement failed\n");
            return 1;
        }
    }
    std::printf("best of %d rounds, one process per measurement\n", nRounds);
    std::printf("%-40s %9s %9s %12s %9s %9s\n", "", "entries", "seconds", "entries/s", "x walk", "peak MB");
    auto line = [&walk](const char *pszName, const CPhaseResult &r) {
        std::printf("%-40s %9llu %9.3f %12.0f %9.2f %9.1f\n", pszName, static_cast<unsigned long long>(r.nEntries),
                    r.dSeconds, static_cast<double>(r.nEntries) / r.dSeconds, r.dSeconds / walk.dSeconds,
                    static_cast<double>(r.nPeak) / 1048576.0);
    };
    line("bare FindFirstFile/FindNextFile walk", walk);
    line("EnumDirectory walk (the scan's listing)", listing);
    line("scan with files, NoExpandOnSearch 0", scan0);
    line("scan with files, NoExpandOnSearch 1", scan1);
    return 0;
}
