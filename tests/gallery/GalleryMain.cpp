// Shows the month calendar, the clock and the date-time field on their own in a window. With
// --out=DIR it draws each --date="Y/M/D h:m:s" given (now when none), writes
// DIR\calendar-YYYY-MM.bmp of each, then DIR\clock.bmp (the first date's time),
// DIR\clock-disabled.bmp, DIR\field-open.bmp (the field with its panel open) and
// DIR\field-disabled.bmp, and ends; without, it stays open.
// --pelnix= and --desktop= are accepted and ignored, so that the screenshot runner can start it.
#include "datetime/CalendarCtrlEx.h"
#include "datetime/ClockCtrl.h"
#include "datetime/DateTimeCmb.h"
#include "datetime/DateTimeCtrl.h"
#include "framework/App.h"
#include "framework/Handles.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const wchar_t kGalleryClass[] = L"PlxGallery";
constexpr int kMargin = 12;

LRESULT CALLBACK GalleryProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// The pixels of a window as the screen shows them, as a 24-bit BMP file.
bool WriteScreenPicture(const RECT &rc, const std::wstring &strPath)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC hScreen = ::GetDC(nullptr);
    CMemDC dcMem(::CreateCompatibleDC(hScreen));
    CBitmap bitmap(::CreateCompatibleBitmap(hScreen, cx, cy));
    bool bCopied = false;
    if (dcMem && bitmap) {
        CSelectObject select(dcMem, bitmap);
        bCopied = ::BitBlt(dcMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY) != FALSE;
    }
    ::ReleaseDC(nullptr, hScreen);
    if (!bCopied)
        return false;
    BITMAPINFOHEADER bih = {sizeof bih, cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD dwStride = static_cast<DWORD>((cx * 3 + 3) & ~3);
    bih.biSizeImage = dwStride * static_cast<DWORD>(cy);
    std::vector<BYTE> bits(bih.biSizeImage);
    HDC hDC = ::GetDC(nullptr);
    const int nLines = ::GetDIBits(hDC, bitmap, 0, static_cast<UINT>(cy), bits.data(),
                                   reinterpret_cast<BITMAPINFO *>(&bih), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    if (nLines != cy)
        return false;
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
    FILE *pFile = _wfopen(strPath.c_str(), L"wb");
    if (!pFile)
        return false;
    const bool bWritten = fwrite(&bfh, sizeof bfh, 1, pFile) == 1 && fwrite(&bih, sizeof bih, 1, pFile) == 1 &&
                          fwrite(bits.data(), bits.size(), 1, pFile) == 1;
    return fclose(pFile) == 0 && bWritten;
}

bool WriteWindowPicture(HWND hWnd, const std::wstring &strPath)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return WriteScreenPicture(rc, strPath);
}

std::wstring ArgValue(const std::wstring &strArg, const wchar_t *pszName)
{
    const std::wstring strPrefix = std::wstring(L"--") + pszName + L"=";
    return strArg.compare(0, strPrefix.size(), strPrefix) == 0 ? strArg.substr(strPrefix.size()) : std::wstring();
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int)
{
    InitCommonControlClasses();
    std::wstring strOut;
    std::vector<std::wstring> listDates;
    for (int i = 1; i < __argc; ++i) {
        const std::wstring strArg = __wargv[i];
        if (!ArgValue(strArg, L"out").empty())
            strOut = ArgValue(strArg, L"out");
        else if (!ArgValue(strArg, L"date").empty())
            listDates.push_back(ArgValue(strArg, L"date"));
    }
    if (listDates.empty())
        listDates.push_back(L"");

    WNDCLASSW wc = {};
    wc.lpfnWndProc = GalleryProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kGalleryClass;
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, kGalleryClass, L"Pelnix gallery", WS_OVERLAPPEDWINDOW, 40, 40, 300, 300, nullptr,
                                  nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;

    CCalendarCtrlEx calendar;
    if (!calendar.Create(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, RECT{kMargin, kMargin, kMargin + 10, kMargin + 10},
                         9999, hWnd, nullptr, 9))
        return 1;
    const RECT rcCalendar = calendar.GetWindowRect();
    const int xClock = kMargin + rcCalendar.right - rcCalendar.left + kMargin;
    CClockCtrl clock;
    if (!clock.Create(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, RECT{xClock, kMargin, xClock + 10, kMargin + 10}, 9998,
                      hWnd, nullptr, 9))
        return 1;
    const CTime first = TextToCTime(listDates.front(), TIME_PART_DATE | TIME_PART_TIME);
    clock.SetTime(first.GetHour(), first.GetMinute(), first.GetSecond());
    // The window fits both with a margin all round.
    const RECT rcClock = clock.GetWindowRect();
    const int yField = kMargin + std::max(rcCalendar.bottom - rcCalendar.top, rcClock.bottom - rcClock.top) + kMargin;
    // The date-time field below them, in the place of a placeholder as a dialog has it.
    const int xRight = xClock + rcClock.right - rcClock.left;
    ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, xRight - 180, yField, 180, 20, hWnd,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1034)), hInstance, nullptr);
    CDateTimeCmb field;
    field.Create(1034, 104, hWnd, nullptr, 9);
    field.SetValueText(listDates.front());
    RECT rc = {0, 0, xRight + kMargin, yField + 22 + kMargin};
    ::AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
    ::ShowWindow(hWnd, SW_SHOW);

    if (strOut.empty()) {
        calendar.SetDateText(listDates.front(), true);
        MSG msg;
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        return 0;
    }

    int nFailed = 0;
    for (const std::wstring &strDate : listDates) {
        calendar.SetDateText(strDate, false);
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        ::GdiFlush();
        const CTime &date = calendar.GetDate();
        wchar_t szName[64];
        swprintf(szName, 64, L"\\calendar-%04d-%02d.bmp", date.GetYear(), date.GetMonth());
        if (!WriteWindowPicture(calendar.m_hWnd, strOut + szName)) {
            fwprintf(stderr, L"cannot write %ls%ls\n", strOut.c_str(), szName);
            ++nFailed;
        }
    }
    for (const wchar_t *pszName : {L"\\clock.bmp", L"\\clock-disabled.bmp"}) {
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        ::GdiFlush();
        if (!WriteWindowPicture(clock.m_hWnd, strOut + pszName))
            ++nFailed;
        clock.EnableWindow(false);
    }
    // The field with its panel open, and the field disabled.
    clock.EnableWindow(true);
    field.DropDown();
    CDateTimeCtrl *pPanel = field.GetPanel();
    if (pPanel && pPanel->m_hWnd)
        ::RedrawWindow(pPanel->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    ::GdiFlush();
    RECT rcOpen = field.GetWindowRect();
    if (pPanel && pPanel->m_hWnd) {
        const RECT rcPanel = pPanel->GetWindowRect();
        ::UnionRect(&rcOpen, &rcOpen, &rcPanel);
    }
    if (!WriteScreenPicture(rcOpen, strOut + L"\\field-open.bmp"))
        ++nFailed;
    field.CloseUp();
    field.EnableWindow(false);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    ::GdiFlush();
    if (!WriteWindowPicture(field.m_hWnd, strOut + L"\\field-disabled.bmp"))
        ++nFailed;
    ::DestroyWindow(hWnd);
    return nFailed ? 1 : 0;
}
