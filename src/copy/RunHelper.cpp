#include "copy/RunHelper.h"

#include <process.h>

CRunHelper::CRunHelper()
    : m_evJob(::CreateEventW(nullptr, FALSE, FALSE, nullptr)), m_evDone(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_evQuit(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
{
    if (m_evJob && m_evDone && m_evQuit)
        m_hThread.Attach(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, ThreadProc, this, 0, nullptr)));
}

CRunHelper::~CRunHelper()
{
    if (!m_hThread)
        return;
    ::SetEvent(m_evQuit);
    ::WaitForSingleObject(m_hThread, INFINITE);
}

unsigned __stdcall CRunHelper::ThreadProc(void *pParam)
{
    auto &helper = *static_cast<CRunHelper *>(pParam);
    const HANDLE ahWait[2] = {helper.m_evJob, helper.m_evQuit};
    while (::WaitForMultipleObjects(2, ahWait, FALSE, INFINITE) == WAIT_OBJECT_0) {
        try {
            helper.m_fnJob();
        } catch (...) { // nothing may leave the thread; the job says itself what it got done
        }
        ::SetEvent(helper.m_evDone);
    }
    return 0;
}
