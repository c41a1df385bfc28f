// The status lines at a readable pace, on a real status window with a clock the test turns.
#include "support/StatusPacer.h"
#include "support/StatusWnd.h"

#include "MessageWindow.h"

#include <gtest/gtest.h>

namespace {

ULONGLONG g_ullNow = 0;
ULONGLONG WINAPI TestClock()
{
    return g_ullNow;
}

class StatusPacer : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_ullNow = 1000;
        m_pWnd = std::make_unique<CStatusWnd>(L"pacer", nullptr, 0, 0, 0, 1, 0, false);
        ASSERT_TRUE(m_pWnd->Create(nullptr, 9, 256));
    }
    std::wstring Line1() const { return m_pWnd->GetLine1(); }
    std::wstring Line2() const { return m_pWnd->GetLine2(); }
    // Whether the queue was drained: a message posted before has been handled.
    bool Drained(const std::function<void()> &fnShow)
    {
        const int nBefore = m_probe.m_nReceived;
        m_probe.Post();
        fnShow();
        const bool bDrained = m_probe.m_nReceived > nBefore;
        PumpMessages();
        return bDrained;
    }

    std::unique_ptr<CStatusWnd> m_pWnd;
    CMessageWindow m_probe;
};

TEST_F(StatusPacer, APhaseShowsAtOnceItsItemsWhenDueAndFlushShowsWhatWaits)
{
    CStatusPacer pacer(m_pWnd, &TestClock);
    EXPECT_TRUE(Drained([&] { pacer.ShowPhase(L"Creating Sub Directory.", L""); }));
    EXPECT_EQ(Line1(), L"Creating Sub Directory.");
    EXPECT_EQ(pacer.DueIn(), INFINITE);

    // The phase's first item at once, with the queue drained.
    EXPECT_TRUE(Drained([&] { pacer.ShowItem(nullptr, L"D:\\a"); }));
    EXPECT_EQ(Line2(), L"D:\\a");

    // Within the period: kept, nothing drained.
    g_ullNow += 10;
    EXPECT_FALSE(Drained([&] { pacer.ShowItem(nullptr, L"D:\\b"); }));
    EXPECT_EQ(Line2(), L"D:\\a");
    EXPECT_EQ(pacer.DueIn(), STATUS_PERIOD_MS - 10);
    g_ullNow += 5;
    pacer.ShowItem(nullptr, L"D:\\c");
    EXPECT_EQ(Line2(), L"D:\\a");
    EXPECT_EQ(pacer.DueIn(), STATUS_PERIOD_MS - 15);

    // Due: the latest item, the other line left as it was.
    g_ullNow += STATUS_PERIOD_MS - 15;
    EXPECT_EQ(pacer.DueIn(), 0u);
    EXPECT_TRUE(Drained([&] { pacer.ShowItem(nullptr, L"D:\\d"); }));
    EXPECT_EQ(Line1(), L"Creating Sub Directory.");
    EXPECT_EQ(Line2(), L"D:\\d");
    EXPECT_EQ(pacer.DueIn(), INFINITE);

    // Kept, then shown before a long wait without draining (the waiter drains).
    g_ullNow += 1;
    pacer.ShowItem(L"Copying File to D:\\x", nullptr);
    EXPECT_EQ(Line1(), L"Creating Sub Directory.");
    pacer.ShowIfDue();
    EXPECT_EQ(Line1(), L"Creating Sub Directory.");
    EXPECT_FALSE(Drained([&] { pacer.Flush(); }));
    EXPECT_EQ(Line1(), L"Copying File to D:\\x");
    EXPECT_EQ(Line2(), L"D:\\d");
    EXPECT_EQ(pacer.DueIn(), INFINITE);

    // A phase shows even within the period.
    pacer.ShowPhase(L"Canceling Copy File.", L"a.txt");
    EXPECT_EQ(Line1(), L"Canceling Copy File.");
    EXPECT_EQ(Line2(), L"a.txt");
}

TEST_F(StatusPacer, LinesAlreadyShownWaitForNothingAndTheWindowIsReadAtEachShowing)
{
    m_pWnd->SetStatus(L"Searching", L"C:\\src");
    CStatusPacer pacer(m_pWnd, &TestClock);
    pacer.ShowItem(L"Searching", L"C:\\src");
    EXPECT_EQ(pacer.DueIn(), INFINITE);
    pacer.ShowItem(nullptr, L"C:\\src\\sub"); // the first item: at once
    EXPECT_EQ(Line2(), L"C:\\src\\sub");
    pacer.ShowItem(nullptr, L"C:\\src\\sub");
    EXPECT_EQ(pacer.DueIn(), INFINITE);

    // Without a window the queue is still drained; a new window gets the next showing.
    m_pWnd.reset();
    EXPECT_TRUE(Drained([&] { pacer.ShowPhase(L"Checking Copy File List.", L""); }));
    m_pWnd = std::make_unique<CStatusWnd>(L"again", nullptr, 0, 0, 0, 1, 0, false);
    ASSERT_TRUE(m_pWnd->Create(nullptr, 9, 256));
    pacer.ShowItem(nullptr, L"D:\\e");
    EXPECT_EQ(Line2(), L"D:\\e");
}

} // namespace
