// Reading a window from a test (its text, its class name, a button's state) and clicking a button.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline std::wstring Text(HWND hWnd)
{
    std::wstring str(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    str.resize(static_cast<size_t>(::GetWindowTextW(hWnd, str.data(), static_cast<int>(str.size()))));
    return str;
}

inline std::wstring ClassOf(HWND hWnd)
{
    wchar_t sz[256] = {};
    ::GetClassNameW(hWnd, sz, 256);
    return sz;
}

// Clicks as a person would: auto check boxes and radios change, the dialog gets BN_CLICKED.
inline void Click(HWND hDlg, int nID)
{
    ::SendMessageW(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

inline bool Checked(HWND hDlg, int nID)
{
    return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
}

inline bool Enabled(HWND hDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE;
}

// A window's children in their order (for a dialog, the template's).
inline std::vector<HWND> ChildWindows(HWND hParent)
{
    std::vector<HWND> children;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    return children;
}

// The control's id, class and text against a row of a template table; a null class or text is
// not checked. nIndex names the row in a failure.
template <class Row> void ExpectControl(HWND hCtrl, const Row &row, size_t nIndex)
{
    EXPECT_EQ(static_cast<short>(::GetDlgCtrlID(hCtrl)), row.nID) << nIndex;
    if (row.pszClass) {
        EXPECT_EQ(ClassOf(hCtrl), row.pszClass) << nIndex;
    }
    if (row.pszText) {
        EXPECT_EQ(Text(hCtrl), row.pszText) << nIndex;
    }
}

// An icon's colour pixels, to tell which resource a window's own copy of an icon was loaded from.
inline std::vector<BYTE> IconPixels(HICON hIcon)
{
    ICONINFO info = {};
    BITMAP bm = {};
    std::vector<BYTE> pixels;
    if (hIcon && ::GetIconInfo(hIcon, &info) && ::GetObjectW(info.hbmColor, sizeof(bm), &bm)) {
        pixels.resize(static_cast<size_t>(bm.bmWidthBytes) * bm.bmHeight);
        ::GetBitmapBits(info.hbmColor, static_cast<LONG>(pixels.size()), pixels.data());
    }
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    EXPECT_FALSE(pixels.empty()) << "no icon";
    return pixels;
}
