// A thread that does one piece of the run's work at a time for the user-interface thread, which
// waits for it with its windows alive. Making a directory can take long (under Wine the parent is
// read through for every new name), and the interface thread is for the interface.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

#include <functional>

class CRunHelper {
public:
    CRunHelper();
    // Waits until the thread has ended.
    ~CRunHelper();
    CRunHelper(const CRunHelper &) = delete;
    CRunHelper &operator=(const CRunHelper &) = delete;

    // Runs fn on the thread and returns once it is done, while wait(hDone, hThread) keeps this
    // thread's windows alive (false: the thread is gone). Without a thread fn runs here.
    template <class Wait> void Run(std::function<void()> fn, Wait wait)
    {
        if (!m_hThread) {
            fn();
            return;
        }
        m_fnJob = std::move(fn);
        ::SetEvent(m_evJob);
        if (!wait(static_cast<HANDLE>(m_evDone), static_cast<HANDLE>(m_hThread)))
            m_hThread.Close();
    }

private:
    static unsigned __stdcall ThreadProc(void *pParam);

    std::function<void()> m_fnJob; // written only while the thread waits for m_evJob
    CEventHandle m_evJob, m_evDone, m_evQuit;
    CThreadHandle m_hThread;
};
