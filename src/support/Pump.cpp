#include "support/Pump.h"

namespace {

thread_local ULONGLONG t_ullLastDrained = 0;

} // namespace

int PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    t_ullLastDrained = ::GetTickCount64();
    return 0;
}

int PumpMessagesIfDue()
{
    if (::GetTickCount64() - t_ullLastDrained < PUMP_DUE_MS)
        return 0;
    return PumpMessages();
}
