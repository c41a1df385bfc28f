// How the clock draws its face, marks, hands, digit boxes and OK label.
#include "datetime/ClockCtrl.h"

#include "framework/Handles.h"
#include "support/DrawHelpers.h"

#include <cwchar>

namespace {

RECT Shrunk(RECT rc, int n)
{
    ::InflateRect(&rc, -n, -n);
    return rc;
}

// An ellipse edge nPen wide in 3-D colours: the upper-left half (from the top-right diagonal over
// the top to the bottom-left one) dark when sunken, light when raised; filled with the face colour
// when asked.
void DrawEllipse3D(HDC hDC, const RECT &rc, bool bSunken, bool bFilled, int nPen)
{
    if (bFilled) {
        CSelectObject brush(hDC, ::GetSysColorBrush(COLOR_BTNFACE));
        CSelectObject pen(hDC, ::GetStockObject(NULL_PEN));
        ::Ellipse(hDC, rc.left, rc.top, rc.right + 1, rc.bottom + 1);
    }
    const int nTop = rc.top, nLeft = rc.left, nRight = rc.right, nBottom = rc.bottom;
    const int cx = (nLeft + nRight) / 2;
    auto arc = [&](COLORREF cr, POINT from, POINT to) {
        CPen pen(::CreatePen(PS_SOLID, nPen, cr));
        CSelectObject select(hDC, pen);
        ::Arc(hDC, nLeft, nTop, nRight, nBottom, from.x, from.y, to.x, to.y);
    };
    const POINT ptTopRight = {nRight, nTop}, ptTop = {cx, nTop}, ptBottomLeft = {nLeft, nBottom};
    if (bSunken) {
        arc(::GetSysColor(COLOR_BTNSHADOW), ptTopRight, ptBottomLeft);
        arc(::GetSysColor(COLOR_BTNHIGHLIGHT), ptBottomLeft, ptTopRight);
    } else {
        arc(::GetSysColor(COLOR_3DLIGHT), ptTopRight, ptTop);
        arc(::GetSysColor(COLOR_BTNHIGHLIGHT), ptTop, ptBottomLeft);
        arc(::GetSysColor(COLOR_BTNSHADOW), ptBottomLeft, ptTopRight);
    }
}

void FillPolygon(HDC hDC, const POINT *pts, int n, COLORREF cr, int nPen)
{
    CBrush brush(::CreateSolidBrush(cr));
    CPen pen(::CreatePen(PS_SOLID, nPen, cr));
    CSelectObject selectBrush(hDC, brush);
    CSelectObject selectPen(hDC, pen);
    ::Polygon(hDC, pts, n);
}

void DrawLine(HDC hDC, POINT from, POINT to, COLORREF cr, int nPen)
{
    CPen pen(::CreatePen(PS_SOLID, nPen, cr));
    CSelectObject select(hDC, pen);
    ::MoveToEx(hDC, from.x, from.y, nullptr);
    ::LineTo(hDC, to.x, to.y);
}

// A dot of n x n pixels from x, y: one pixel at 96 DPI.
void DrawDot(HDC hDC, int x, int y, int n, COLORREF cr)
{
    for (int dy = 0; dy < n; ++dy)
        for (int dx = 0; dx < n; ++dx)
            ::SetPixel(hDC, x + dx, y + dy, cr);
}

} // namespace

COLORREF CClockCtrl::GetHandColor(bool bHour)
{
    const bool bEnabled = IsWindowEnabled();
    if (bHour)
        return bEnabled ? CLOCK_HOUR_COLOR : CLOCK_HOUR_COLOR_DISABLED;
    return bEnabled ? CLOCK_MINUTE_COLOR : CLOCK_MINUTE_COLOR_DISABLED;
}

void CClockCtrl::DrawClock(HDC hDC)
{
    const RECT rc = GetClientRect();
    ::FillRect(hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    DrawFace(hDC);
    DrawDigits(hDC, CLOCK_HOURS | CLOCK_MINUTES | CLOCK_SECONDS);
}

void CClockCtrl::DrawFace(HDC hDC)
{
    // Drawn off screen and copied in one go, so that the face does not flicker.
    const RECT &rcFace = m_layout.rcFace;
    const int cx = rcFace.right - rcFace.left + 1, cy = rcFace.bottom - rcFace.top + 1;
    CMemDC dcMem(::CreateCompatibleDC(hDC));
    CBitmap bitmap(::CreateCompatibleBitmap(hDC, cx, cy));
    if (!dcMem || !bitmap)
        return;
    {
        CSelectObject select(dcMem, bitmap);
        ::BitBlt(dcMem, 0, 0, cx, cy, hDC, rcFace.left, rcFace.top, SRCCOPY);
        ::SetViewportOrgEx(dcMem, -rcFace.left, -rcFace.top, nullptr);
        const CClockMeasures &m = m_layout.m;
        DrawEllipse3D(dcMem, rcFace, true, true, m.nPen);
        DrawEllipse3D(dcMem, Shrunk(rcFace, m.nRing), true, false, m.nPen);
        DrawEllipse3D(dcMem, Shrunk(rcFace, m.nCentre), false, true, m.nPen);
        DrawMarks(dcMem, rcFace, false);
        DrawMarks(dcMem, Shrunk(rcFace, m.nRing), true);
        ::SetViewportOrgEx(dcMem, 0, 0, nullptr);
        ::BitBlt(hDC, rcFace.left, rcFace.top, cx, cy, dcMem, 0, 0, SRCCOPY);
    }
    DrawHands(hDC);
}

void CClockCtrl::DrawMarks(HDC hDC, const RECT &rc, bool bHourRing)
{
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW), crLight = ::GetSysColor(COLOR_3DLIGHT);
    const int nPen = m_layout.m.nPen;
    CBrush brush(::CreateSolidBrush(GetHandColor(bHourRing)));
    for (int nAngle = 0; nAngle < 360; nAngle += 6) {
        RECT rcHit;
        const POINT pt = PolarPoint(rc, nAngle, true, &rcHit, m_layout.m.nDpi);
        if (nAngle % 30 != 0) {
            DrawDot(hDC, pt.x + nPen, pt.y + nPen, nPen, crShadow);
            DrawDot(hDC, pt.x, pt.y, nPen, crLight);
            continue;
        }
        {
            CSelectObject selectBrush(hDC, brush);
            CSelectObject selectPen(hDC, ::GetStockObject(NULL_PEN));
            ::Ellipse(hDC, rcHit.left, rcHit.top, rcHit.right + 1, rcHit.bottom + 1);
        }
        RECT rcEdge = rcHit;
        ::InflateRect(&rcEdge, nPen, nPen);
        DrawEllipse3D(hDC, rcEdge, !bHourRing, false, nPen);
    }
}

void CClockCtrl::DrawOkLabel(HDC hDC)
{
    const RECT &rcFace = m_layout.rcFace;
    HGDIOBJ hOldFont = m_font ? ::SelectObject(hDC, m_font) : nullptr;
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, L"[ O.K ]", 7, &size);
    const int cx = (rcFace.left + rcFace.right) / 2, cy = (rcFace.top + rcFace.bottom) / 2;
    const int nTop = cy + m_layout.m.nOkGap;
    RECT rc = {cx - (size.cx + 1) / 2, nTop, cx - (size.cx + 1) / 2 + size.cx + 1, nTop + size.cy};
    ::InflateRect(&rc, 1, 1);
    ::DrawEdge(hDC, &rc, BDR_SUNKENOUTER, BF_RECT);
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    DrawTextInRect(hDC, L"O.K", rc.left, rc.top, rc.right, rc.bottom, 0, 0, DTR_HCENTER | DTR_VCENTER);
    ::SetBkMode(hDC, nOldMode);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
}

void CClockCtrl::DrawHands(HDC hDC)
{
    const RECT &rcFace = m_layout.rcFace;
    const POINT ptCentre = {(rcFace.left + rcFace.right) / 2, (rcFace.top + rcFace.bottom) / 2};
    auto square = [&](int k) { return RECT{ptCentre.x - k, ptCentre.y - k, ptCentre.x + k, ptCentre.y + k}; };
    const CClockMeasures &m = m_layout.m;

    DrawEllipse3D(hDC, Shrunk(rcFace, m.nCentre), false, true, m.nPen); // takes the old hands away
    if (!m_bHideOkLabel)
        DrawOkLabel(hDC);

    const int nMinute = m_time.nMinutes * 6;
    const POINT ptMinute[] = {PolarPoint(square(m.nMinuteBase), nMinute + 180, false),
                              PolarPoint(square(m.nMinuteBase), nMinute + 270, false),
                              PolarPoint(Shrunk(rcFace, m.nMinuteTip), nMinute, false),
                              PolarPoint(square(m.nMinuteBase), nMinute + 90, false)};
    const int nHour = HourHandAngle(m_time.nHours, m_time.nMinutes);
    const POINT ptHour[] = {
        PolarPoint(square(m.nHourBase), nHour + 180, false), PolarPoint(square(m.nHourBase), nHour + 270, false),
        PolarPoint(Shrunk(rcFace, m.nHourTip), nHour, false), PolarPoint(square(m.nHourBase), nHour + 90, false)};
    FillPolygon(hDC, ptHour, 4, GetHandColor(true), m.nPen);
    DrawLine(hDC, ptCentre, ptHour[2], GetHandColor(true), m.nPen);
    FillPolygon(hDC, ptMinute, 4, GetHandColor(false), m.nPen);
    DrawLine(hDC, ptCentre, ptMinute[2], GetHandColor(false), m.nPen);

    const int nSecond = m_time.nSeconds * 6;
    DrawLine(hDC, PolarPoint(Shrunk(rcFace, m.nSecondTip), nSecond, false),
             PolarPoint(square(m.nSecondTail), nSecond + 180, false), CLOCK_SECOND_COLOR, m.nPen);

    const COLORREF crHub = ::GetSysColor(COLOR_3DLIGHT);
    for (const POINT &d : {POINT{0, 0}, POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}})
        DrawDot(hDC, ptCentre.x + d.x * m.nPen, ptCentre.y + d.y * m.nPen, m.nPen, crHub);
}

void CClockCtrl::DrawDigits(HDC hDC, int nMask)
{
    const bool bEnabled = IsWindowEnabled();
    HGDIOBJ hOldFont = m_font ? ::SelectObject(hDC, m_font) : nullptr;
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    if ((nMask & 7) == 7) {
        ::SetTextColor(hDC, ::GetSysColor(bEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
        for (const RECT *prc : {&m_layout.rcColon1, &m_layout.rcColon2})
            DrawTextInRect(hDC, L":", prc->left, prc->top, prc->right, prc->bottom, 0, 0, DTR_HCENTER | DTR_VCENTER);
    }
    struct CBox {
        int nBit;
        const RECT &rc;
        int nValue;
    } const boxes[] = {{CLOCK_HOURS, m_layout.rcHours, m_time.nHours},
                       {CLOCK_MINUTES, m_layout.rcMinutes, m_time.nMinutes},
                       {CLOCK_SECONDS, m_layout.rcSeconds, m_time.nSeconds}};
    for (const CBox &box : boxes) {
        if (!(nMask & box.nBit))
            continue;
        RECT rc = box.rc;
        ::FillRect(hDC, &rc, ::GetSysColorBrush(bEnabled ? COLOR_3DLIGHT : COLOR_BTNFACE));
        ::DrawEdge(hDC, &rc, BDR_SUNKENOUTER, BF_RECT);
        wchar_t sz[8];
        swprintf(sz, 8, L"%02d", box.nValue);
        ::SetTextColor(hDC, ::GetSysColor(bEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
        DrawTextInRect(hDC, sz, rc.left, rc.top, rc.right, rc.bottom, 0, 0, DTR_HCENTER | DTR_VCENTER);
    }
    ::SetBkMode(hDC, nOldMode);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
    if (nMask & 7)
        DrawHands(hDC);
}
