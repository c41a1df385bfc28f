#include "datetime/CalendarCtrl.h"

#include "framework/Handles.h"
#include "support/DrawHelpers.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <algorithm>
#include <cwchar>

CCalendarCtrl::CCalendarCtrl()
{
    FillDayGrid(m_aDays, 0, 0);
}

bool CCalendarCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent,
                           const wchar_t *pszFace, int nPoints)
{
    if (!CCustomCmbDropDownWnd::Create(dwExStyle, dwStyle, rc, nID, hParent, pszFace, nPoints))
        return false;
    const RECT rcNone = {0, 0, 0, 0};
    m_btnPrev.SetArrowType(ARROW_LEFT);
    m_btnNext.SetArrowType(ARROW_RIGHT);
    // Whoever held the capture before an arrow was pressed (the field of a panel) keeps it after.
    m_btnPrev.m_bReturnCapture = 1;
    m_btnNext.m_bReturnCapture = 1;
    if (!m_btnPrev.Create(rcNone, IDC_CALENDAR_PREV, m_hWnd) || !m_btnNext.Create(rcNone, IDC_CALENDAR_NEXT, m_hWnd))
        return false;
    LayOut();
    return true;
}

void CCalendarCtrl::LayOut()
{
    if (!m_btnPrev.m_hWnd || !m_btnNext.m_hWnd)
        return;
    const RECT rc = GetClientRect();
    const SIZE size = m_btnPrev.GetBitmapSize();
    const int y = (2 * m_cyCell - size.cy) / 2, nMargin = m_measures.nMargin, nGap = m_measures.nHeaderGap;
    const RECT rcPrev = {nMargin, y, nMargin + size.cx, y + size.cy};
    const RECT rcNext = {rc.right - nMargin - size.cx, y, rc.right - nMargin, y + size.cy};
    m_btnPrev.MoveWindow(rcPrev);
    m_btnNext.MoveWindow(rcNext);
    m_rcHeader = RECT{rcPrev.right + nGap, nMargin, rcNext.left - nGap, 2 * m_cyCell - nMargin};
    m_rcToday = RECT{0, 9 * m_cyCell + nMargin, rc.right, rc.bottom};
}

RECT CCalendarCtrl::GetIdealRect()
{
    m_measures = CalendarMeasuresFor(GetWindowDpi(m_hWnd));
    int cxName = 0, cyName = 0;
    for (int nColumn = 0; nColumn < 7; ++nColumn) {
        const SIZE size = MeasureText(GetWeekdayName(nColumn));
        cxName = std::max(cxName, static_cast<int>(size.cx));
        cyName = std::max(cyName, static_cast<int>(size.cy));
    }
    m_cxCell = cxName * 3 / 2;
    m_cyCell = cyName + m_measures.nCellPadding;
    return CalcDropRect(7 * m_cxCell + m_measures.nMargin, 10 * cyName + m_measures.nExtraHeight);
}

void CCalendarCtrl::SetDateText(const std::wstring &strText, bool bRedraw)
{
    SetDate(TextToCTime(strText, TIME_PART_DATE), bRedraw);
}

void CCalendarCtrl::SetDate(const CTime &date, bool bRedraw)
{
    m_date = date;
    m_strDate = FormatCTime(m_date, TIME_PART_DATE);
    if (bRedraw && m_hWnd)
        DrawCalendar(nullptr);
}

void CCalendarCtrl::MoveToDate(int nYear, int nMonth, int nDay)
{
    wchar_t sz[48];
    swprintf(sz, 48, L"%d/%d/%d", nYear, nMonth, nDay);
    SetDate(TextToCTime(sz, TIME_PART_DATE), true);
}

void CCalendarCtrl::EndDropDown(int nResult)
{
    if (m_nNotifyMessage)
        ::PostMessageW(m_hWndOwner, m_nNotifyMessage, static_cast<WPARAM>(nResult),
                       PackCalendarDate(m_date.GetYear(), m_date.GetMonth(), m_date.GetDay()));
}

int CCalendarCtrl::PickedResult() const
{
    const bool bPopupStyle = (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_POPUP) != 0;
    return m_bPopup || bPopupStyle ? CALENDAR_PICKED : CALENDAR_CHANGED;
}

bool CCalendarCtrl::OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y)
{
    if (m_bMenuOpen)
        return true;
    if (CCustomCmbDropDownWnd::OnMouseMessage(uMsg, wKeys, x, y))
        return true;
    // In a popup the owner holds the capture, so the arrow buttons only see a press passed on.
    if (m_bPopup && (uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK)) {
        for (CArrowButton *pButton : {&m_btnPrev, &m_btnNext}) {
            const POINT pt = MapClientPoint(x, y, m_hWnd, *pButton);
            const RECT rc = pButton->GetClientRect();
            if (::PtInRect(&rc, pt)) {
                pButton->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
                return true;
            }
        }
    }
    const POINT pt = {x, y};
    switch (uMsg) {
    case WM_MOUSEMOVE:
        if (wKeys & MK_LBUTTON) {
            CClientDC dc(m_hWnd);
            if (HitTestPoint(dc, x, y))
                EndDropDown(CALENDAR_DRAGGING);
        }
        break;
    case WM_LBUTTONDOWN: {
        CClientDC dc(m_hWnd);
        HitTestPoint(dc, x, y);
        break;
    }
    case WM_LBUTTONUP: {
        CClientDC dc(m_hWnd);
        if (HitTestPoint(dc, x, y)) {
            EndDropDown(PickedResult());
        } else if (::PtInRect(&m_rcToday, pt)) {
            SetDate(CTime::GetCurrentTime(), true);
            EndDropDown(PickedResult());
        } else if (::PtInRect(&m_rcHeader, pt)) {
            ShowYearMonthMenu(x, y);
        }
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        if (m_bPopup)
            EndDropDown(CALENDAR_CANCELLED);
        break;
    default: break;
    }
    return false;
}

void CCalendarCtrl::ShowYearMonthMenu(int x, int y)
{
    const bool bMonthFirst = x >= (m_rcHeader.left + m_rcHeader.right) / 2;
    HMENU hMenu = CreateYearMonthMenu(m_date.GetYear(), m_date.GetMonth(), bMonthFirst);
    POINT pt = {x, y};
    ::ClientToScreen(m_hWnd, &pt);
    m_bMenuOpen = 1;
    ::TrackPopupMenu(hMenu, TPM_RIGHTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
    m_bMenuOpen = 0;
    // The menu took the capture; the field must get it back to keep seeing clicks outside.
    if (m_bPopup)
        ::SetCapture(m_hWndOwner);
    ::DestroyMenu(hMenu); // with the sub-menu
}

void CCalendarCtrl::OnCommand(UINT nID)
{
    const CCalendarDate held = {m_date.GetYear(), m_date.GetMonth(), m_date.GetDay()};
    CCalendarDate to = held;
    if (nID == IDC_CALENDAR_PREV)
        to = PreviousMonth(held);
    else if (nID == IDC_CALENDAR_NEXT)
        to = NextMonth(held);
    else if (nID >= CALENDAR_MENU_BASE + 1 && nID <= CALENDAR_MENU_BASE + 12)
        to.nMonth = static_cast<int>(nID - CALENDAR_MENU_BASE);
    else if (nID >= CALENDAR_MENU_BASE + CALENDAR_FIRST_YEAR && nID <= CALENDAR_MENU_BASE + CALENDAR_LAST_YEAR)
        to.nYear = static_cast<int>(nID - CALENDAR_MENU_BASE);
    else
        return;
    MoveToDate(to.nYear, to.nMonth, to.nDay);
    EndDropDown(CALENDAR_CHANGED);
}

LRESULT CCalendarCtrl::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        if (m_strDate.empty())
            SetDateText(L"", false);
        DrawCalendar(hDC);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_ENABLE:
        m_btnPrev.EnableWindow(wParam != 0);
        m_btnNext.EnableWindow(wParam != 0);
        DrawCalendar(nullptr);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0) {
            OnCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SIZE: LayOut(); break;
    default: break;
    }
    return CCustomCmbDropDownWnd::WindowProc(uMsg, wParam, lParam);
}
