#include "support/Dpi.h"

#include <gtest/gtest.h>

#include <string>

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

// Per-monitor (v2) where the system knows it, else system-wide; Windows 7 to 11 named as supported.
TEST(Manifest, DeclaresDpiAwarenessAndTheSupportedSystems)
{
    const HRSRC hRes = ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_TRUE(hRes);
    const HGLOBAL hData = ::LoadResource(nullptr, hRes);
    ASSERT_TRUE(hData);
    const std::string strText(static_cast<const char *>(::LockResource(hData)), ::SizeofResource(nullptr, hRes));
    EXPECT_NE(strText.find("<ws2:dpiAwareness>PerMonitorV2</ws2:dpiAwareness>"), std::string::npos);
    EXPECT_NE(strText.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"),
              std::string::npos);
    EXPECT_NE(strText.find("<ws2:longPathAware>true</ws2:longPathAware>"), std::string::npos);
    EXPECT_NE(strText.find("<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">"), std::string::npos);
    for (const char *pszId : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(strText.find(std::string("<supportedOS Id=\"") + pszId + "\"/>"), std::string::npos) << pszId;
}

} // namespace
