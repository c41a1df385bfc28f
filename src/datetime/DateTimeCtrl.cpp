#include "datetime/DateTimeCtrl.h"

#include "datetime/CustomCmb.h"
#include "framework/Handles.h"
#include "support/DrawHelpers.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <algorithm>

namespace {

const wchar_t kNowText[] = L"< 現在の日時 >";

int Width(const RECT &rc)
{
    return rc.right - rc.left;
}

int Height(const RECT &rc)
{
    return rc.bottom - rc.top;
}

// Posts a press to the first of the windows that holds the point (in hFrom's client coordinates).
bool PostPressToFirst(HWND hFrom, int x, int y, std::initializer_list<HWND> windows)
{
    for (HWND hWnd : windows) {
        const POINT pt = MapClientPoint(x, y, hFrom, hWnd);
        RECT rc = {};
        ::GetClientRect(hWnd, &rc);
        if (::PtInRect(&rc, pt)) {
            ::PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            return true;
        }
    }
    return false;
}

} // namespace

bool CDateTimeCtrlCalendar::OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y)
{
    if (m_bMenuOpen)
        return true;
    if ((uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK) && PostPressToFirst(m_hWnd, x, y, {m_btnPrev, m_btnNext}))
        return true;
    return CCalendarCtrlEx::OnMouseMessage(uMsg, wKeys, x, y);
}

void CDateTimeCtrlCalendar::ShowYearMonthMenu(int x, int y)
{
    CCalendarCtrlEx::ShowYearMonthMenu(x, y);
    if (m_hWndCaptureReturn && ::IsWindow(m_hWndCaptureReturn))
        ::SetCapture(m_hWndCaptureReturn);
}

bool CDateTimeCtrlClock::OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y)
{
    if ((uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK) &&
        PostPressToFirst(m_hWnd, x, y, {m_spinHours, m_spinMinutes, m_spinSeconds}))
        return true;
    return CClockCtrl::OnMouseMessage(uMsg, wKeys, x, y);
}

void CDateTimeCtrlClock::SetSpinCaptureReturn(HWND hWnd)
{
    m_spinHours.m_hWndCaptureReturn = hWnd;
    m_spinMinutes.m_hWndCaptureReturn = hWnd;
    m_spinSeconds.m_hWndCaptureReturn = hWnd;
}

bool CDateTimeCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent,
                           const wchar_t *pszFace, int nPoints)
{
    if (!CCustomCmbDropDownWnd::Create(dwExStyle, dwStyle, rc, nID, hParent, pszFace, nPoints))
        return false;
    const RECT rcSmall = {0, 0, 10, 10};
    if (!m_calendar.Create(0, WS_CHILD | WS_VISIBLE, rcSmall, IDC_PANEL_CALENDAR, m_hWnd, nullptr, 9) ||
        !m_clock.Create(0, WS_CHILD | WS_VISIBLE, rcSmall, IDC_PANEL_CLOCK, m_hWnd, nullptr, 9))
        return false;
    MoveWindow(GetIdealRect());
    const RECT rcCalendar = m_calendar.GetIdealRect(), rcClock = m_clock.GetIdealRect();
    const int nHeight = std::max(Height(rcCalendar), Height(rcClock));
    m_calendar.MoveWindow(RECT{0, 0, Width(rcCalendar), nHeight});
    m_calendar.m_nNotifyMessage = WM_CALENDAR_PICKED;
    const int xClock = Width(rcCalendar) + 1;
    m_clock.MoveWindow(RECT{xClock, 0, xClock + Width(rcClock), nHeight});
    m_clock.m_nNotifyMessage = WM_CLOCK_CHANGED;
    if (!m_bPopup)
        return true;
    m_calendar.m_hWndCaptureReturn = m_hWndOwner;
    m_clock.SetSpinCaptureReturn(m_hWndOwner);

    const RECT rcClient = GetClientRect();
    const int w = MeasureText(L"ｷｬﾝｾﾙ").cx + 8;
    const RECT rcCancel = {rcClient.right - w, nHeight + 1, rcClient.right, rcClient.bottom};
    const RECT rcOK = {rcClient.right - 2 * w - 1, nHeight + 1, rcClient.right - w - 1, rcClient.bottom};
    if (!m_btnCancel.Create(rcCancel, IDC_PANEL_CANCEL, m_hWnd, L"ｷｬﾝｾﾙ") ||
        !m_btnOK.Create(rcOK, IDC_PANEL_OK, m_hWnd, L"OK"))
        return false;
    m_btnOK.m_bReturnCapture = 1;
    m_btnCancel.m_bReturnCapture = 1;
    return true;
}

RECT CDateTimeCtrl::GetIdealRect()
{
    const int h = MeasureText(L" O K  ｷｬﾝｾﾙ").cy;
    if (!m_calendar.m_hWnd || !m_clock.m_hWnd)
        return CalcDropRect(0, 2 * h + 2);
    const RECT rcCalendar = m_calendar.GetIdealRect(), rcClock = m_clock.GetIdealRect();
    const int nWidth = Width(rcCalendar) + Width(rcClock) + 1;
    int nHeight = std::max(Height(rcCalendar), Height(rcClock));
    if (m_bPopup)
        nHeight += h + 7;
    return CalcDropRect(nWidth, nHeight);
}

RECT CDateTimeCtrl::NowRect() const
{
    const RECT rc = GetClientRect();
    const RECT rcOK = ChildRect(m_btnOK);
    return RECT{rc.left, rcOK.top, rcOK.left - 1, rc.bottom};
}

RECT CDateTimeCtrl::ChildRect(HWND hChild) const
{
    RECT rc = {};
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

void CDateTimeCtrl::SetValueText(const std::wstring &strText, bool bPropagate)
{
    SetValueTime(TextToCTime(strText, TIME_PART_DATE | TIME_PART_TIME), bPropagate);
}

void CDateTimeCtrl::SetValueTime(const CTime &time, bool bPropagate)
{
    m_time = time;
    m_strValue = FormatCTime(m_time, TIME_PART_DATE | TIME_PART_TIME);
    if (!bPropagate)
        return;
    m_calendar.SetDate(m_time, true);
    m_clock.SetTime(m_time.GetHour(), m_time.GetMinute(), m_time.GetSecond());
}

void CDateTimeCtrl::OnCalendarChanged()
{
    SetValueText(m_calendar.GetDateText() + L" " + m_clock.GetTimeText(), false);
    EndDropDown(DROP_CHANGED);
}

void CDateTimeCtrl::OnClockChanged()
{
    SetValueText(m_calendar.GetDateText() + L" " + m_clock.GetTimeText(), false);
    EndDropDown(DROP_CHANGED);
}

bool CDateTimeCtrl::OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y)
{
    if (CCustomCmbDropDownWnd::OnMouseMessage(uMsg, wKeys, x, y))
        return true;
    if (!m_bPopup)
        return false;
    const POINT pt = {x, y};
    switch (uMsg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        for (HWND hChild : {m_btnOK.m_hWnd, m_btnCancel.m_hWnd, m_calendar.m_hWnd, m_clock.m_hWnd}) {
            const RECT rc = ChildRect(hChild);
            if (::PtInRect(&rc, pt)) {
                const POINT ptChild = MapClientPoint(x, y, m_hWnd, hChild);
                ::PostMessageW(hChild, uMsg, wKeys, MAKELPARAM(ptChild.x, ptChild.y));
                return true;
            }
        }
        // The row left of the buttons: now. A release anywhere else (a press dragged out of the
        // panel) must not replace the value.
        if (uMsg == WM_LBUTTONUP && m_btnOK.m_hWnd) {
            const RECT rcNow = NowRect();
            if (!::PtInRect(&rcNow, pt))
                return true;
            SetValueTime(CTime::GetCurrentTime(), true);
            EndDropDown(DROP_CHANGED);
        }
        return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: EndDropDown(DROP_CANCEL); return true;
    default: return false;
    }
}

void CDateTimeCtrl::Paint(HDC hDC)
{
    const RECT rc = GetClientRect();
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_clock.m_hWnd)
        return;
    const RECT rcClock = ChildRect(m_clock);
    CPen pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
    CSelectObject select(hDC, pen);
    ::MoveToEx(hDC, rcClock.left - 1, rcClock.top, nullptr);
    ::LineTo(hDC, rcClock.left - 1, rcClock.bottom + 1);
    if (!m_bPopup || !m_btnOK.m_hWnd)
        return;
    ::MoveToEx(hDC, rc.left, rcClock.bottom, nullptr);
    ::LineTo(hDC, rc.right, rcClock.bottom);
    const RECT rcNow = NowRect();
    HGDIOBJ hOldFont = m_font ? ::SelectObject(hDC, m_font) : nullptr;
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
    DrawTextInRect(hDC, kNowText, rcNow.left, rcNow.top, rcNow.right, rcNow.bottom, 0, 0,
                   DTR_HCENTER | DTR_VCENTER | DTR_BOLD);
    ::SetBkMode(hDC, nOldMode);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
}

LRESULT CDateTimeCtrl::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        Paint(hDC);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_ENABLE:
        m_calendar.EnableWindow(wParam != 0);
        m_clock.EnableWindow(wParam != 0);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PANEL_OK && HIWORD(wParam) == 0) {
            EndDropDown(DROP_ACCEPT);
            return 0;
        }
        if (LOWORD(wParam) == IDC_PANEL_CANCEL && HIWORD(wParam) == 0) {
            EndDropDown(DROP_CANCEL);
            return 0;
        }
        break;
    case WM_CALENDAR_PICKED: OnCalendarChanged(); return 0;
    case WM_CLOCK_CHANGED: OnClockChanged(); return 0;
    default: break;
    }
    return CCustomCmbDropDownWnd::WindowProc(uMsg, wParam, lParam);
}
