#include "support/DrawHelpers.h"

#include "HostWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A white memory bitmap with a large font selected, to draw black text into.
class CTextCanvas {
public:
    static constexpr int kWidth = 240, kHeight = 120;
    CTextCanvas()
    {
        HDC hScreen = ::GetDC(nullptr);
        m_hDC = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, kWidth, kHeight);
        ::ReleaseDC(nullptr, hScreen);
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
        const RECT rc = {0, 0, kWidth, kHeight};
        ::FillRect(m_hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        m_hFont = CreatePointFont(kDefaultFontFace, 20, nullptr);
        m_hOldFont = ::SelectObject(m_hDC, m_hFont);
        ::SetTextColor(m_hDC, RGB(0, 0, 0));
        ::SetBkMode(m_hDC, TRANSPARENT);
    }
    ~CTextCanvas()
    {
        ::SelectObject(m_hDC, m_hOldFont);
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteObject(m_hFont);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    // Bounding box of the non-white pixels, and how many there are.
    RECT Ink(int *pnCount = nullptr) const
    {
        RECT rc = {kWidth, kHeight, -1, -1};
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (::GetPixel(m_hDC, x, y) != RGB(255, 255, 255)) {
                    ++n;
                    rc.left = std::min<LONG>(rc.left, x);
                    rc.top = std::min<LONG>(rc.top, y);
                    rc.right = std::max<LONG>(rc.right, x + 1);
                    rc.bottom = std::max<LONG>(rc.bottom, y + 1);
                }
        if (pnCount)
            *pnCount = n;
        return rc;
    }
    HDC m_hDC;

private:
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    HFONT m_hFont;
    HGDIOBJ m_hOldFont;
};

const wchar_t kText[] = L"HHH";

TEST(DrawTextInRect, PlacesTheTextAtTheOffsetCentredAndBold)
{
    // No flags: from the rectangle's top left corner moved by the offsets; the glyphs of "H" start
    // within a few pixels of where the text cell starts.
    CTextCanvas plain;
    DrawTextInRect(plain.m_hDC, kText, 20, 10, 220, 110, 7, 9, 0);
    const RECT rcPlain = plain.Ink();
    ASSERT_LT(rcPlain.left, rcPlain.right) << "nothing was drawn";
    EXPECT_GE(rcPlain.left, 27);
    EXPECT_LE(rcPlain.left, 31);
    EXPECT_GE(rcPlain.top, 19);
    EXPECT_LE(rcPlain.top, 26);

    // Centred both ways: the ink sits in the middle of the rectangle (20..220, 10..110).
    CTextCanvas centred;
    DrawTextInRect(centred.m_hDC, kText, 20, 10, 220, 110, 0, 0, 0x11);
    int nRegular = 0;
    const RECT rcCentred = centred.Ink(&nRegular);
    EXPECT_NEAR((rcCentred.left + rcCentred.right) / 2.0, 120.0, 2.5);
    EXPECT_NEAR((rcCentred.top + rcCentred.bottom) / 2.0, 60.0, 4.0);
    EXPECT_EQ(rcCentred.right - rcCentred.left, rcPlain.right - rcPlain.left);

    // Centred and bold: still in the middle, with heavier strokes.
    CTextCanvas bold;
    DrawTextInRect(bold.m_hDC, kText, 20, 10, 220, 110, 0, 0, 0x411);
    int nBold = 0;
    const RECT rcBold = bold.Ink(&nBold);
    EXPECT_NEAR((rcBold.left + rcBold.right) / 2.0, 120.0, 2.5);
    EXPECT_NEAR((rcBold.top + rcBold.bottom) / 2.0, 60.0, 4.0);
    EXPECT_GT(nBold, nRegular * 11 / 10);
    // The caller's font is selected again afterwards.
    LOGFONTW lf = {};
    ::GetObjectW(::GetCurrentObject(bold.m_hDC, OBJ_FONT), sizeof lf, &lf);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);

    // Right and bottom: the offsets are taken from the far edges.
    CTextCanvas corner;
    DrawTextInRect(corner.m_hDC, kText, 20, 10, 220, 110, 5, 5, 0x22);
    const RECT rcCorner = corner.Ink();
    EXPECT_LE(rcCorner.right, 215);
    EXPECT_GE(rcCorner.right, 211);
    EXPECT_LE(rcCorner.bottom, 105);
    EXPECT_GT(rcCorner.top, 60);
}

TEST(SetControlFont, WithoutAFontGivesEveryDescendantTheDefaultFace)
{
    CHostWindow host;
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"a", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, host.m_hWnd, nullptr,
                                    nullptr, nullptr);
    HWND hGrandchild =
        ::CreateWindowExW(0, L"STATIC", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 100, 50, hChild, nullptr, nullptr, nullptr);
    HWND hGreat = ::CreateWindowExW(0, L"BUTTON", L"c", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, hGrandchild, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(hGreat);

    CFont font;
    HFONT hNotAFont = reinterpret_cast<HFONT>(::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SetControlFont(hChild, hNotAFont, true, font), 0);
    ASSERT_TRUE(font);
    HDC hDC = ::GetDC(nullptr);
    const LONG lHeight = -::MulDiv(9, ::GetDeviceCaps(hDC, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, hDC);
    for (HWND hWnd : {hGrandchild, hGreat}) {
        HFONT hGot = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
        EXPECT_EQ(hGot, font.Get());
        LOGFONTW lf = {};
        ASSERT_TRUE(::GetObjectW(hGot, sizeof lf, &lf));
        EXPECT_STREQ(lf.lfFaceName, L"ＭＳ Ｐゴシック");
        EXPECT_EQ(lf.lfHeight, lHeight);
    }

    // A real font is copied, and the copy handed down.
    LOGFONTW lfGiven = {};
    lfGiven.lfHeight = -21;
    lstrcpyW(lfGiven.lfFaceName, L"Tahoma");
    HFONT hGiven = ::CreateFontIndirectW(&lfGiven);
    SetControlFont(hChild, hGiven, false, font);
    EXPECT_NE(font.Get(), hGiven);
    HFONT hGot = reinterpret_cast<HFONT>(::SendMessageW(hGreat, WM_GETFONT, 0, 0));
    EXPECT_EQ(hGot, font.Get());
    LOGFONTW lf = {};
    ::GetObjectW(hGot, sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -21);
    ::DeleteObject(hGiven);

    // A top-level window without a font to copy keeps none.
    CFont none;
    SetControlFont(host.m_hWnd, nullptr, false, none);
    EXPECT_FALSE(none);
    ::DestroyWindow(hChild);
}

} // namespace
