#include "datetime/ClockCtrl.h"

#include "framework/Handles.h"
#include "support/DrawHelpers.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

bool CClockCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace,
                        int nPoints)
{
    if (!CCustomCmbDropDownWnd::Create(dwExStyle, dwStyle, rc, nID, hParent, pszFace, nPoints))
        return false;
    struct CSpin {
        CCaptureSpinCtrl &spin;
        UINT nID;
        const RECT &rc;
        int nUpper;
    } const spins[] = {{m_spinHours, IDC_CLOCK_HOURS, m_layout.rcSpinHours, 23},
                       {m_spinMinutes, IDC_CLOCK_MINUTES, m_layout.rcSpinMinutes, 59},
                       {m_spinSeconds, IDC_CLOCK_SECONDS, m_layout.rcSpinSeconds, 59}};
    for (const CSpin &s : spins) {
        if (!s.spin.Create(s.rc, s.nID, m_hWnd, 0, s.nUpper, false))
            return false;
        UDACCEL accel = {0, 1};
        s.spin.SendMessage(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
        if (m_bPopup)
            s.spin.m_hWndCaptureReturn = m_hWndCaptureReturn ? m_hWndCaptureReturn : hParent;
    }
    SetTime(m_time.nHours, m_time.nMinutes, m_time.nSeconds);
    return true;
}

RECT CClockCtrl::GetIdealRect()
{
    m_layout = ClockLayoutFor(MeasureText(L"00"), GetWindowDpi(m_hWnd));
    return CalcDropRect(m_layout.sizeClient.cx, m_layout.sizeClient.cy);
}

HWND CClockCtrl::GetSpin(int nField) const
{
    return nField == CLOCK_HOURS ? m_spinHours.m_hWnd
                                 : (nField == CLOCK_MINUTES ? m_spinMinutes.m_hWnd : m_spinSeconds.m_hWnd);
}

void CClockCtrl::SetTime(int nHours, int nMinutes, int nSeconds)
{
    const CClockTime old = m_time;
    m_time.nHours = std::clamp(nHours, 0, 23);
    m_time.nMinutes = std::clamp(nMinutes, 0, 59);
    m_time.nSeconds = std::clamp(nSeconds, 0, 59);
    if (!m_hWnd)
        return;
    m_spinHours.SendMessage(UDM_SETPOS32, 0, m_time.nHours);
    m_spinMinutes.SendMessage(UDM_SETPOS32, 0, m_time.nMinutes);
    m_spinSeconds.SendMessage(UDM_SETPOS32, 0, m_time.nSeconds);
    const int nMask = (old.nHours != m_time.nHours ? CLOCK_HOURS : 0) |
                      (old.nMinutes != m_time.nMinutes ? CLOCK_MINUTES : 0) |
                      (old.nSeconds != m_time.nSeconds ? CLOCK_SECONDS : 0);
    RedrawDigits(nMask);
}

std::wstring CClockCtrl::GetTimeText() const
{
    wchar_t sz[16];
    swprintf(sz, 16, L"%02d:%02d:%02d", m_time.nHours, m_time.nMinutes, m_time.nSeconds);
    return sz;
}

void CClockCtrl::EndDropDown(int nResult)
{
    if (m_nNotifyMessage)
        ::PostMessageW(m_hWndOwner, m_nNotifyMessage, static_cast<WPARAM>(nResult),
                       PackClockTime(m_time.nHours, m_time.nMinutes, m_time.nSeconds));
}

void CClockCtrl::RedrawDigits(int nMask)
{
    if (!m_hWnd || !IsWindowVisible())
        return;
    CClientDC dc(m_hWnd);
    if (dc)
        DrawDigits(dc, nMask);
}

int CClockCtrl::OnSpinDelta(UINT nID, int, int nDelta)
{
    const int nField =
        nID == IDC_CLOCK_HOURS ? CLOCK_HOURS : (nID == IDC_CLOCK_MINUTES ? CLOCK_MINUTES : CLOCK_SECONDS);
    const int nChanged = StepClockField(m_time, nField, nDelta);
    m_spinHours.SendMessage(UDM_SETPOS32, 0, m_time.nHours);
    m_spinMinutes.SendMessage(UDM_SETPOS32, 0, m_time.nMinutes);
    m_spinSeconds.SendMessage(UDM_SETPOS32, 0, m_time.nSeconds);
    return nChanged;
}

bool CClockCtrl::SetByClick(POINT pt, bool bHourRing)
{
    RECT rcRing = m_layout.rcFace;
    if (bHourRing)
        ::InflateRect(&rcRing, -m_layout.m.nRing, -m_layout.m.nRing);
    const int nMark = MarkAtPoint(m_layout.rcFace, rcRing, pt, m_layout.m.nDpi);
    if (nMark < 0)
        return false;
    if (bHourRing) {
        m_time.nHours = HoursAfterMarkClick(m_time.nHours, nMark);
        m_spinHours.SendMessage(UDM_SETPOS32, 0, m_time.nHours);
        RedrawDigits(CLOCK_HOURS);
    } else {
        m_time.nMinutes = nMark * 5 > 59 ? 0 : nMark * 5;
        m_spinMinutes.SendMessage(UDM_SETPOS32, 0, m_time.nMinutes);
        RedrawDigits(CLOCK_MINUTES);
    }
    return true;
}

namespace {

// Inside the ellipse inscribed in rc.
bool InEllipse(const RECT &rc, POINT pt)
{
    const double a = (rc.right - rc.left) / 2.0, b = (rc.bottom - rc.top) / 2.0;
    if (a <= 0 || b <= 0)
        return false;
    const double dx = (pt.x - (rc.left + a)) / a, dy = (pt.y - (rc.top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

RECT Shrunk(RECT rc, int n)
{
    ::InflateRect(&rc, -n, -n);
    return rc;
}

} // namespace

int CClockCtrl::HitTest(UINT uMsg, POINT pt)
{
    const RECT &rcFace = m_layout.rcFace;
    if (!::PtInRect(&rcFace, pt))
        return CLOCK_HIT_NONE;
    const bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK;
    if (uMsg == WM_LBUTTONUP && InEllipse(Shrunk(rcFace, m_layout.m.nCentre), pt))
        return CLOCK_HIT_CENTRE;
    if (!bPress)
        return CLOCK_HIT_NONE;
    if (InEllipse(Shrunk(rcFace, m_layout.m.nRing), pt))
        return SetByClick(pt, true) ? CLOCK_HIT_HOUR : CLOCK_HIT_NONE;
    if (InEllipse(rcFace, pt) && SetByClick(pt, false))
        return CLOCK_HIT_MINUTE;
    return CLOCK_HIT_NONE;
}

int CClockCtrl::PickedResult() const
{
    const bool bPopupStyle = (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_POPUP) != 0;
    return m_bPopup || bPopupStyle ? CLOCK_OK : CLOCK_CHANGED;
}

bool CClockCtrl::OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y)
{
    if (CCustomCmbDropDownWnd::OnMouseMessage(uMsg, wKeys, x, y))
        return true;
    // In a popup the owner holds the capture, so the spin controls only see a press passed on.
    if (m_bPopup && (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK)) {
        for (CCaptureSpinCtrl *pSpin : {&m_spinHours, &m_spinMinutes, &m_spinSeconds}) {
            const POINT pt = MapClientPoint(x, y, m_hWnd, *pSpin);
            const RECT rc = pSpin->GetClientRect();
            if (::PtInRect(&rc, pt)) {
                pSpin->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
                return true;
            }
        }
    }
    switch (uMsg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        const int nHit = HitTest(uMsg, POINT{x, y});
        if (uMsg == WM_LBUTTONDOWN && (nHit == CLOCK_HIT_HOUR || nHit == CLOCK_HIT_MINUTE))
            EndDropDown(CLOCK_CHANGED);
        else if (uMsg == WM_LBUTTONUP && nHit == CLOCK_HIT_CENTRE)
            EndDropDown(PickedResult());
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        if (m_bPopup)
            EndDropDown(CLOCK_CANCELLED);
        break;
    default: break;
    }
    return false;
}

LRESULT CClockCtrl::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        DrawClock(hDC);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_ENABLE: {
        for (CCaptureSpinCtrl *pSpin : {&m_spinHours, &m_spinMinutes, &m_spinSeconds})
            pSpin->EnableWindow(wParam != 0);
        CClientDC dc(m_hWnd);
        if (dc) {
            DrawFace(dc);
            DrawDigits(dc, CLOCK_HOURS | CLOCK_MINUTES | CLOCK_SECONDS);
        }
        return 0;
    }
    case WM_NOTIFY: {
        const auto *pHeader = reinterpret_cast<const NMHDR *>(lParam);
        if (pHeader->code != UDN_DELTAPOS)
            break;
        const auto *pUpDown = reinterpret_cast<const NMUPDOWN *>(lParam);
        const int nChanged = OnSpinDelta(static_cast<UINT>(pHeader->idFrom), pUpDown->iPos, pUpDown->iDelta);
        RedrawDigits(nChanged);
        EndDropDown(CLOCK_CHANGED);
        // The position was set to the new value already; a wrap must not be undone by the control.
        return TRUE;
    }
    default: break;
    }
    return CCustomCmbDropDownWnd::WindowProc(uMsg, wParam, lParam);
}
