// Keeps windows alive during long loops on the user-interface thread.
#pragma once
#include <windows.h>

// Translates and dispatches every message waiting in this thread's queue, then returns 0.
// Never waits; WM_QUIT is dispatched like any other message. A message for a dialog added with
// AddPumpDialog goes through that dialog's key handling first, as in the dialog's own loop.
int PumpMessages();

// A modeless dialog shown while this thread drains its queue itself (a status window during a
// long loop): its keys (Escape, Enter, Tab) work as in any dialog. Remove it before it goes.
void AddPumpDialog(HWND hDlg);
void RemovePumpDialog(HWND hDlg);

// How long PumpMessagesIfDue lets the queue wait at most, in milliseconds.
constexpr ULONGLONG PUMP_DUE_MS = 10;

// PumpMessages when this thread has not drained its queue for PUMP_DUE_MS; otherwise returns 0 at
// once. For calls once per entry or per comparison: asking the queue costs a round trip to the
// window server (tens of microseconds under Wine), reading the tick count a few nanoseconds.
int PumpMessagesIfDue();
