#include "datetime/ClockRules.h"

#include <algorithm>
#include <cmath>

CClockMeasures ClockMeasuresFor(int nDpi)
{
    auto px = [nDpi](int n) { return ScaleForDpi(n, nDpi); };
    return CClockMeasures{nDpi,   px(16), px(2),  px(10), px(20), px(5), px(3),  px(5),
                          px(22), px(23), px(37), px(5),  px(6),  px(8), px(10), px(1)};
}

CClockLayout ClockLayoutFor(SIZE sizeDigits, int nDpi)
{
    CClockLayout l = {};
    l.m = ClockMeasuresFor(nDpi);
    const int m = l.m.nMargin;
    const int c = std::max({static_cast<int>(sizeDigits.cx), static_cast<int>(sizeDigits.cy), l.m.nMinCell});
    // The face's right and bottom are its last pixels, one inside the box a margin wide.
    const int f = 5 * c / 4, e = 8 * c + 2 * m + 1;
    l.nCell = c;
    l.rcFace = RECT{m, m, 8 * c + m + 1, 8 * c + m + 1};
    l.rcRow = RECT{m, e, 8 * c + m, e + c};
    l.rcHours = RECT{m, e, f + m, e + c};
    l.rcSpinHours = RECT{f + m, e, f + m + c, e + c};
    l.rcColon1 = RECT{18 * c / 8 + m, e, 18 * c / 8 + m + c / 2, e + c};
    l.rcMinutes = RECT{23 * c / 8 + m, e, 23 * c / 8 + m + f, e + c};
    l.rcSpinMinutes = RECT{l.rcMinutes.right, e, l.rcMinutes.right + c, e + c};
    l.rcColon2 = RECT{41 * c / 8 + m, e, 41 * c / 8 + m + c / 2, e + c};
    l.rcSeconds = RECT{46 * c / 8 + m, e, 46 * c / 8 + m + f, e + c};
    l.rcSpinSeconds = RECT{l.rcSeconds.right, e, l.rcSeconds.right + c, e + c};
    l.sizeClient = SIZE{8 * c + 2 * m + 1, e + c + m};
    return l;
}

POINT PolarPoint(const RECT &rc, int nDegrees, bool bInner, RECT *prcHit, int nDpi)
{
    const CClockMeasures m = ClockMeasuresFor(nDpi);
    const int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
    const int nTop = bInner ? rc.top + m.nMarkInset : rc.top;
    const double r = cy - nTop;
    const double dRadians = nDegrees * 3.14159 * (1.0 / 180);
    // std::round takes halves away from zero.
    const double dx = std::round(r * std::sin(dRadians)), dy = std::round(r * std::cos(dRadians));
    const POINT pt = {static_cast<LONG>(cx + dx), static_cast<LONG>(cy - dy)};
    if (prcHit)
        *prcHit = RECT{pt.x - m.nMarkRadius, pt.y - m.nMarkRadius, pt.x + m.nMarkRadius + 1, pt.y + m.nMarkRadius + 1};
    return pt;
}

int HourHandAngle(int nHours, int nMinutes)
{
    int a = 6 * (nMinutes / 12);
    if (nMinutes != 0 && nMinutes % 12 == 0)
        a -= 6;
    return (nHours % 12) * 30 + a;
}

int StepClockField(CClockTime &time, int nField, int nDelta)
{
    struct CField {
        int *pnValue;
        int nMax;
    };
    const CField fields[] = {{&time.nHours, 23}, {&time.nMinutes, 59}, {&time.nSeconds, 59}};
    int nIndex = nField == CLOCK_HOURS ? 0 : (nField == CLOCK_MINUTES ? 1 : 2);
    int nChanged = 0;
    for (;;) {
        const CField &field = fields[nIndex];
        int nNew = *field.pnValue + nDelta;
        bool bWrapped = false;
        if (nNew > field.nMax) {
            nNew = 0;
            bWrapped = true;
        } else if (nNew < 0) {
            nNew = field.nMax;
            bWrapped = true;
        }
        *field.pnValue = nNew;
        nChanged |= 1 << nIndex;
        if (!bWrapped || nIndex == 0)
            return nChanged;
        --nIndex;
    }
}

int MarkAtPoint(const RECT &rcFace, const RECT &rcRing, POINT pt, int nDpi)
{
    const int nGrow = ClockMeasuresFor(nDpi).nHitGrow;
    const int cx = (rcFace.left + rcFace.right) / 2, cy = (rcFace.top + rcFace.bottom) / 2;
    int q = 3;
    if (pt.x > cx)
        q = pt.y < cy ? 0 : 1;
    else if (pt.y > cy)
        q = 2;
    for (int nStep = 0; nStep <= 3; ++nStep) {
        const int nAngle = q * 90 + nStep * 30;
        RECT rcHit;
        PolarPoint(rcRing, nAngle, true, &rcHit, nDpi);
        ::InflateRect(&rcHit, nGrow, nGrow);
        if (::PtInRect(&rcHit, pt))
            return nAngle / 30;
    }
    return -1;
}

int HoursAfterMarkClick(int nHours, int nMark)
{
    int nNew;
    if (nHours == nMark || nHours - 12 == nMark)
        nNew = nHours < 12 ? nHours + 12 : nHours - 12;
    else
        nNew = nMark + (nHours >= 12 ? 12 : 0);
    return nNew > 23 ? 0 : nNew;
}

LPARAM PackClockTime(int nHours, int nMinutes, int nSeconds)
{
    return static_cast<LPARAM>(nHours * 65536 + (nMinutes * 256 + nSeconds));
}
