// Cost of PumpMessages: the scan and the run call it once per entry, so an empty queue must be cheap.
#include "support/Pump.h"

#include "BenchClock.h"

#include <cstdio>

namespace {

constexpr UINT WM_BENCH = WM_APP + 1;
long g_nDispatched = 0;

LRESULT CALLBACK BenchProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_BENCH) {
        ++g_nDispatched;
        return 0;
    }
    return ::DefWindowProcW(hWnd, msg, wp, lp);
}

HWND CreateBenchWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = BenchProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PlxBenchWindow";
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

// ns per call on an empty queue, median of several rounds.
template <class Pump> double EmptyQueue(Pump pump, int nCalls)
{
    std::vector<double> rounds;
    for (int r = 0; r < 7; ++r) {
        const double t0 = NowSeconds();
        for (int i = 0; i < nCalls; ++i)
            pump();
        rounds.push_back((NowSeconds() - t0) * 1e9 / nCalls);
    }
    return Median(rounds);
}

// ns per PumpMessages call that finds nPosted messages waiting (posting is not timed).
double WithPosted(HWND hWnd, int nPosted, int nCalls)
{
    std::vector<double> rounds;
    for (int r = 0; r < 7; ++r) {
        double total = 0;
        for (int i = 0; i < nCalls; ++i) {
            for (int k = 0; k < nPosted; ++k)
                ::PostMessageW(hWnd, WM_BENCH, 0, 0);
            const double t0 = NowSeconds();
            PumpMessages();
            total += NowSeconds() - t0;
        }
        rounds.push_back(total * 1e9 / nCalls);
    }
    return Median(rounds);
}

} // namespace

int wmain()
{
    HWND hWnd = CreateBenchWindow();
    if (!hWnd) {
        std::printf("could not create the window\n");
        return 1;
    }
    PumpMessages();
    std::printf("PumpMessages, median of 7 rounds\n");
    std::printf("  empty queue:        %8.0f ns per call\n", EmptyQueue(PumpMessages, 50000));
    for (int n : {1, 3, 10}) {
        const double ns = WithPosted(hWnd, n, 20000);
        std::printf("  %2d message(s) wait: %8.0f ns per call (%6.0f ns per message)\n", n, ns, ns / n);
    }
    std::printf("PumpMessagesIfDue (drains at most every %llu ms)\n", PUMP_DUE_MS);
    std::printf("  empty queue:        %8.1f ns per call\n", EmptyQueue(PumpMessagesIfDue, 5000000));
    std::printf("  dispatched: %ld\n", g_nDispatched);
    ::DestroyWindow(hWnd);
    return 0;
}
