#include "datetime/DateTimeCmb.h"
#include "datetime/DateTimeCtrl.h"

#include "HostWindow.h"
#include "ScriptedSeams.h"
#include "TemplateWriter.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cwchar>

namespace {

constexpr WORD IDC_BEFORE = 1000, IDC_PLACEHOLDER = 1034, IDC_AFTER = 1001;
constexpr UINT IDC_FIELD = 104;

INT_PTR CALLBACK QuietDialogProc(HWND, UINT uMsg, WPARAM, LPARAM)
{
    return uMsg == WM_INITDIALOG;
}

// A modeless dialog as the attribute dialogs have it: an edit box, the field's placeholder, another
// edit box; the field put in the placeholder's place.
class CFieldDialog {
public:
    CFieldDialog()
    {
        CTemplateWriter tpl(WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 240, 120, L"field");
        tpl.AddControl(0x81, IDC_BEFORE, WS_TABSTOP | WS_BORDER, 10, 10, 100, 14, L"");
        tpl.AddControl(0x82, IDC_PLACEHOLDER, 0, 10, 30, 120, 14, L"");
        tpl.AddControl(0x81, IDC_AFTER, WS_TABSTOP | WS_BORDER, 10, 80, 100, 14, L"");
        m_hDlg = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), tpl.Get(), nullptr, QuietDialogProc, 0);
        ::SetForegroundWindow(m_hDlg);
        ::SetFocus(::GetDlgItem(m_hDlg, IDC_BEFORE));
        m_field.Create(IDC_PLACEHOLDER, IDC_FIELD, m_hDlg, nullptr, 9);
        PumpPending();
    }
    ~CFieldDialog()
    {
        if (::IsWindow(m_hDlg))
            ::DestroyWindow(m_hDlg);
    }

    // A mouse message where the system would send it: to the window holding the capture, or else
    // to hTarget; the point is given in screen coordinates.
    void Mouse(UINT uMsg, POINT ptScreen, HWND hTarget = nullptr)
    {
        HWND hTo = ::GetCapture() ? ::GetCapture() : hTarget;
        if (!hTo)
            return; // a release after the panel closed on the press: nobody is there
        POINT pt = ptScreen;
        ::ScreenToClient(hTo, &pt);
        const WPARAM wKeys = (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK) ? MK_LBUTTON : 0;
        ::SendMessageW(hTo, uMsg, wKeys, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }
    void Click(POINT ptScreen, HWND hTarget = nullptr)
    {
        Mouse(WM_LBUTTONDOWN, ptScreen, hTarget);
        Mouse(WM_LBUTTONUP, ptScreen, hTarget);
    }
    void ClickDropButton() { Click(Centre(m_field.GetDropButton()), m_field.GetDropButton()); }
    CDateTimeCtrl &Panel() { return *m_field.GetPanel(); }
    bool IsOpen() const { return m_field.IsDroppedDown(); }
    // Closed, with no panel window left and nobody holding the capture.
    bool IsClosedClean() { return !IsOpen() && !Panel().m_hWnd && ::GetCapture() == nullptr; }

    static POINT Centre(HWND hWnd)
    {
        RECT rc = {};
        ::GetWindowRect(hWnd, &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // The centre of a day's cell of the calendar's month, on the screen.
    POINT DayOnScreen(int nDay)
    {
        CCalendarCtrl &cal = Panel().GetCalendar();
        const CTime &date = cal.GetDate();
        const int nIndex = DayOfWeek(date.GetYear(), date.GetMonth(), 1) + nDay - 1;
        POINT pt = {(nIndex % 7) * cal.GetCellWidth() + cal.GetCellWidth() / 2,
                    (3 + nIndex / 7) * cal.GetCellHeight() + cal.GetCellHeight() / 2};
        ::ClientToScreen(cal.m_hWnd, &pt);
        return pt;
    }

    HWND m_hDlg = nullptr;
    CDateTimeCmb m_field;
};

std::wstring Today()
{
    return FormatCTime(CTime::GetCurrentTime(), TIME_PART_DATE);
}

TEST(DateTimeField, TakesThePlaceholdersPlaceAndATabPutsTheCaretInItsEditBox)
{
    CFieldDialog dlg;
    ASSERT_TRUE(dlg.m_field.m_hWnd);
    EXPECT_EQ(::GetDlgItem(dlg.m_hDlg, IDC_PLACEHOLDER), nullptr);
    EXPECT_EQ(::GetDlgItem(dlg.m_hDlg, IDC_FIELD), dlg.m_field.m_hWnd);
    ASSERT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hDlg, IDC_BEFORE));
    MSG msg = {dlg.m_hDlg, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    msg.hwnd = ::GetFocus();
    EXPECT_TRUE(::IsDialogMessageW(dlg.m_hDlg, &msg));
    EXPECT_EQ(::GetFocus(), dlg.m_field.GetEdit());
}

TEST(DateTimeField, ANewEmptyFieldOpensOnNowAndStaysEmptyUntilAChange)
{
    CScriptedSeams seams;
    CFieldDialog dlg;
    dlg.ClickDropButton();
    ASSERT_TRUE(dlg.IsOpen());
    EXPECT_EQ(::GetCapture(), dlg.m_field.m_hWnd);
    EXPECT_EQ(::GetFocus(), dlg.m_field.GetEdit());
    EXPECT_EQ(dlg.Panel().GetCalendar().GetDateText(), Today());
    const CTime now = CTime::GetCurrentTime();
    const CClockTime shown = dlg.Panel().GetClock().GetTime();
    EXPECT_LE(std::abs((shown.nHours * 3600 + shown.nMinutes * 60 + shown.nSeconds) -
                       (now.GetHour() * 3600 + now.GetMinute() * 60 + now.GetSecond())),
              5);
    EXPECT_EQ(dlg.m_field.GetText(), L"");

    // The panel lies below the field, right-aligned two pixels inside it, overlapping its edge.
    const RECT rcField = dlg.m_field.GetWindowRect(), rcPanel = dlg.Panel().GetWindowRect();
    EXPECT_EQ(rcPanel.right, rcField.right - 2);
    EXPECT_EQ(rcPanel.top, rcField.bottom - 1);

    dlg.Click(dlg.Centre(dlg.Panel().GetCancelButton()));
    EXPECT_TRUE(dlg.IsClosedClean());
    EXPECT_EQ(dlg.m_field.GetValueText(), L"");
}

TEST(DateTimeField, LiveChangesThenCancelRestoreTheTextOfTheOpening)
{
    CFieldDialog dlg;
    dlg.m_field.SetValueText(L"2001/02/03 04:05:06");
    dlg.ClickDropButton();
    ASSERT_TRUE(dlg.IsOpen());
    dlg.Click(dlg.DayOnScreen(20));
    EXPECT_EQ(dlg.m_field.GetText(), L"2001/02/20 04:05:06");
    dlg.Click(dlg.Centre(dlg.Panel().GetClock().GetSpin(CLOCK_HOURS)));
    EXPECT_NE(dlg.m_field.GetText(), L"2001/02/20 04:05:06");
    EXPECT_EQ(::GetCapture(), dlg.m_field.m_hWnd);
    dlg.Click(dlg.Centre(dlg.Panel().GetCancelButton()));
    EXPECT_TRUE(dlg.IsClosedClean());
    EXPECT_EQ(dlg.m_field.GetText(), L"2001/02/03 04:05:06");

    // An empty field stays empty.
    dlg.m_field.SetValueText(L"");
    dlg.ClickDropButton();
    dlg.Click(dlg.DayOnScreen(1));
    EXPECT_FALSE(dlg.m_field.GetText().empty());
    dlg.Click(dlg.Centre(dlg.Panel().GetCancelButton()));
    EXPECT_TRUE(dlg.IsClosedClean());
    EXPECT_EQ(dlg.m_field.GetValueText(), L"");
}

TEST(DateTimeField, OkKeepsTheValueAndNowIsOneClick)
{
    CFieldDialog dlg;
    dlg.m_field.SetValueText(L"2010/10/10 10:10:10");
    dlg.ClickDropButton();
    // The row left of the buttons sets now.
    RECT rcOK = {};
    ::GetWindowRect(dlg.Panel().GetOkButton(), &rcOK);
    dlg.Click(POINT{rcOK.left - 30, (rcOK.top + rcOK.bottom) / 2});
    EXPECT_EQ(dlg.m_field.GetText().substr(0, 10), Today());
    // A release outside the panel (a press dragged out of it) changes nothing.
    dlg.m_field.SetValueText(L"2010/10/10 10:10:10");
    RECT rcPanel = {};
    ::GetWindowRect(dlg.Panel().m_hWnd, &rcPanel);
    dlg.Mouse(WM_LBUTTONUP, POINT{rcPanel.right + 20, rcPanel.bottom + 20});
    EXPECT_EQ(dlg.m_field.GetText(), L"2010/10/10 10:10:10");
    EXPECT_TRUE(dlg.IsOpen());
    dlg.Click(dlg.DayOnScreen(1));
    const std::wstring strPicked = dlg.m_field.GetText();
    dlg.Click(dlg.Centre(dlg.Panel().GetOkButton()));
    EXPECT_TRUE(dlg.IsClosedClean());
    EXPECT_EQ(dlg.m_field.GetValueText(), strPicked);
}

TEST(DateTimeField, ADoubleClickOnACalendarArrowCountsAsAPress)
{
    CFieldDialog dlg;
    dlg.m_field.SetValueText(L"2005/06/15 12:00:00");
    dlg.ClickDropButton();
    const POINT pt = dlg.Centre(dlg.Panel().GetCalendar().GetPrevButton());
    dlg.Mouse(WM_LBUTTONDBLCLK, pt);
    dlg.Mouse(WM_LBUTTONUP, pt);
    PumpPending();
    EXPECT_EQ(dlg.m_field.GetText(), L"2005/05/15 12:00:00");
    EXPECT_TRUE(dlg.IsOpen());
    EXPECT_EQ(::GetCapture(), dlg.m_field.m_hWnd);
    dlg.Mouse(WM_RBUTTONUP, dlg.DayOnScreen(3));
    EXPECT_TRUE(dlg.IsClosedClean());
    EXPECT_EQ(dlg.m_field.GetText(), L"2005/06/15 12:00:00");
}

TEST(DateTimeField, EveryWayOfClosingReleasesTheCaptureAndLeavesNoPanel)
{
    CFieldDialog dlg;
    dlg.m_field.SetValueText(L"2020/01/01 00:00:00");
    // A press outside the panel.
    dlg.ClickDropButton();
    ASSERT_TRUE(dlg.IsOpen());
    dlg.Click(POINT{5, 5});
    EXPECT_TRUE(dlg.IsClosedClean());
    // A second press of the drop button.
    dlg.ClickDropButton();
    ASSERT_TRUE(dlg.IsOpen());
    dlg.ClickDropButton();
    EXPECT_TRUE(dlg.IsClosedClean());
    // The edit box losing the focus.
    dlg.ClickDropButton();
    ASSERT_TRUE(dlg.IsOpen());
    ::SetFocus(::GetDlgItem(dlg.m_hDlg, IDC_AFTER));
    PumpPending();
    EXPECT_TRUE(dlg.IsClosedClean());
    // Disabled while open: the value written so far stays.
    dlg.ClickDropButton();
    dlg.Click(dlg.DayOnScreen(9));
    EXPECT_EQ(dlg.m_field.GetText(), L"2020/01/09 00:00:00");
    dlg.m_field.EnableWindow(false);
    PumpPending();
    EXPECT_TRUE(dlg.IsClosedClean());
    EXPECT_EQ(dlg.m_field.GetValueText(), L"2020/01/09 00:00:00");
    dlg.m_field.EnableWindow(true);
    // The dialog closed with the panel open.
    dlg.ClickDropButton();
    ASSERT_TRUE(dlg.IsOpen());
    const HWND hPanel = dlg.Panel().m_hWnd;
    ::DestroyWindow(dlg.m_hDlg);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hPanel));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST(DateTimeField, TypedTextIsMadeCanonicalOnLeavingAndADateMovedIntoRangeBeeps)
{
    CScriptedSeams seams;
    CFieldDialog dlg;
    HWND hAfter = ::GetDlgItem(dlg.m_hDlg, IDC_AFTER);
    auto type = [&](const wchar_t *pszText) {
        ::SetFocus(dlg.m_field.GetEdit());
        ::SetWindowTextW(dlg.m_field.GetEdit(), pszText);
        ::SetFocus(hAfter);
        PumpPending();
    };
    type(L"2000/2/30 10:00");
    EXPECT_EQ(dlg.m_field.GetText(), L"2000/02/29 10:00:00");
    EXPECT_TRUE(seams.m_listBeeps.empty());
    type(L"12:30");
    EXPECT_EQ(dlg.m_field.GetText(), Today() + L" 12:30:00");
    EXPECT_TRUE(seams.m_listBeeps.empty());
    type(L"2040/5/1");
    EXPECT_EQ(dlg.m_field.GetText(), L"2038/01/01 00:00:00");
    ASSERT_EQ(seams.m_listBeeps.size(), 1u);
    EXPECT_EQ(seams.m_listBeeps[0], static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(::GetFocus(), dlg.m_field.GetEdit());
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageW(dlg.m_field.GetEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(dwStart, 0u);
    EXPECT_EQ(dwEnd, 19u);

    // Typed and never left: the value read commits it.
    ::SetWindowTextW(dlg.m_field.GetEdit(), L"2001/1/2");
    EXPECT_EQ(dlg.m_field.GetValueText(), L"2001/01/02 00:00:00");
}

} // namespace
