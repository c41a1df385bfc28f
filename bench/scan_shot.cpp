// A picture of a scan in progress: the main window scanning the benchmark's source tree, with the
// status window over it showing a shortened path. Needs a screen; bench/scan_shot.sh runs it on a
// private Xvfb and turns the picture into a PNG.
//   bench_scan_shot.exe OUT.bmp [seconds before the picture, default 3]
#include "app/MainDlg.h"
#include "framework/App.h"
#include "framework/Seams.h"
#include "tree/ScanDisplay.h"
#include "res/resource.h"
#include "support/Pump.h"

#include "BenchTree.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

CMainDlg *g_pDlg = nullptr;
std::wstring g_strOut;
bool g_bSaved = false;

// Questions answered OK, sounds kept quiet.
class CQuietSeams : public CUiSeams {
public:
    int MessageBox(HWND, const std::wstring &, const std::wstring &, UINT) override { return IDOK; }
    void MessageBeep(UINT) override {}
};

// Wine draws frames and captions for the windows of a desktop of its own, shown as one window of
// the X server; the registry gives its size.
bool UseOwnDesktop()
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &hKey, nullptr) == ERROR_SUCCESS) {
        const wchar_t szSize[] = L"1024x768";
        ::RegSetValueExW(hKey, L"scanshot", 0, REG_SZ, reinterpret_cast<const BYTE *>(szSize), sizeof szSize);
        ::RegCloseKey(hKey);
    }
    HDESK hDesk = ::CreateDesktopW(L"scanshot", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return hDesk && ::SetThreadDesktop(hDesk);
}

bool SaveScreen(const std::wstring &strPath)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, cx, cy, hScreen, 0, 0, SRCCOPY | CAPTUREBLT);
    ::SelectObject(hMem, hOld);
    BITMAPINFOHEADER bih = {sizeof bih, cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD cbRow = static_cast<DWORD>((cx * 3 + 3) & ~3);
    bih.biSizeImage = cbRow * static_cast<DWORD>(cy);
    std::vector<BYTE> bits(bih.biSizeImage);
    const int nRows = ::GetDIBits(hMem, hBitmap, 0, static_cast<UINT>(cy), bits.data(),
                                  reinterpret_cast<BITMAPINFO *>(&bih), DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    if (nRows != cy)
        return false;
    BITMAPFILEHEADER bfh = {0x4D42, 0, 0, 0, sizeof bfh + sizeof bih};
    bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
    FILE *f = _wfopen(strPath.c_str(), L"wb");
    if (!f)
        return false;
    std::fwrite(&bfh, sizeof bfh, 1, f);
    std::fwrite(&bih, sizeof bih, 1, f);
    std::fwrite(bits.data(), 1, bits.size(), f);
    return std::fclose(f) == 0;
}

// Runs from the scan's own message pumping: draws what waits, takes the picture, then cancels the
// scan with the status window's button as a person would.
void CALLBACK TakePicture(HWND hWnd, UINT, UINT_PTR nID, DWORD)
{
    CDirTreeCtrl &tree = g_pDlg->m_tree;
    if (g_bSaved || !tree.m_pStatusWnd || !tree.m_pStatusWnd->m_hWnd)
        return;
    ::KillTimer(hWnd, nID);
    if (tree.m_pScanDisplay)
        tree.m_pScanDisplay->Flush();
    // Drained for a while, so that what was drawn reaches the X server.
    for (int i = 0; i < 30; ++i) {
        PumpMessages();
        ::Sleep(10);
    }
    g_bSaved = SaveScreen(g_strOut);
    std::printf("status line 2: %ls\n", tree.m_pStatusWnd->GetLine2().c_str());
    ::SendMessageW(tree.m_pStatusWnd->GetDlgItem(IDC_STATUS_CANCEL), BM_CLICK, 0, 0);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        std::printf("usage: bench_scan_shot.exe OUT.bmp [seconds]\n");
        return 2;
    }
    g_strOut = argv[1];
    const int nSeconds = argc >= 3 ? _wtoi(argv[2]) : 3;
    const std::wstring strRoot = bench_tree::EnsureSourceTree();
    if (strRoot.empty())
        return 1;

    if (!UseOwnDesktop())
        std::printf("no desktop of its own: the windows show without frames\n");
    CQuietSeams seams;
    SetUiSeams(&seams);
    InitCommonControlClasses();
    CMainDlg dlg;
    g_pDlg = &dlg;
    if (!dlg.Create(IDD_PELNIX_DIALOG, nullptr)) {
        std::printf("no main window\n");
        return 1;
    }
    dlg.ShowWindow(SW_SHOW);
    dlg.m_tree.NotCopyFile = 0;
    dlg.ArrangeControls(); // with the report pane, now that files are part of the job
    ::SetTimer(dlg.m_hWnd, 1, static_cast<UINT>(nSeconds * 1000), &TakePicture);
    dlg.EnableUserInterface(false);
    const int nCount = dlg.m_tree.ScanDirectory(strRoot, nullptr, false);
    dlg.EnableUserInterface(true);
    std::printf("scanned %d entries, cancel %d, picture %s\n", nCount, dlg.m_tree.m_bCancel,
                g_bSaved ? "saved" : "not taken");
    dlg.DestroyWindow();
    SetUiSeams(nullptr);
    return g_bSaved ? 0 : 1;
}
