#include "support/Pump.h"

#include "MessageWindow.h"

#include <gtest/gtest.h>

namespace {

bool QueueIsEmpty()
{
    MSG msg;
    return !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

TEST(PumpMessages, DispatchesEverythingWaitingAndReturns)
{
    CMessageWindow wnd;
    ASSERT_NE(wnd.GetHwnd(), nullptr);
    EXPECT_EQ(PumpMessages(), 0); // an empty queue: returns at once
    wnd.Post(3);
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_QUIT, 0, 0);
    EXPECT_EQ(PumpMessages(), 0);
    EXPECT_EQ(wnd.m_nReceived, 3);
    EXPECT_TRUE(QueueIsEmpty()); // WM_QUIT went too, like any other message
}

TEST(PumpMessagesIfDue, DrainsOnlyWhenTheQueueWaitedLongEnough)
{
    CMessageWindow wnd;
    ASSERT_NE(wnd.GetHwnd(), nullptr);
    PumpMessages();
    const ULONGLONG ullDrained = ::GetTickCount64();
    wnd.Post();
    PumpMessagesIfDue();
    if (::GetTickCount64() - ullDrained < PUMP_DUE_MS) { // this thread was not held up meanwhile
        EXPECT_EQ(wnd.m_nReceived, 0);
    }
    while (::GetTickCount64() - ullDrained <= PUMP_DUE_MS)
        ::Sleep(1);
    EXPECT_EQ(PumpMessagesIfDue(), 0);
    EXPECT_EQ(wnd.m_nReceived, 1);
    EXPECT_TRUE(QueueIsEmpty());
}

} // namespace
