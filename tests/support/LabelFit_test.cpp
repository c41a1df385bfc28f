#include "support/LabelFit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CFitBox Box(int l, int t, int r, int b, int cxNeed = 0, int cyNeed = 0)
{
    return CFitBox{RECT{l, t, r, b}, cxNeed, cyNeed};
}

::testing::AssertionResult Same(const RECT &a, const RECT &b)
{
    if (::EqualRect(&a, &b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "{" << a.left << "," << a.top << "," << a.right << "," << a.bottom
                                         << "} != {" << b.left << "," << b.top << "," << b.right << "," << b.bottom
                                         << "}";
}

} // namespace

TEST(LabelFit, MovesNothingWhereEveryTextFits)
{
    const std::vector<CFitBox> boxes = {Box(7, 7, 60, 21, 53), Box(64, 7, 180, 21), Box(7, 30, 180, 60, 0, 30)};
    const CFitResult fit = FitBoxes(boxes, SIZE{187, 70});
    EXPECT_FALSE(fit.bChanged);
    EXPECT_EQ(fit.sizeClient.cx, 187);
    EXPECT_EQ(fit.sizeClient.cy, 70);
    for (size_t i = 0; i < boxes.size(); ++i)
        EXPECT_TRUE(Same(fit.rects[i], boxes[i].rc)) << i;
}

TEST(LabelFit, AShortLabelPushesItsRowAndWidensWhatSpansItsEdge)
{
    // A label and a value in a row inside a group box; an edit box in another row spans the
    // label's edge; a button left of the edge; the dialog's right margin.
    const std::vector<CFitBox> boxes = {
        Box(13, 20, 31, 34, 27), // "Total :" needs 9 more
        Box(33, 20, 87, 34),     // its value, 2 to the right
        Box(7, 10, 95, 40),      // the group round both
        Box(7, 50, 95, 64),      // an edit box below, spanning the edge
        Box(7, 70, 25, 84),      // a button wholly left of the edge
        Box(100, 10, 150, 40),   // the next group to the right
    };
    const CFitResult fit = FitBoxes(boxes, SIZE{157, 90});
    EXPECT_TRUE(fit.bChanged);
    EXPECT_TRUE(Same(fit.rects[0], RECT{13, 20, 40, 34}));
    EXPECT_TRUE(Same(fit.rects[1], RECT{42, 20, 96, 34})); // the gap of 2 stays
    EXPECT_TRUE(Same(fit.rects[2], RECT{7, 10, 104, 40}));
    EXPECT_TRUE(Same(fit.rects[3], RECT{7, 50, 104, 64}));
    EXPECT_TRUE(Same(fit.rects[4], RECT{7, 70, 25, 84}));
    EXPECT_TRUE(Same(fit.rects[5], RECT{109, 10, 159, 40}));
    EXPECT_EQ(fit.sizeClient.cx, 166); // the margin of 7 stays
    EXPECT_EQ(fit.sizeClient.cy, 90);
}

TEST(LabelFit, AColumnOfShortLabelsGrowsByTheLargestShortfallOnce)
{
    // Check boxes one below the other with the same right edge, a radio beside the last.
    const std::vector<CFitBox> boxes = {Box(10, 10, 50, 20, 56), Box(10, 24, 50, 34, 52), Box(10, 38, 50, 48, 61),
                                        Box(54, 38, 90, 48, 30)};
    const CFitResult fit = FitBoxes(boxes, SIZE{100, 60});
    EXPECT_TRUE(Same(fit.rects[0], RECT{10, 10, 71, 20}));
    EXPECT_TRUE(Same(fit.rects[1], RECT{10, 24, 71, 34}));
    EXPECT_TRUE(Same(fit.rects[2], RECT{10, 38, 71, 48}));
    EXPECT_TRUE(Same(fit.rects[3], RECT{75, 38, 111, 48}));
    EXPECT_EQ(fit.sizeClient.cx, 121);
}

TEST(LabelFit, TwoShortLabelsInARowBothGetTheirShare)
{
    const std::vector<CFitBox> boxes = {Box(0, 0, 20, 10, 25), Box(22, 0, 40, 10, 30), Box(42, 0, 60, 10)};
    const CFitResult fit = FitBoxes(boxes, SIZE{64, 10});
    EXPECT_TRUE(Same(fit.rects[0], RECT{0, 0, 25, 10}));
    EXPECT_TRUE(Same(fit.rects[1], RECT{27, 0, 57, 10}));
    EXPECT_TRUE(Same(fit.rects[2], RECT{59, 0, 77, 10}));
    EXPECT_EQ(fit.sizeClient.cx, 81);
}

TEST(LabelFit, AMultiLineTextGrowsDownAndPushesWhatIsBelow)
{
    const std::vector<CFitBox> boxes = {
        Box(7, 7, 190, 30, 0, 40), // three lines where two were planned
        Box(7, 34, 190, 60),       // the frame below
        Box(100, 0, 120, 70),      // something tall beside, spanning the edge
        Box(50, 66, 100, 80),      // OK at the bottom
    };
    const CFitResult fit = FitBoxes(boxes, SIZE{197, 87});
    EXPECT_TRUE(Same(fit.rects[0], RECT{7, 7, 190, 47}));
    EXPECT_TRUE(Same(fit.rects[1], RECT{7, 51, 190, 77}));
    EXPECT_TRUE(Same(fit.rects[2], RECT{100, 0, 120, 87}));
    EXPECT_TRUE(Same(fit.rects[3], RECT{50, 83, 100, 97}));
    EXPECT_EQ(fit.sizeClient.cx, 197);
    EXPECT_EQ(fit.sizeClient.cy, 104);
}

TEST(LabelFit, NoBoxWithANeedIsLeftShortAndNoTwoBoxesChangeTheirOrder)
{
    // A crowded row of five short boxes, with a wide box above spanning all of them.
    std::vector<CFitBox> boxes = {Box(0, 0, 200, 10)};
    for (int i = 0; i < 5; ++i)
        boxes.push_back(Box(4 + 40 * i, 20, 40 + 40 * i, 30, 37 + 3 * i));
    const CFitResult fit = FitBoxes(boxes, SIZE{204, 40});
    for (size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_GE(fit.rects[i].right - fit.rects[i].left, boxes[i].cxNeed) << i;
        if (i > 1) {
            EXPECT_EQ(fit.rects[i].left - fit.rects[i - 1].right, boxes[i].rc.left - boxes[i - 1].rc.right) << i;
        }
    }
    EXPECT_EQ(fit.rects[0].right, fit.rects[5].right);
    EXPECT_EQ(fit.sizeClient.cx - fit.rects[5].right, 4);
}
