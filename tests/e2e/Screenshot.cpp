#include "Screenshot.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct CScreenPicture {
    int cx = 0, cy = 0;
    std::vector<BYTE> bits; // bottom-up rows of 24-bit pixels, each padded to 4 bytes

    bool operator==(const CScreenPicture &o) const { return cx == o.cx && cy == o.cy && bits == o.bits; }
};

BITMAPINFOHEADER PictureHeader(int cx, int cy)
{
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = static_cast<DWORD>(((cx * 3 + 3) & ~3) * cy);
    return bih;
}

CScreenPicture CaptureScreen()
{
    CScreenPicture pic;
    pic.cx = ::GetSystemMetrics(SM_CXSCREEN);
    pic.cy = ::GetSystemMetrics(SM_CYSCREEN);
    std::unique_ptr<std::remove_pointer_t<HDC>, void (*)(HDC)> hScreen(::GetDC(nullptr),
                                                                       [](HDC h) { ::ReleaseDC(nullptr, h); });
    if (!hScreen || pic.cx <= 0 || pic.cy <= 0)
        throw CDriverError(L"no screen to capture");
    std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&::DeleteDC)> hMem(::CreateCompatibleDC(hScreen.get()),
                                                                            &::DeleteDC);
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&::DeleteObject)> hBitmap(
        ::CreateCompatibleBitmap(hScreen.get(), pic.cx, pic.cy), &::DeleteObject);
    if (!hMem || !hBitmap)
        throw CDriverError(L"cannot make a bitmap of the screen's size");
    HGDIOBJ hOld = ::SelectObject(hMem.get(), hBitmap.get());
    BOOL bCopied = ::BitBlt(hMem.get(), 0, 0, pic.cx, pic.cy, hScreen.get(), 0, 0, SRCCOPY | CAPTUREBLT);
    ::SelectObject(hMem.get(), hOld);
    if (!bCopied)
        throw CDriverError(L"cannot copy the screen: " + SystemErrorText(::GetLastError()));

    BITMAPINFOHEADER bih = PictureHeader(pic.cx, pic.cy);
    pic.bits.resize(bih.biSizeImage);
    if (!::GetDIBits(hMem.get(), hBitmap.get(), 0, static_cast<UINT>(pic.cy), pic.bits.data(),
                     reinterpret_cast<BITMAPINFO *>(&bih), DIB_RGB_COLORS))
        throw CDriverError(L"cannot read the screen's pixels");
    return pic;
}

void WriteBmp(const std::wstring &strPath, const CScreenPicture &pic)
{
    BITMAPINFOHEADER bih = PictureHeader(pic.cx, pic.cy);
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42; // "BM"
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + static_cast<DWORD>(pic.bits.size());
    FILE *pFile = _wfopen(strPath.c_str(), L"wb");
    if (!pFile)
        throw CDriverError(L"cannot write " + strPath);
    bool bOk = fwrite(&bfh, sizeof bfh, 1, pFile) == 1 && fwrite(&bih, sizeof bih, 1, pFile) == 1 &&
               fwrite(pic.bits.data(), 1, pic.bits.size(), pFile) == pic.bits.size();
    bOk = fclose(pFile) == 0 && bOk;
    if (!bOk)
        throw CDriverError(L"cannot write " + strPath);
}

} // namespace

void SaveScreenshot(const std::wstring &strPath, DWORD dwTimeoutMs)
{
    CScreenPicture last = CaptureScreen();
    CScreenPicture next;
    WaitUntil(
        [&] {
            ::Sleep(100); // give painting a moment between the two captures that must agree
            next = CaptureScreen();
            if (next == last)
                return true;
            last = std::move(next);
            return false;
        },
        L"the screen to stop changing before the screenshot " + strPath, dwTimeoutMs);
    WriteBmp(strPath, next);
}
