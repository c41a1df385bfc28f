// The clock's rules that need no window: its layout from the cell size, points on its rings, the
// hour hand's angle, spin steps with wrap and carry, which mark a click is on, and the packed time.
#pragma once
#include <windows.h>

struct CClockLayout {
    int nCell; // side of a square text cell
    RECT rcFace;
    RECT rcRow;
    RECT rcHours, rcMinutes, rcSeconds; // digit boxes
    RECT rcSpinHours, rcSpinMinutes, rcSpinSeconds;
    RECT rcColon1, rcColon2;
    SIZE sizeClient;
};

// The layout for the size of "00" in the clock's font; the cell is at least 16 pixels.
CClockLayout ClockLayoutFor(SIZE sizeDigits);

// A point on the ring of rc at an angle clockwise from 12 o'clock; bInner: 5 pixels inside the
// edge instead of on it, so that the marks lie in the middle of their ring's band (minutes 5, hours
// 15 pixels inside the face, where a click on them is taken for that ring). *prcHit, when given, is
// the 7 x 7 box around the point.
POINT PolarPoint(const RECT &rc, int nDegrees, bool bInner, RECT *prcHit = nullptr);

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

// The mark (0-12 o'clock) of a ring whose hit box, grown by 5, holds the point; -1 for none.
// rcRing is the face for the minute ring, the face shrunk by 10 for the hour ring.
int MarkAtPoint(const RECT &rcFace, const RECT &rcRing, POINT pt);

// Clicking hour mark k: the same hour flips between morning and afternoon, another one keeps
// the half of the day.
int HoursAfterMarkClick(int nHours, int nMark);

// lParam of the clock's notification: hours from bit 16, minutes in bits 8-15, seconds in 0-7.
LPARAM PackClockTime(int nHours, int nMinutes, int nSeconds);
