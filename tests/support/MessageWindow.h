// A hidden message-only window that runs a function for every message posted to it.
#pragma once
#include "support/Pump.h"

#include <windows.h>

#include <functional>

class CMessageWindow {
public:
    static constexpr UINT WM_PROBE = WM_APP + 7;

    explicit CMessageWindow(std::function<void()> fnOnProbe = {}) : m_fnOnProbe(std::move(fnOnProbe))
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &CMessageWindow::Proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PlxProbeWindow";
        ::RegisterClassW(&wc); // fails harmlessly once registered
        m_hWnd =
            ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CMessageWindow() { ::DestroyWindow(m_hWnd); }
    CMessageWindow(const CMessageWindow &) = delete;
    CMessageWindow &operator=(const CMessageWindow &) = delete;

    HWND GetHwnd() const { return m_hWnd; }
    void Post(int nTimes = 1) const
    {
        for (int i = 0; i < nTimes; ++i)
            ::PostMessageW(m_hWnd, WM_PROBE, 0, 0);
    }
    int m_nReceived = 0;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        auto *pThis = reinterpret_cast<CMessageWindow *>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (msg == WM_PROBE && pThis) {
            ++pThis->m_nReceived;
            if (pThis->m_fnOnProbe)
                pThis->m_fnOnProbe();
            return 0;
        }
        return ::DefWindowProcW(hWnd, msg, wp, lp);
    }

    std::function<void()> m_fnOnProbe;
    HWND m_hWnd = nullptr;
};

// Drains the queue (or not), then lets PUMP_DUE_MS pass, so that the next PumpMessagesIfDue drains.
inline void WaitUntilPumpIsDue(bool bDrainFirst = true)
{
    if (bDrainFirst)
        PumpMessages();
    const ULONGLONG ullStart = ::GetTickCount64();
    while (::GetTickCount64() - ullStart <= PUMP_DUE_MS)
        ::Sleep(1);
}
