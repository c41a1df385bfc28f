// The tree held back from drawing and drawn when due, on a real tree view with a clock the test
// turns.
#include "tree/TreeDrawHold.h"

#include "tree/DirTreeCtrl.h"

#include "TreeViewHost.h"

#include <gtest/gtest.h>

namespace {

ULONGLONG g_ullNow = 0;
ULONGLONG WINAPI TestClock()
{
    return g_ullNow;
}

TEST(TreeDrawHold, PeriodIsAtLeastTheBaseAndDrawingTakesAtMostOneTwentieth)
{
    const struct {
        ULONGLONG ullDrawMs, ullPeriod;
    } cases[] = {{0, 100}, {5, 100}, {6, 120}, {50, 1000}};
    for (const auto &c : cases)
        EXPECT_EQ(TreeDrawPeriod(c.ullDrawMs), c.ullPeriod) << c.ullDrawMs;
}

TEST(TreeDrawHold, HeldTreeDrawsWhenDueThenByItselfAndALongDrawingWidensThePeriod)
{
    CTreeViewHost<CDirTreeCtrl> host{TVH_TREE_STAGE};
    ASSERT_TRUE(host.IsReady());
    CDirTreeCtrl &tree = host.m_tree;
    // A window that does not draw itself has lost its visible style (WM_SETREDRAW).
    auto bDraws = [&] { return (::GetWindowLongW(tree.m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; };
    g_ullNow = 5000;
    {
        CTreeDrawHold hold(tree, &TestClock);
        EXPECT_EQ(hold.DueIn(), INFINITE);
        hold.Draw([] { ADD_FAILURE() << "a tree that is not held has nothing waiting"; });

        hold.Hold();
        EXPECT_TRUE(hold.IsHeld());
        EXPECT_FALSE(bDraws());
        g_ullNow += 40;
        EXPECT_EQ(hold.DueIn(), TREE_PERIOD_MS - 40);
        g_ullNow += TREE_PERIOD_MS;
        EXPECT_EQ(hold.DueIn(), 0u);

        // The preparation runs once the tree draws again; this drawing takes 10 ms.
        bool bPrepared = false;
        hold.Draw([&] {
            bPrepared = bDraws();
            g_ullNow += 10;
        });
        EXPECT_TRUE(bPrepared);
        EXPECT_TRUE(bDraws());
        EXPECT_FALSE(hold.IsHeld());
        EXPECT_EQ(hold.DueIn(), INFINITE);

        hold.Hold();
        EXPECT_EQ(hold.DueIn(), 10 * TREE_DRAW_SHARE);
        g_ullNow += TREE_PERIOD_MS;
        EXPECT_EQ(hold.DueIn(), 10 * TREE_DRAW_SHARE - TREE_PERIOD_MS);
    }
    // Let go at the end.
    EXPECT_TRUE(bDraws());
}

} // namespace
