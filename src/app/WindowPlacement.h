// Where the main window opens from the rectangle the settings file saved: a hand-edited value or
// a monitor that is gone must not open it out of sight.
#pragma once
#include <windows.h>

// rcWork: the work area of the monitor the saved rectangle lies on, empty when it lies on none.
// False keeps the dialog template's place: a rectangle that is empty, inverted or beyond the
// coordinates windows can have, or one on no monitor. Otherwise rcOut is the rectangle, shrunk
// to the work area where it is larger and moved fully onto it.
bool FitSavedWindowRect(const RECT &rcSaved, const RECT &rcWork, RECT &rcOut);
// The same with the monitors there are now.
bool PlaceSavedWindowRect(const RECT &rcSaved, RECT &rcOut);
