// The program's icons and cursors at the display's DPI. ctest runs Dpi.* again in prefixes set to
// 144 and 192 DPI and names the value in PELNIX_EXPECT_DPI (unset: 96).
#include "res/resource.h"
#include "support/DpiArt.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int ExpectedDpi()
{
    const char *psz = std::getenv("PELNIX_EXPECT_DPI");
    return psz && *psz ? std::atoi(psz) : 96;
}

// The size of an icon or cursor's image, and its hot spot.
struct CImageSize {
    LONG cx, cy;
    DWORD xHotspot, yHotspot;
};
CImageSize SizeOf(HICON hIcon)
{
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return {};
    BITMAP bm = {};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return {bm.bmWidth, bm.bmHeight, info.xHotspot, info.yHotspot};
}

// The width of the image the group resource holds for exactly nSize pixels (0: none that size, so
// the system would stretch another one).
LONG DrawnWidth(UINT nGroupId, bool bIcon, int nSize)
{
    HMODULE hModule = ::GetModuleHandleW(nullptr);
    HRSRC hGroup = ::FindResourceW(hModule, MAKEINTRESOURCEW(nGroupId), bIcon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    if (!hGroup)
        return 0;
    auto *pDir = static_cast<BYTE *>(::LockResource(::LoadResource(hModule, hGroup)));
    const int nImage = ::LookupIconIdFromDirectoryEx(pDir, bIcon, nSize, nSize, LR_DEFAULTCOLOR);
    HRSRC hImage = ::FindResourceW(hModule, MAKEINTRESOURCEW(nImage), bIcon ? RT_ICON : RT_CURSOR);
    if (!hImage)
        return 0;
    auto *pBits = static_cast<const BYTE *>(::LockResource(::LoadResource(hModule, hImage)));
    // A cursor's image starts with its hot spot.
    const auto *pHeader = reinterpret_cast<const BITMAPINFOHEADER *>(pBits + (bIcon ? 0 : 4));
    return pHeader->biWidth == nSize ? pHeader->biWidth : 0;
}

TEST(Dpi, IconsAndCursorsAreDrawnAndLoadedAtTheDisplaysSize)
{
    struct CRow {
        int nDpi, nSmall, nLarge, nCursor;
    } const rows[] = {{96, 16, 32, 32}, {144, 24, 48, 48}, {192, 32, 64, 64}};
    const int nDpi = ExpectedDpi();
    const CRow *pRow = nullptr;
    for (const CRow &row : rows)
        if (row.nDpi == nDpi)
            pRow = &row;
    ASSERT_NE(pRow, nullptr) << "no row for " << nDpi;

    HWND hWnd =
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_CAPTION, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    for (UINT nId : {IDR_MAINFRAME, IDI_OPTIONS, IDI_ATTR}) {
        CWindowIcons icons;
        icons.Apply(hWnd, nId, nDpi);
        const auto hSmall = reinterpret_cast<HICON>(::SendMessageW(hWnd, WM_GETICON, ICON_SMALL, 0));
        const auto hLarge = reinterpret_cast<HICON>(::SendMessageW(hWnd, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(hLarge, icons.GetLarge()) << nId;
        EXPECT_EQ(SizeOf(hSmall).cx, pRow->nSmall) << nId;
        EXPECT_EQ(SizeOf(hSmall).cy, pRow->nSmall) << nId;
        EXPECT_EQ(SizeOf(hLarge).cx, pRow->nLarge) << nId;
        EXPECT_EQ(SizeOf(hLarge).cy, pRow->nLarge) << nId;
        EXPECT_EQ(DrawnWidth(nId, true, pRow->nSmall), pRow->nSmall) << nId;
        // The dialogs' icons stop at 48; only the program's own is drawn at 64.
        if (pRow->nLarge <= 48 || nId == IDR_MAINFRAME) {
            EXPECT_EQ(DrawnWidth(nId, true, pRow->nLarge), pRow->nLarge) << nId;
        }
        ::SendMessageW(hWnd, WM_SETICON, ICON_SMALL, 0);
        ::SendMessageW(hWnd, WM_SETICON, ICON_BIG, 0);
    }
    ::DestroyWindow(hWnd);

    for (UINT nId : {IDC_DRAG_MOVE, IDC_DRAG_NODROP, IDC_DRAG_COPY}) {
        CCursor cursor(LoadCursorForDpi(nId, nDpi));
        const CImageSize size = SizeOf(cursor);
        EXPECT_EQ(size.cx, pRow->nCursor) << nId;
        EXPECT_EQ(size.cy, pRow->nCursor) << nId;
        // The arrow's tip.
        EXPECT_EQ(size.xHotspot, 0u) << nId;
        EXPECT_EQ(size.yHotspot, 0u) << nId;
        EXPECT_EQ(DrawnWidth(nId, false, pRow->nCursor), pRow->nCursor) << nId;
    }
}

} // namespace
