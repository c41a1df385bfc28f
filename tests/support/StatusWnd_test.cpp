#include "support/StatusWnd.h"

#include "support/Dpi.h"

#include "StatusProbe.h"
#include "res/resource.h"
#include "WindowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>

namespace {

constexpr COLORREF kYellow = 0xFFFF;
const wchar_t kLongPath[] = L"D:\\データ\\プロジェクト\\2000年度\\報告書\\各部門\\集計\\summary.txt";

// Runs the thread's messages until done() holds; false when it never did.
bool PumpUntil(const std::function<bool()> &done, DWORD dwTimeout = 5000)
{
    DWORD dwStart = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (::GetTickCount() - dwStart > dwTimeout)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

// A plain visible top-level window to own the status window.
class COwner {
public:
    COwner()
    {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 80, 600, 400,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~COwner() { ::DestroyWindow(m_hWnd); }
    HWND m_hWnd;
};

RECT ChildRect(HWND hParent, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hParent, nID), &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

HICON ShownIcon(const CStatusWnd &wnd)
{
    return reinterpret_cast<HICON>(::SendMessageW(wnd.GetDlgItem(IDC_STATUS_ICON), STM_GETICON, 0, 0));
}

TEST(StatusWnd, ShowsIconTwoLinesAndCancelButtonCentredOnItsOwner)
{
    COwner owner;
    ASSERT_NE(owner.m_hWnd, nullptr);
    int bCancel = 0;
    CStatusWnd wnd(L"Ostrel:Halvorn", &bCancel, IDB_STATUS_ANIM, kYellow, 250, SHORTEN_IN_MIDDLE, 0, false);
    EXPECT_EQ(wnd.GetFrameCount(), 15);
    EXPECT_EQ(wnd.GetFramePeriod(), 250);
    ASSERT_TRUE(wnd.Create(owner.m_hWnd, 9, 256));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_TRUE(wnd.IsWindowVisible());
    EXPECT_EQ(::GetWindow(wnd.m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_EQ(wnd.GetWindowText(), L"Ostrel:Halvorn");
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_TRUE(::GetWindowLongW(wnd.m_hWnd, GWL_STYLE) & WS_THICKFRAME);

    struct {
        int nID;
        const wchar_t *pszClass;
        DWORD dwStyle;
    } controls[] = {
        {IDC_STATUS_ICON, L"Static", SS_ICON},
        {IDC_STATUS_LINE1, L"Static", SS_NOPREFIX | SS_CENTERIMAGE},
        {IDC_STATUS_LINE2, L"Static", SS_CENTER | SS_NOPREFIX | SS_CENTERIMAGE},
        {IDC_STATUS_CANCEL, L"Button", BS_DEFPUSHBUTTON},
    };
    for (const auto &c : controls) {
        HWND hCtrl = wnd.GetDlgItem(c.nID);
        ASSERT_NE(hCtrl, nullptr) << c.nID;
        EXPECT_EQ(_wcsicmp(ClassOf(hCtrl).c_str(), c.pszClass), 0) << c.nID;
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(hCtrl, GWL_STYLE)) & c.dwStyle, c.dwStyle) << c.nID;
        EXPECT_TRUE(::IsWindowVisible(hCtrl)) << c.nID;
    }
    // The dialog manager turns a control's plain border into a sunken edge.
    HWND hLine2 = wnd.GetDlgItem(IDC_STATUS_LINE2);
    EXPECT_TRUE((::GetWindowLongW(hLine2, GWL_STYLE) & WS_BORDER) ||
                (::GetWindowLongW(hLine2, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    EXPECT_EQ(wnd.GetDlgItemText(IDC_STATUS_CANCEL), L"ｷｬﾝｾﾙ");
    EXPECT_TRUE(::IsWindowEnabled(wnd.GetDlgItem(IDC_STATUS_CANCEL)));
    EXPECT_EQ(ShownIcon(wnd), wnd.GetFrame(0));

    // Layout: icon top left, line 2 below it, the button 4 pixels below line 2 and centred.
    RECT rcClient = wnd.GetClientRect();
    EXPECT_EQ(rcClient.right, 256);
    int h = wnd.GetLineHeight();
    ASSERT_GT(h, 4);
    RECT rcIcon = ChildRect(wnd.m_hWnd, IDC_STATUS_ICON);
    EXPECT_EQ(rcIcon.left, 4);
    EXPECT_EQ(rcIcon.top, 4);
    EXPECT_EQ(rcIcon.right - rcIcon.left, 32);
    RECT rcLine1 = ChildRect(wnd.m_hWnd, IDC_STATUS_LINE1);
    EXPECT_EQ(rcLine1.left, 40);
    EXPECT_EQ(rcLine1.right, 252);
    EXPECT_EQ(rcLine1.bottom - rcLine1.top, h);
    RECT rcLine2 = ChildRect(wnd.m_hWnd, IDC_STATUS_LINE2);
    EXPECT_EQ(rcLine2.left, 4);
    EXPECT_EQ(rcLine2.right, 252);
    EXPECT_EQ(rcLine2.bottom - rcLine2.top, h + 4);
    RECT rcButton = ChildRect(wnd.m_hWnd, IDC_STATUS_CANCEL);
    EXPECT_EQ(rcButton.top, rcLine2.bottom + 4);
    EXPECT_EQ(rcButton.bottom + 4, rcClient.bottom);
    EXPECT_LE(std::abs(rcButton.left - (256 - rcButton.right)), 1);

    // Centred on the owner.
    RECT rcOwner = {}, rcWnd = wnd.GetWindowRect();
    ::GetWindowRect(owner.m_hWnd, &rcOwner);
    EXPECT_LE(std::abs((rcWnd.left + rcWnd.right) - (rcOwner.left + rcOwner.right)), 1);
    EXPECT_LE(std::abs((rcWnd.top + rcWnd.bottom) - (rcOwner.top + rcOwner.bottom)), 1);
}

TEST(StatusWnd, SetStatusShortensALongPathKeepingDriveAndFileName)
{
    int bCancel = 0;
    CStatusWnd wnd(L"Ostrel:Halvorn", &bCancel, IDB_STATUS_ANIM, kYellow, 250, SHORTEN_IN_MIDDLE, 0, false);
    ASSERT_TRUE(wnd.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    wnd.SetStatus(L"ﾃﾞｨﾚｸﾄﾘを検索しています...", kLongPath);
    EXPECT_EQ(wnd.GetDlgItemText(IDC_STATUS_LINE1), L"ﾃﾞｨﾚｸﾄﾘを検索しています...");
    EXPECT_EQ(wnd.GetLine2(), kLongPath);
    std::wstring strShown = wnd.GetDlgItemText(IDC_STATUS_LINE2);
    EXPECT_LT(strShown.size(), std::wstring(kLongPath).size());
    EXPECT_EQ(strShown.substr(0, 3), L"D:\\");
    EXPECT_EQ(strShown.substr(strShown.size() - 15), L"...\\summary.txt");

    // A null line stays as it was; another path replaces line 2 only.
    wnd.SetStatus(nullptr, L"D:\\短い\\a.txt");
    EXPECT_EQ(wnd.GetDlgItemText(IDC_STATUS_LINE1), L"ﾃﾞｨﾚｸﾄﾘを検索しています...");
    EXPECT_EQ(wnd.GetDlgItemText(IDC_STATUS_LINE2), L"D:\\短い\\a.txt");

    // Without a backslash nothing is cut, however long.
    std::wstring strPhase(200, L'あ');
    wnd.SetStatus(strPhase.c_str());
    EXPECT_EQ(wnd.GetDlgItemText(IDC_STATUS_LINE1), strPhase);
}

TEST(StatusWnd, WithoutCancelFlagTheWindowIsShorterAndHasNoButton)
{
    int bCancel = 0;
    CStatusWnd withButton(L"a", &bCancel, IDB_STATUS_ANIM, kYellow, 250, 1, 0, false);
    CStatusWnd without(L"b", nullptr, IDB_STATUS_ANIM, kYellow, 250, 1, 0, false);
    ASSERT_TRUE(withButton.Create(nullptr, 9, 256));
    ASSERT_TRUE(without.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(withButton.m_hWnd));
    ASSERT_TRUE(::IsWindow(without.m_hWnd));
    HWND hButton = without.GetDlgItem(IDC_STATUS_CANCEL);
    ASSERT_NE(hButton, nullptr);
    EXPECT_FALSE(::IsWindowVisible(hButton));
    EXPECT_FALSE(::IsWindowEnabled(hButton));
    RECT rcButton = ChildRect(withButton.m_hWnd, IDC_STATUS_CANCEL);
    EXPECT_EQ(withButton.GetClientRect().bottom - without.GetClientRect().bottom, rcButton.bottom - rcButton.top + 4);
    // Escape does not close a window nobody can be told about.
    without.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(::IsWindow(without.m_hWnd));
}

TEST(StatusWnd, OneFrameIsAStillIconAndNoFramesNoIcon)
{
    CStatusWnd still(L"a", nullptr, IDB_PROBE_ONE_FRAME, kYellow, 250, 1, 0, false);
    EXPECT_EQ(still.GetFrameCount(), 1);
    EXPECT_EQ(still.GetFramePeriod(), 0);
    ASSERT_TRUE(still.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(still.m_hWnd));
    ASSERT_NE(still.GetDlgItem(IDC_STATUS_ICON), nullptr);
    EXPECT_EQ(ShownIcon(still), still.GetFrame(0));
    // No timer was started, so there is none to stop.
    EXPECT_FALSE(::KillTimer(still.m_hWnd, CStatusWnd::kTimerID));

    CStatusWnd bare(L"b", nullptr, 0, kYellow, 250, 1, 0, false);
    EXPECT_EQ(bare.GetFrameCount(), 0);
    ASSERT_TRUE(bare.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(bare.m_hWnd));
    EXPECT_EQ(bare.GetDlgItem(IDC_STATUS_ICON), nullptr);
    EXPECT_FALSE(::KillTimer(bare.m_hWnd, CStatusWnd::kTimerID));
    bare.SetStatus(L"一", L"二", 0, 3); // a frame asked for without frames is ignored
    RECT rcLine1 = ChildRect(bare.m_hWnd, IDC_STATUS_LINE1);
    EXPECT_EQ(rcLine1.left, 4);
    EXPECT_EQ(rcLine1.right, 252);
    EXPECT_EQ(ChildRect(bare.m_hWnd, IDC_STATUS_LINE2).top, rcLine1.bottom + 4);
}

TEST(StatusWnd, CancelButtonSetsTheFlagAndClosesAtOnce)
{
    COwner owner;
    ASSERT_NE(owner.m_hWnd, nullptr);
    int bCancel = 0;
    CStatusWnd wnd(L"Ostrel:Halvorn", &bCancel, IDB_STATUS_ANIM, kYellow, 250, 1, 0, true);
    ASSERT_TRUE(wnd.Create(owner.m_hWnd, 9, 256));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
    HWND hWnd = wnd.m_hWnd;
    HWND hButton = wnd.GetDlgItem(IDC_STATUS_CANCEL);
    ASSERT_NE(hButton, nullptr);
    ::SendMessageW(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(bCancel, 1);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    // Escape is the same button.
    int bEscaped = 0;
    CStatusWnd other(L"x", &bEscaped, IDB_STATUS_ANIM, kYellow, 250, 1, 0, false);
    ASSERT_TRUE(other.Create(nullptr, 9, 256));
    other.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(bEscaped, 1);
    EXPECT_EQ(other.m_hWnd, nullptr);
    // Later updates do nothing.
    wnd.SetStatus(L"後", L"D:\\x\\y.txt", PLACE_LEFT, 2);
    EXPECT_EQ(wnd.GetLine1(), L"");
    EXPECT_FALSE(wnd.DestroyWindow());
}

TEST(StatusWnd, OwnerDestroyingItReenablesTheOwner)
{
    COwner owner;
    ASSERT_NE(owner.m_hWnd, nullptr);
    int bCancel = 0;
    HWND hWnd = nullptr;
    {
        CStatusWnd wnd(L"x", &bCancel, IDB_STATUS_ANIM, kYellow, 250, 1, 0, true);
        ASSERT_TRUE(wnd.Create(owner.m_hWnd, 9, 256));
        hWnd = wnd.m_hWnd;
        ASSERT_TRUE(::IsWindow(hWnd));
        EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(bCancel, 0);
}

TEST(StatusWnd, ResizingChangesTheWidthOnlyAndRelaysTheControls)
{
    int bCancel = 0;
    CStatusWnd wnd(L"x", &bCancel, IDB_STATUS_ANIM, kYellow, 250, 1, 0, false);
    ASSERT_TRUE(wnd.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    wnd.SetStatus(nullptr, kLongPath);
    std::wstring strNarrow = wnd.GetDlgItemText(IDC_STATUS_LINE2);
    RECT rc = wnd.GetWindowRect();
    ::SetWindowPos(wnd.m_hWnd, nullptr, 0, 0, rc.right - rc.left + 300, rc.bottom - rc.top + 80,
                   SWP_NOMOVE | SWP_NOZORDER);
    RECT rcWide = wnd.GetWindowRect();
    EXPECT_EQ(rcWide.right - rcWide.left, rc.right - rc.left + 300);
    EXPECT_EQ(rcWide.bottom - rcWide.top, rc.bottom - rc.top);
    EXPECT_EQ(wnd.GetClientRect().right, 556);
    EXPECT_EQ(ChildRect(wnd.m_hWnd, IDC_STATUS_LINE2).right, 552);
    RECT rcButton = ChildRect(wnd.m_hWnd, IDC_STATUS_CANCEL);
    EXPECT_LE(std::abs(rcButton.left - (556 - rcButton.right)), 1);
    // The wider line shows more of the path again.
    std::wstring strWide = wnd.GetDlgItemText(IDC_STATUS_LINE2);
    EXPECT_GT(strWide.size(), strNarrow.size());
    EXPECT_EQ(wnd.GetLine2(), kLongPath);

    // Only the left and right edges size the frame.
    rc = wnd.GetWindowRect();
    LONG xMid = (rc.left + rc.right) / 2, yMid = (rc.top + rc.bottom) / 2;
    struct {
        LONG x, y;
        LRESULT nHit;
    } hits[] = {
        {rc.left + 1, yMid, HTLEFT},          {rc.right - 2, yMid, HTRIGHT},
        {rc.left + 1, rc.top + 1, HTLEFT},    {rc.right - 2, rc.top + 1, HTRIGHT},
        {rc.left + 1, rc.bottom - 2, HTLEFT}, {rc.right - 2, rc.bottom - 2, HTRIGHT},
        {xMid, rc.top + 1, HTBORDER},         {xMid, rc.bottom - 2, HTBORDER},
    };
    for (const auto &hit : hits)
        EXPECT_EQ(wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(hit.x, hit.y)), hit.nHit) << hit.x << "," << hit.y;
}

TEST(StatusWnd, TimerAdvancesTheFrames)
{
    CStatusWnd wnd(L"x", nullptr, IDB_STATUS_ANIM, kYellow, 10, 1, 0, false);
    ASSERT_TRUE(wnd.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    EXPECT_EQ(ShownIcon(wnd), wnd.GetFrame(0));
    EXPECT_EQ(wnd.GetCurrentFrame(), 1);
    ASSERT_TRUE(PumpUntil([&] { return wnd.GetCurrentFrame() == 3; }));
    EXPECT_EQ(ShownIcon(wnd), wnd.GetFrame(2));
    // After the last frame the first comes again.
    ASSERT_TRUE(PumpUntil([&] { return ShownIcon(wnd) == wnd.GetFrame(14); }));
    ASSERT_TRUE(PumpUntil([&] { return ShownIcon(wnd) == wnd.GetFrame(0); }));
    // SetStatus picks a frame; one out of range shows the first.
    wnd.SetStatus(nullptr, nullptr, 0, 7);
    EXPECT_EQ(ShownIcon(wnd), wnd.GetFrame(7));
    wnd.SetStatus(nullptr, nullptr, 0, 99);
    EXPECT_EQ(ShownIcon(wnd), wnd.GetFrame(0));
}

TEST(StatusWnd, PlacementFlagsPutTheWindowAtTheWorkAreaEdges)
{
    RECT rcWork = {};
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0));
    CStatusWnd wnd(L"x", nullptr, IDB_STATUS_ANIM, kYellow, 250, 1, PLACE_LEFT | PLACE_TOP, false);
    ASSERT_TRUE(wnd.Create(nullptr, 9, 256));
    ASSERT_TRUE(::IsWindow(wnd.m_hWnd));
    RECT rc = wnd.GetWindowRect();
    EXPECT_EQ(rc.left, rcWork.left);
    EXPECT_EQ(rc.top, rcWork.top);
    wnd.SetStatus(nullptr, nullptr, PLACE_RIGHT | PLACE_BOTTOM);
    RECT rcMoved = wnd.GetWindowRect();
    EXPECT_EQ(rcMoved.right, rcWork.right);
    EXPECT_EQ(rcMoved.bottom, rcWork.bottom);
    EXPECT_EQ(rcMoved.right - rcMoved.left, rc.right - rc.left);
}

// ctest runs this again in prefixes at 144 and 192 DPI, named in PELNIX_EXPECT_DPI (unset: 96).
TEST(StatusDpi, TheAnimationDrawnForTheDisplayAndWiderRows)
{
    const char *psz = std::getenv("PELNIX_EXPECT_DPI");
    const int nDpi = psz && *psz ? std::atoi(psz) : 96;
    struct {
        int nDpi, nFrame, nWidth, nMargin;
    } const rows[] = {{96, 32, 256, 4}, {144, 48, 384, 6}, {192, 64, 512, 8}};
    const auto *pRow = std::find_if(std::begin(rows), std::end(rows), [&](const auto &r) { return r.nDpi == nDpi; });
    ASSERT_NE(pRow, std::end(rows)) << nDpi;

    COwner owner;
    ASSERT_EQ(GetWindowDpi(owner.m_hWnd), nDpi);
    int bCancel = 0;
    CStatusWnd wnd(L"x", &bCancel, PickArtResource(nDpi, IDB_STATUS_ANIM, IDB_STATUS_ANIM_150, IDB_STATUS_ANIM_200),
                   kYellow, 250, SHORTEN_IN_MIDDLE, 0, false);
    EXPECT_EQ(wnd.GetFrameSize(), pRow->nFrame);
    EXPECT_EQ(wnd.GetFrameCount(), 15);
    ICONINFO ii = {};
    ASSERT_TRUE(::GetIconInfo(wnd.GetFrame(0), &ii));
    BITMAP bm = {};
    ::GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm);
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    EXPECT_EQ(bm.bmWidth, pRow->nFrame);

    ASSERT_TRUE(wnd.Create(owner.m_hWnd, 9, 256));
    EXPECT_EQ(wnd.GetClientRect().right, pRow->nWidth);
    const RECT rcIcon = ChildRect(wnd.m_hWnd, IDC_STATUS_ICON);
    EXPECT_EQ(rcIcon.left, pRow->nMargin);
    EXPECT_EQ(rcIcon.right - rcIcon.left, pRow->nFrame);
    EXPECT_EQ(rcIcon.bottom - rcIcon.top, pRow->nFrame);
    // Rows one under the other inside the client area.
    const RECT rcLine2 = ChildRect(wnd.m_hWnd, IDC_STATUS_LINE2), rcButton = ChildRect(wnd.m_hWnd, IDC_STATUS_CANCEL);
    EXPECT_GE(rcLine2.top, rcIcon.bottom + pRow->nMargin);
    EXPECT_GE(rcButton.top, rcLine2.bottom + pRow->nMargin);
    EXPECT_LE(rcButton.bottom, wnd.GetClientRect().bottom);
    wnd.DestroyWindow();
}

} // namespace
