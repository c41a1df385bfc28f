// The clock's rules that need no window: its layout from the cell size, points on its rings, the
// hour hand's angle, spin steps with wrap and carry, which mark a click is on, and the packed time.
#pragma once
#include "support/Dpi.h"

#include <windows.h>

// The clock's measures in pixels: the values for 96 DPI scaled to the window's.
struct CClockMeasures {
    int nDpi;
    int nMinCell;                            // 16: the smallest text cell
    int nMargin;                             // 2: round the face and the digit row
    int nRing;                               // 10: the minute ring's band outside the hour ring
    int nCentre;                             // 20: the centre, where a click is OK, lies this far inside the face
    int nMarkInset;                          // 5: a mark lies this far inside its ring's edge
    int nMarkRadius;                         // 3: half a mark's box
    int nHitGrow;                            // 5: a click this far off a mark still takes it
    int nMinuteTip, nSecondTip, nHourTip;    // 22, 23, 37: hand tips inside the face's edge
    int nMinuteBase, nHourBase, nSecondTail; // 5, 6, 8: half a hand's base, the second hand's tail
    int nOkGap;                              // 10: from the centre down to the OK label
    int nPen;                                // 1: lines, dots and edges
};
CClockMeasures ClockMeasuresFor(int nDpi);

struct CClockLayout {
    CClockMeasures m;
    int nCell; // side of a square text cell
    RECT rcFace;
    RECT rcRow;
    RECT rcHours, rcMinutes, rcSeconds; // digit boxes
    RECT rcSpinHours, rcSpinMinutes, rcSpinSeconds;
    RECT rcColon1, rcColon2;
    SIZE sizeClient;
};

// The layout for the size of "00" in the clock's font at nDpi; the cell is at least the smallest.
CClockLayout ClockLayoutFor(SIZE sizeDigits, int nDpi = kBaseDpi);

// A point on the ring of rc at an angle clockwise from 12 o'clock; bInner: 5 pixels (at 96 DPI)
// inside the edge instead of on it, so that the marks lie in the middle of their ring's band
// (minutes 5, hours 15 pixels inside the face, where a click on them is taken for that ring).
// *prcHit, when given, is the 7 x 7 box around the point (at 96 DPI).
POINT PolarPoint(const RECT &rc, int nDegrees, bool bInner, RECT *prcHit = nullptr, int nDpi = kBaseDpi);

// The hour hand's angle: 30 degrees an hour and 6 more at minutes 13, 25, 37 and 49.
int HourHandAngle(int nHours, int nMinutes);

// Values of the three fields.
struct CClockTime {
    int nHours, nMinutes, nSeconds;
};
enum { CLOCK_HOURS = 1, CLOCK_MINUTES = 2, CLOCK_SECONDS = 4 }; // masks, also of what changed

// One spin step on a field: past its end a value wraps round, and a wrap of the seconds steps the
// minutes, one of the minutes the hours (the hours wrap alone). Returns the mask of changed fields.
int StepClockField(CClockTime &time, int nField, int nDelta);

// The mark (0-12 o'clock) of a ring whose hit box, grown by 5 (at 96 DPI), holds the point; -1 for
// none. rcRing is the face for the minute ring, the face shrunk by the ring's band for the hour ring.
int MarkAtPoint(const RECT &rcFace, const RECT &rcRing, POINT pt, int nDpi = kBaseDpi);

// Clicking hour mark k: the same hour flips between morning and afternoon, another one keeps
// the half of the day.
int HoursAfterMarkClick(int nHours, int nMark);

// lParam of the clock's notification: hours from bit 16, minutes in bits 8-15, seconds in 0-7.
LPARAM PackClockTime(int nHours, int nMinutes, int nSeconds);
