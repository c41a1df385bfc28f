// How the calendar draws itself and which cell a point or a day is.
#include "datetime/CalendarCtrl.h"

#include "framework/Handles.h"
#include "support/DrawHelpers.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include <algorithm>
#include <cwchar>

namespace {

// Per column kind (Sunday, Monday-Friday, Saturday): a day of the month, an empty or unheld day.
const COLORREF kDayColors[3][2] = {
    {RGB(255, 0, 0), RGB(128, 0, 0)},
    {RGB(0, 0, 0), RGB(128, 128, 128)},
    {RGB(0, 0, 255), RGB(0, 0, 128)},
};

} // namespace

RECT CCalendarCtrl::CellRect(int nColumn, int nRow) const
{
    return RECT{nColumn * m_cxCell, nRow * m_cyCell, (nColumn + 1) * m_cxCell, (nRow + 1) * m_cyCell};
}

std::wstring CCalendarCtrl::GetWeekdayName(int nColumn)
{
    static const wchar_t *const kNames[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    return kNames[std::clamp(nColumn, 0, 6)];
}

COLORREF CCalendarCtrl::GetDayColor(int nYear, int nMonth, int nDay, int nColumn, bool bHeading)
{
    const int nKind = nColumn <= 0 ? 0 : (nColumn >= 6 ? 2 : 1);
    if (bHeading)
        return kDayColors[nKind][0];
    const bool bUnheld = nDay == CALENDAR_EMPTY_CELL || IsPastCalendarEnd(nYear, nMonth, nDay);
    return kDayColors[nKind][bUnheld ? 1 : 0];
}

void CCalendarCtrl::DrawCell(HDC hDC, int nColumn, int nRow, const std::wstring &strText, COLORREF crText)
{
    const RECT rc = CellRect(nColumn, nRow);
    ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(hDC, crText);
    DrawTextInRect(hDC, strText, rc.left, rc.top, rc.right, rc.bottom, 0, 0, DTR_HCENTER | DTR_VCENTER);
}

void CCalendarCtrl::DrawHeader(HDC hDC)
{
    RECT rc = m_rcHeader;
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(hDC, &rc, EDGE_RAISED, BF_RECT);
    wchar_t sz[48];
    swprintf(sz, 48, L"%4d 年 %2d 月", m_date.GetYear(), m_date.GetMonth());
    ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
    const UINT nFlags = DTR_HCENTER | DTR_VCENTER | (IsWindowEnabled() ? 0 : DTR_DISABLED);
    DrawTextInRect(hDC, sz, rc.left, rc.top, rc.right, rc.bottom, 0, 0, nFlags);
}

void CCalendarCtrl::DrawToday(HDC hDC)
{
    const COLORREF crLine = IsWindowEnabled() ? RGB(0, 0, 0) : ::GetSysColor(COLOR_BTNSHADOW);
    CPen pen(::CreatePen(PS_SOLID, m_measures.nPen, crLine));
    {
        CSelectObject select(hDC, pen);
        ::MoveToEx(hDC, m_rcToday.left, m_rcToday.top, nullptr);
        ::LineTo(hDC, m_rcToday.right, m_rcToday.top);
    }
    ::SetTextColor(hDC, crLine);
    const std::wstring strText = L"今日:" + FormatCTime(CTime::GetCurrentTime(), TIME_PART_DATE);
    DrawTextInRect(hDC, strText, m_rcToday.left, m_rcToday.top + m_measures.nPen, m_rcToday.right, m_rcToday.bottom, 0,
                   0, DTR_HCENTER | DTR_VCENTER);
}

void CCalendarCtrl::DrawCalendar(HDC hDC)
{
    if (!hDC) {
        CClientDC dc(m_hWnd);
        if (dc)
            DrawCalendar(dc);
        return;
    }
    const int nYear = m_date.GetYear(), nMonth = m_date.GetMonth();
    FillDayGrid(m_aDays, DayOfWeek(nYear, nMonth, 1), DaysInMonth(nYear, nMonth));

    const RECT rcClient = GetClientRect();
    ::FillRect(hDC, &rcClient, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HGDIOBJ hOldFont = m_font ? ::SelectObject(hDC, m_font) : nullptr;
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);

    DrawHeader(hDC);
    for (int nColumn = 0; nColumn < 7; ++nColumn)
        DrawCell(hDC, nColumn, 2, GetWeekdayName(nColumn), GetDayColor(0, 0, 0, nColumn, true));
    for (int i = 0; i < 42; ++i) {
        const int nDay = m_aDays[i];
        wchar_t sz[8] = L"*";
        if (nDay != CALENDAR_EMPTY_CELL)
            swprintf(sz, 8, L"%d", nDay);
        DrawCell(hDC, i % 7, 3 + i / 7, sz, GetDayColor(nYear, nMonth, nDay, i % 7, false));
    }
    if (IsWindowEnabled()) {
        ::SetRectEmpty(&m_rcFocus);
        SelectDay(hDC, m_date.GetDay());
    }
    DrawToday(hDC);

    ::SetBkMode(hDC, nOldMode);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
}

bool CCalendarCtrl::SelectCell(HDC hDC, int nColumn, int nRow)
{
    // A point in the right margin is no cell of the next row.
    if (nColumn < 0 || nColumn > 6)
        return false;
    const int nIndex = (nRow - 3) * 7 + nColumn;
    if (nIndex < 0 || nIndex >= CALENDAR_GRID_SIZE || m_aDays[nIndex] == CALENDAR_EMPTY_CELL)
        return false;
    const int nYear = m_date.GetYear(), nMonth = m_date.GetMonth(), nDay = m_aDays[nIndex];
    if (IsPastCalendarEnd(nYear, nMonth, nDay))
        return false;
    if (!::IsRectEmpty(&m_rcFocus))
        ::FrameRect(hDC, &m_rcFocus, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    RECT rc = CellRect(nColumn, nRow);
    ::InflateRect(&rc, -m_measures.nPen, -m_measures.nPen);
    ::DrawFocusRect(hDC, &rc);
    m_rcFocus = rc;
    wchar_t sz[48];
    swprintf(sz, 48, L"%d/%d/%d", nYear, nMonth, nDay);
    SetDate(TextToCTime(sz, TIME_PART_DATE), false);
    return true;
}

bool CCalendarCtrl::HitTestPoint(HDC hDC, int x, int y)
{
    const RECT rc = GetClientRect();
    if (!::PtInRect(&rc, POINT{x, y}) || m_cxCell <= 0 || m_cyCell <= 0)
        return false;
    return SelectCell(hDC, x / m_cxCell, y / m_cyCell);
}

bool CCalendarCtrl::SelectDay(HDC hDC, int nDay)
{
    for (int i = 0; i < CALENDAR_GRID_SIZE; ++i)
        if (m_aDays[i] == nDay)
            return SelectCell(hDC, i % 7, 3 + i / 7);
    return false;
}
