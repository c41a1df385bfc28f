#include "dialogs/VersionLayout.h"

#include <gtest/gtest.h>

namespace {

RECT R(int x, int y, int cx, int cy)
{
    return RECT{x, y, x + cx, y + cy};
}

void ExpectRect(const RECT &got, const RECT &want, const char *pszWhat)
{
    EXPECT_EQ(got.left, want.left) << pszWhat;
    EXPECT_EQ(got.top, want.top) << pszWhat;
    EXPECT_EQ(got.right, want.right) << pszWhat;
    EXPECT_EQ(got.bottom, want.bottom) << pszWhat;
}

// Lines 200 x 12, OK 75 x 23: the text band is 4 x 12 + 12 = 60 high, the picture's band 64.
TEST(VersionLayout, PictureTallerThanTheTextSetsTheHeightAndStaysAtTheTop)
{
    CVersionMeasure m;
    m.cxText = 200;
    m.cyText = 12;
    m.sizeButton = {75, 23};
    m.bBitmap = true;
    m.sizeBitmapCtrl = {68, 68};
    CVersionLayout l = ComputeVersionLayout(m);
    EXPECT_EQ(l.sizeClient.cx, 286); // 200 + 68 + 18
    EXPECT_EQ(l.sizeClient.cy, 109); // 23 + 68 + 18
    ExpectRect(l.rcBitmap, R(7, 7, 68, 68), "picture");
    ExpectRect(l.rcLines[0], R(79, 7, 200, 12), "line 1");
    ExpectRect(l.rcLines[3], R(79, 55, 200, 12), "line 4");
    ExpectRect(l.rcOK, R(105, 79, 75, 23), "OK");
}

TEST(VersionLayout, PictureLowerThanTheBandIsCentredBesideTheLines)
{
    CVersionMeasure m;
    m.cxText = 200;
    m.cyText = 12;
    m.sizeButton = {75, 23};
    m.bBitmap = true;
    m.sizeBitmapCtrl = {34, 34};
    CVersionLayout l = ComputeVersionLayout(m);
    EXPECT_EQ(l.sizeClient.cx, 252);
    EXPECT_EQ(l.sizeClient.cy, 101);                     // the text band, 60, is the taller
    ExpectRect(l.rcBitmap, R(7, 22, 34, 34), "picture"); // (64 - 34) / 2 + 7
    ExpectRect(l.rcLines[1], R(45, 23, 200, 12), "line 2");
    ExpectRect(l.rcOK, R(88, 71, 75, 23), "OK");

    // As high as the band: at the margin; two pixels lower: one pixel down.
    m.sizeBitmapCtrl = {34, 64};
    EXPECT_EQ(ComputeVersionLayout(m).rcBitmap.top, 7);
    m.sizeBitmapCtrl = {34, 62};
    EXPECT_EQ(ComputeVersionLayout(m).rcBitmap.top, 8);
}

TEST(VersionLayout, WithoutThePictureTheLinesStartAtTheMargin)
{
    CVersionMeasure m;
    m.cxText = 200;
    m.cyText = 12;
    m.sizeButton = {75, 23};
    m.sizeBitmapCtrl = {500, 500}; // ignored without the control
    CVersionLayout l = ComputeVersionLayout(m);
    EXPECT_EQ(l.sizeClient.cx, 214);
    EXPECT_EQ(l.sizeClient.cy, 101);
    ExpectRect(l.rcBitmap, R(0, 0, 0, 0), "picture");
    ExpectRect(l.rcLines[2], R(7, 39, 200, 12), "line 3");
    ExpectRect(l.rcOK, R(69, 71, 75, 23), "OK");
}

} // namespace
