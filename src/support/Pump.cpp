#include "support/Pump.h"

#include <algorithm>
#include <vector>

namespace {

thread_local ULONGLONG t_ullLastDrained = 0;
thread_local std::vector<HWND> t_listDialogs;

bool IsPumpDialogMessage(MSG &msg)
{
    for (HWND hDlg : t_listDialogs)
        if ((msg.hwnd == hDlg || ::IsChild(hDlg, msg.hwnd)) && ::IsDialogMessageW(hDlg, &msg))
            return true;
    return false;
}

} // namespace

void AddPumpDialog(HWND hDlg)
{
    if (hDlg && std::find(t_listDialogs.begin(), t_listDialogs.end(), hDlg) == t_listDialogs.end())
        t_listDialogs.push_back(hDlg);
}

void RemovePumpDialog(HWND hDlg)
{
    t_listDialogs.erase(std::remove(t_listDialogs.begin(), t_listDialogs.end(), hDlg), t_listDialogs.end());
}

int PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!t_listDialogs.empty() && IsPumpDialogMessage(msg))
            continue;
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
