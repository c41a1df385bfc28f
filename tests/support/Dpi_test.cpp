#include "support/Dpi.h"

#include <gtest/gtest.h>

namespace {

TEST(Dpi, ScalesPixelMeasuresRoundingHalfAwayFromZero)
{
    struct Row {
        int nPixels, nDpi, nExpected;
    } rows[] = {
        {16, 96, 16},  {16, 144, 24}, {16, 192, 32}, {16, 120, 20}, {4, 144, 6},   {3, 144, 5}, // 4.5 rounds up
        {1, 120, 1},                                                                            // 1.25
        {5, 120, 6},                                                                            // 6.25
        {-3, 144, -5}, {0, 192, 0},   {7, 72, 5},    {16, 0, 16},   {16, -96, 16}, {100000, 288, 300000},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.nExpected, ScaleForDpi(row.nPixels, row.nDpi)) << row.nPixels << " px at " << row.nDpi;
}

TEST(Dpi, PicksTheNearestArtScale)
{
    struct Row {
        int nDpi, nScale;
    } rows[] = {
        {72, 100},  {96, 100},  {119, 100}, {120, 150}, // 125 %: a tie takes the larger
        {144, 150}, {167, 150}, {168, 200}, {192, 200}, {288, 200}, {0, 100},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.nScale, NearestArtScale(row.nDpi)) << row.nDpi;
    EXPECT_EQ(16, ArtSizeForDpi(16, 110));
    EXPECT_EQ(24, ArtSizeForDpi(16, 144));
    EXPECT_EQ(32, ArtSizeForDpi(16, 240));
    EXPECT_EQ(11u, PickArtResource(96, 11, 12, 13));
    EXPECT_EQ(12u, PickArtResource(144, 11, 12, 13));
    EXPECT_EQ(13u, PickArtResource(192, 11, 12, 13));
}

UINT WINAPI Answer144(HWND)
{
    return 144;
}
UINT WINAPI AnswerNothing(HWND)
{
    return 0;
}

TEST(Dpi, WindowDpiFallsBackToTheScreensWithoutThePerWindowCall)
{
    HDC hScreen = ::GetDC(nullptr);
    const int nScreen = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    ASSERT_GT(nScreen, 0);

    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(144, GetWindowDpi(hWnd, Answer144));
    EXPECT_EQ(nScreen, GetWindowDpi(hWnd, AnswerNothing));
    EXPECT_EQ(nScreen, GetWindowDpi(hWnd, nullptr));
    EXPECT_EQ(nScreen, GetWindowDpi(nullptr, Answer144));
    // The real call, where the system has it, agrees with the screen for a program that is not
    // per-monitor aware.
    EXPECT_EQ(nScreen, GetWindowDpi(hWnd));
    ::DestroyWindow(hWnd);

    // At the screen's own DPI a metric is the system's; at twice that, twice it, give or take rounding.
    const int nScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(nScroll, SystemMetricForDpi(SM_CYHSCROLL, nScreen));
    EXPECT_NEAR(2 * nScroll, SystemMetricForDpi(SM_CYHSCROLL, 2 * nScreen), 1);
}

} // namespace
