// Waiting on the user-interface thread for work done on another thread of the run, with this
// thread's windows kept alive.
#pragma once
#include <windows.h>

#include "copy/CopyTreeDisplay.h"
#include "support/Pump.h"
#include "support/StatusPacer.h"

#include <algorithm>

// Waits for hEvent without spinning: while bPumpInput says so every message is dispatched, and a
// kept status line and the held tree (pDisplay, may be null) are drawn once they are due, so
// that long work shows its item; otherwise only messages sent by other threads are handled (a
// question the other thread asks needs its owner to answer them). Returns at the latest after
// dwLongest. False when hThread ended first or the wait failed.
template <class PumpInput>
bool WaitHandlingMessages(CStatusPacer &pacer, CCopyTreeDisplay *pDisplay, HANDLE hEvent, HANDLE hThread,
                          PumpInput bPumpInput, DWORD dwLongest = INFINITE)
{
    const HANDLE ahWait[2] = {hEvent, hThread};
    const ULONGLONG ullEnd = dwLongest == INFINITE ? 0 : ::GetTickCount64() + dwLongest;
    for (;;) {
        const bool bPump = bPumpInput();
        DWORD dwDue = bPump ? std::min(pacer.DueIn(), pDisplay ? pDisplay->DueIn() : INFINITE) : INFINITE;
        if (ullEnd) {
            const ULONGLONG ullNow = ::GetTickCount64();
            dwDue = std::min<DWORD>(dwDue, ullNow >= ullEnd ? 0 : static_cast<DWORD>(ullEnd - ullNow));
        }
        const DWORD dwWait = ::MsgWaitForMultipleObjectsEx(2, ahWait, dwDue, bPump ? QS_ALLINPUT : QS_SENDMESSAGE,
                                                           bPump ? MWMO_INPUTAVAILABLE : 0);
        if (dwWait == WAIT_OBJECT_0)
            return true;
        if (dwWait == WAIT_TIMEOUT) {
            pacer.ShowIfDue();
            if (pDisplay)
                pDisplay->DrawIfDue();
            if (ullEnd && ::GetTickCount64() >= ullEnd)
                return true;
            continue;
        }
        if (dwWait != WAIT_OBJECT_0 + 2)
            return false;
        if (bPump) {
            PumpMessages();
        } else {
            MSG msg;
            ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}
