#include "support/ArrowButton.h"
#include "support/CaptureSpinCtrl.h"
#include "support/PushButtonWnd.h"
#include "support/TextButton.h"

#include "HostWindow.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

// The button's drawing calls, recorded.
class CCountingButton : public CPushButtonWnd {
public:
    std::vector<int> m_listDrawn;

protected:
    void DrawButton(HDC hDC, int nState) override
    {
        m_listDrawn.push_back(nState);
        CPushButtonWnd::DrawButton(hDC, nState);
    }
};

// Every pixel of a window-sized bitmap after drawing into it.
std::vector<COLORREF> Pixels(HDC hDC, int cx, int cy)
{
    std::vector<COLORREF> list;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            list.push_back(::GetPixel(hDC, x, y));
    return list;
}

class CBitmapCanvas {
public:
    CBitmapCanvas(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        HDC hScreen = ::GetDC(nullptr);
        m_hDC = ::CreateCompatibleDC(hScreen);
        m_hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        const RECT rc = {0, 0, cx, cy};
        ::FillRect(m_hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ~CBitmapCanvas()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    std::vector<COLORREF> Pixels() const { return ::Pixels(m_hDC, m_cx, m_cy); }
    HDC m_hDC;

private:
    int m_cx, m_cy;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

TEST(PushButton, PressDraggedOutAndReleasedOutsideGivesNoCommand)
{
    CHostWindow host;
    CCountingButton button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, 123, host.m_hWnd));
    PumpPending();
    button.m_listDrawn.clear();

    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(button.m_nDrawState, BUTTON_PRESSED);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(-20, 5));
    EXPECT_EQ(button.m_nDrawState, BUTTON_NORMAL);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(10, 10));
    EXPECT_EQ(button.m_nDrawState, BUTTON_PRESSED);
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(100, 100));
    EXPECT_EQ(button.m_nDrawState, BUTTON_NORMAL);
    button.SendMessage(WM_LBUTTONUP, 0, Point(100, 100));
    EXPECT_EQ(::GetCapture(), nullptr);
    PumpPending();
    EXPECT_TRUE(host.Received(WM_COMMAND).empty());
    // Pressed, normal, pressed, normal; the same state twice is not drawn again.
    EXPECT_EQ(button.m_listDrawn, (std::vector<int>{2, 1, 2, 1}));

    // Released inside: one command with the id and the button as sender.
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, Point(6, 6));
    PumpPending();
    const auto commands = host.Received(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(123, 0));
    EXPECT_EQ(reinterpret_cast<HWND>(commands[0].lParam), button.m_hWnd);
}

TEST(PushButton, PaintAlwaysDrawsAndMovesWithoutCaptureAreIgnored)
{
    CHostWindow host;
    CCountingButton button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, 1, host.m_hWnd));
    ::UpdateWindow(button.m_hWnd);
    button.m_listDrawn.clear();
    button.SetDrawState(nullptr, BUTTON_NORMAL); // already drawn so
    button.Invalidate();
    ::UpdateWindow(button.m_hWnd);
    EXPECT_EQ(button.m_listDrawn, (std::vector<int>{1}));
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, Point(5, 5));
    EXPECT_EQ(button.m_nDrawState, BUTTON_NORMAL);
    PumpPending();
    EXPECT_TRUE(host.Received(WM_COMMAND).empty());
    button.EnableWindow(false);
    EXPECT_EQ(button.m_nDrawState, BUTTON_DISABLED);
}

TEST(PushButton, GivesTheCaptureBackToTheWindowThatHeldIt)
{
    CHostWindow host;
    CPushButtonWnd button;
    ASSERT_TRUE(button.Create(RECT{10, 10, 60, 40}, 1, host.m_hWnd));
    button.m_bReturnCapture = 1;

    ::SetCapture(host.m_hWnd);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    EXPECT_EQ(button.m_hWndPreviousCapture, host.m_hWnd);
    button.SendMessage(WM_LBUTTONUP, 0, Point(5, 5));
    EXPECT_EQ(::GetCapture(), host.m_hWnd);
    EXPECT_EQ(button.m_hWndPreviousCapture, nullptr);

    // Nobody held it before: released.
    ::ReleaseCapture();
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, Point(5, 5));
    EXPECT_EQ(::GetCapture(), nullptr);

    // Without the flag the capture is released even when someone held it.
    button.m_bReturnCapture = 0;
    ::SetCapture(host.m_hWnd);
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    button.SendMessage(WM_LBUTTONUP, 0, Point(5, 5));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST(PushButton, ForwardsMouseMessagesToItsParentInTheParentsCoordinates)
{
    CHostWindow host;
    CPushButtonWnd button;
    ASSERT_TRUE(button.Create(RECT{30, 40, 60, 70}, 1, host.m_hWnd));
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 6));
    EXPECT_TRUE(host.Received(WM_LBUTTONDOWN).empty());
    button.SendMessage(WM_LBUTTONUP, 0, Point(100, 100));

    button.m_bForwardMouse = 1;
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 6));
    button.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Point(-10, 2));
    button.SendMessage(WM_LBUTTONUP, 0, Point(100, 100));
    const auto downs = host.Received(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].lParam, Point(35, 46));
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
    ASSERT_EQ(host.Received(WM_MOUSEMOVE).size(), 1u);
    EXPECT_EQ(host.Received(WM_MOUSEMOVE)[0].lParam, Point(20, 42));
    ASSERT_EQ(host.Received(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(host.Received(WM_LBUTTONUP)[0].lParam, Point(130, 140));
}

TEST(ArrowButton, NeverSetDrawsTheDownArrowOnceItsSizeWasAsked)
{
    CHostWindow host;
    CArrowButton button;
    ASSERT_TRUE(button.Create(RECT{0, 0, 1, 1}, 1, host.m_hWnd));
    EXPECT_EQ(button.GetArrowType(), ARROW_NONE);
    const SIZE size = button.GetBitmapSize();
    EXPECT_EQ(button.GetArrowType(), ARROW_DOWN);
    ASSERT_GT(size.cx, 4);
    ASSERT_GT(size.cy, 4);
    button.MoveWindow(RECT{0, 0, size.cx, size.cy});

    // The system's own bitmaps, drawn one to one, are what the button must show.
    auto reference = [&](WORD wID) {
        CBitmapCanvas canvas(size.cx, size.cy);
        HBITMAP hBitmap = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(wID));
        HDC hMem = ::CreateCompatibleDC(canvas.m_hDC);
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::BitBlt(canvas.m_hDC, 0, 0, size.cx, size.cy, hMem, 0, 0, SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        ::DeleteObject(hBitmap);
        return canvas.Pixels();
    };
    CBitmapCanvas normal(size.cx, size.cy);
    button.SetDrawState(normal.m_hDC, BUTTON_NORMAL);
    EXPECT_EQ(normal.Pixels(), reference(32752));
    EXPECT_NE(normal.Pixels(), reference(32753));
    CBitmapCanvas pressed(size.cx, size.cy);
    button.SetDrawState(pressed.m_hDC, BUTTON_PRESSED);
    EXPECT_EQ(pressed.Pixels(), reference(32742));

    button.SetArrowType(7);
    EXPECT_EQ(button.GetArrowType(), ARROW_NONE);
    button.SetArrowType(ARROW_LEFT);
    CBitmapCanvas left(size.cx, size.cy);
    button.SetDrawState(left.m_hDC, BUTTON_DISABLED);
    EXPECT_EQ(left.Pixels(), reference(32734));
}

TEST(TextButton, TakesACopyOfItsParentsFontAndAnswersForIt)
{
    CHostWindow host;
    LOGFONTW lf = {};
    lf.lfHeight = -17;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    HFONT hFont = ::CreateFontIndirectW(&lf);
    // The host keeps no font: put the button in a static, which does.
    HWND hStatic = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, host.m_hWnd, nullptr,
                                     nullptr, nullptr);
    ::SendMessageW(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    CTextButton button;
    ASSERT_TRUE(button.Create(RECT{0, 0, 80, 24}, 7, hStatic, L"OK"));
    const HFONT hCopy = button.GetFont();
    ASSERT_NE(hCopy, nullptr);
    EXPECT_NE(hCopy, hFont);
    LOGFONTW lfCopy = {};
    ASSERT_TRUE(::GetObjectW(hCopy, sizeof lfCopy, &lfCopy));
    EXPECT_EQ(lfCopy.lfHeight, -17);
    EXPECT_STREQ(lfCopy.lfFaceName, L"Tahoma");
    EXPECT_EQ(button.GetButtonText(), L"OK");
    ::DestroyWindow(hStatic);
    ::DeleteObject(hFont);
}

TEST(CaptureSpin, GivesTheCaptureToItsReturnWindowAfterAClick)
{
    CHostWindow host;
    CCaptureSpinCtrl spin;
    ASSERT_TRUE(spin.Create(RECT{10, 10, 30, 50}, 5, host.m_hWnd, 0, 59, true));
    int nLow = -1, nHigh = -1;
    spin.SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLow), reinterpret_cast<LPARAM>(&nHigh));
    EXPECT_EQ(nLow, 0);
    EXPECT_EQ(nHigh, 59);

    spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 5));
    spin.SendMessage(WM_LBUTTONUP, 0, Point(10, 5));
    EXPECT_EQ(::GetCapture(), host.m_hWnd);
    ::ReleaseCapture();

    CCaptureSpinCtrl plain;
    ASSERT_TRUE(plain.Create(RECT{40, 10, 60, 50}, 6, host.m_hWnd, 0, 23, false));
    plain.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 5));
    plain.SendMessage(WM_LBUTTONUP, 0, Point(10, 5));
    EXPECT_NE(::GetCapture(), host.m_hWnd);
}

} // namespace
