#include "datetime/DropDownWnd.h"

#include "HostWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT WM_DROP_RESULT = WM_APP + 1;

// Counts the mouse messages the base let through to the derived window.
class CCountingDropDown : public CCustomCmbDropDownWnd {
public:
    int m_nPassedOn = 0;
    bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y) override
    {
        if (CCustomCmbDropDownWnd::OnMouseMessage(uMsg, wKeys, x, y))
            return true;
        ++m_nPassedOn;
        return false;
    }
};

SIZE SizeOf(const RECT &rc)
{
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

TEST(DropDown, APopupBelowItsFieldRightAlignedAndKeepingALargerRectangle)
{
    CHostWindow field(RECT{200, 150, 420, 172});
    CCustomCmbDropDownWnd drop;
    ASSERT_TRUE(drop.CreatePopup(field.m_hWnd, nullptr, 9));
    EXPECT_TRUE(drop.IsPopupMode());
    EXPECT_EQ(::GetWindow(drop.m_hWnd, GW_OWNER), field.m_hWnd);
    const RECT rc = drop.GetWindowRect();
    EXPECT_EQ(rc.right, 418);
    EXPECT_EQ(rc.top, 171);
    // As wide as the field (plus the border), as high as a line of text.
    EXPECT_EQ(rc.right - rc.left, 220 + 2);
    EXPECT_GT(rc.bottom - rc.top, 8);
    EXPECT_LT(rc.bottom - rc.top, 40);

    // Made with a larger rectangle than it needs: that rectangle stays.
    CCustomCmbDropDownWnd big;
    const RECT rcBig = {50, 60, 650, 460};
    ASSERT_TRUE(big.Create(0, WS_POPUP | WS_BORDER, rcBig, 0, field.m_hWnd, nullptr, 9));
    const RECT rcGot = big.GetWindowRect();
    EXPECT_EQ(rcGot.left, 50);
    EXPECT_EQ(rcGot.top, 60);
    EXPECT_EQ(SizeOf(rcGot).cx, 600);
    EXPECT_EQ(SizeOf(rcGot).cy, 400);

    // A child keeps its place and takes its ideal size when that is larger.
    CCustomCmbDropDownWnd child;
    ASSERT_TRUE(child.Create(0, WS_CHILD | WS_VISIBLE, RECT{5, 7, 15, 9}, 3, field.m_hWnd, nullptr, 9));
    RECT rcChild = child.GetWindowRect();
    ::MapWindowPoints(nullptr, field.m_hWnd, reinterpret_cast<POINT *>(&rcChild), 2);
    EXPECT_EQ(rcChild.left, 5);
    EXPECT_EQ(rcChild.top, 7);
    EXPECT_EQ(SizeOf(rcChild).cx, 220);
}

TEST(DropDown, NearTheScreensEdgeItIsNotMovedBack)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    CHostWindow field(RECT{cx - 100, cy - 10, cx + 120, cy + 12});
    CCustomCmbDropDownWnd drop;
    ASSERT_TRUE(drop.CreatePopup(field.m_hWnd, nullptr, 9));
    drop.ShowDropDown();
    EXPECT_TRUE(drop.IsWindowVisible());
    EXPECT_EQ(::GetCapture(), field.m_hWnd);
    const RECT rc = drop.GetWindowRect();
    EXPECT_EQ(rc.right, cx + 118);
    EXPECT_EQ(rc.top, cy + 11);
    EXPECT_GT(rc.bottom, cy);
    drop.HideDropDown();
    EXPECT_FALSE(drop.IsWindowVisible());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST(DropDown, APressOutsideCancelsAndGoesNoFurther)
{
    CHostWindow field(RECT{200, 150, 420, 172});
    CCountingDropDown drop;
    ASSERT_TRUE(drop.CreatePopup(field.m_hWnd, nullptr, 9));
    drop.m_nNotifyMessage = WM_DROP_RESULT;
    drop.ShowDropDown();
    const RECT rc = drop.GetClientRect();

    drop.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
    drop.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
    EXPECT_EQ(drop.m_nPassedOn, 2);
    drop.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 2));
    drop.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rc.right + 4, 2));
    // Releases and moves outside are no presses.
    drop.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-3, 2));
    EXPECT_EQ(drop.m_nPassedOn, 3);
    PumpPending();
    const auto results = field.Received(WM_DROP_RESULT);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].wParam, static_cast<WPARAM>(DROP_CANCEL));
    EXPECT_EQ(results[0].lParam, 0);
    EXPECT_EQ(results[1].wParam, static_cast<WPARAM>(DROP_CANCEL));
    drop.HideDropDown();
}

TEST(DropDown, WithoutANotificationMessageNothingIsPosted)
{
    CHostWindow field(RECT{200, 150, 420, 172});
    CCountingDropDown drop;
    ASSERT_TRUE(drop.CreatePopup(field.m_hWnd, nullptr, 9));
    drop.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, -3));
    EXPECT_EQ(drop.m_nPassedOn, 0);
    drop.EndDropDown(DROP_ACCEPT);
    PumpPending();
    for (const CHostMessage &m : field.m_listMessages)
        EXPECT_LT(m.uMsg, static_cast<UINT>(WM_USER)) << "posted " << m.uMsg;
}

TEST(DropDown, APopupMadeOtherwiseTellsItsEndWhenDestroyed)
{
    CHostWindow field(RECT{200, 150, 420, 172});
    {
        CCustomCmbDropDownWnd made;
        ASSERT_TRUE(made.CreatePopup(field.m_hWnd, nullptr, 9));
        made.m_nNotifyMessage = WM_DROP_RESULT;
    }
    PumpPending();
    EXPECT_TRUE(field.Received(WM_DROP_RESULT).empty());
    CCustomCmbDropDownWnd other;
    ASSERT_TRUE(other.Create(0, WS_POPUP | WS_BORDER, RECT{0, 0, 0, 0}, 0, field.m_hWnd, nullptr, 9));
    other.m_nNotifyMessage = WM_DROP_RESULT;
    other.DestroyWindow();
    PumpPending();
    auto results = field.Received(WM_DROP_RESULT);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].wParam, static_cast<WPARAM>(DROP_CANCEL));
    // The same when the object goes first and takes its window along.
    {
        CCustomCmbDropDownWnd gone;
        ASSERT_TRUE(gone.Create(0, WS_POPUP | WS_BORDER, RECT{0, 0, 0, 0}, 0, field.m_hWnd, nullptr, 9));
        gone.m_nNotifyMessage = WM_DROP_RESULT;
    }
    PumpPending();
    EXPECT_EQ(field.Received(WM_DROP_RESULT).size(), 2u);
    // Closed, it tells its end once, though closing destroys it too.
    CCustomCmbDropDownWnd closed;
    ASSERT_TRUE(closed.Create(0, WS_POPUP | WS_BORDER, RECT{0, 0, 0, 0}, 0, field.m_hWnd, nullptr, 9));
    closed.m_nNotifyMessage = WM_DROP_RESULT;
    const HWND hClosed = closed.m_hWnd;
    closed.SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hClosed));
    PumpPending();
    EXPECT_EQ(field.Received(WM_DROP_RESULT).size(), 3u);
}

TEST(DropDown, FontsFromAFaceFromTheOwnerOrTheDefault)
{
    CHostWindow field(RECT{200, 150, 420, 172});
    CCustomCmbDropDownWnd face;
    ASSERT_TRUE(face.CreatePopup(field.m_hWnd, L"Tahoma", 12));
    LOGFONTW lf = {};
    ASSERT_TRUE(::GetObjectW(face.GetFont(), sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");

    // The plain host answers no font: the default face.
    CCustomCmbDropDownWnd plain;
    ASSERT_TRUE(plain.CreatePopup(field.m_hWnd, nullptr, 9));
    ASSERT_TRUE(::GetObjectW(plain.GetFont(), sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, L"ＭＳ Ｐゴシック");

    // WM_SETFONT hands a copy to the children.
    HWND hChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, plain.m_hWnd, nullptr, nullptr, nullptr);
    plain.SetFont(face.GetFont(), false);
    EXPECT_NE(plain.GetFont(), face.GetFont());
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(hChild, WM_GETFONT, 0, 0)), plain.GetFont());
}

} // namespace
