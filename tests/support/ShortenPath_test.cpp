#include "support/ShortenPath.h"
#include "support/StatusLayout.h"

#include <gtest/gtest.h>

namespace {

// Half-width characters (ASCII, half-width katakana, each half of a surrogate pair) are 1 wide,
// everything else 2, as in a Japanese font.
int Width(const std::wstring &s)
{
    int n = 0;
    for (wchar_t ch : s) {
        bool bHalf = ch < 0x100 || (ch >= 0xFF61 && ch <= 0xFF9F) || (ch >= 0xD800 && ch <= 0xDFFF);
        n += bHalf ? 1 : 2;
    }
    return n;
}

std::wstring Shorten(const std::wstring &s, int nMode, int nLimit)
{
    return ShortenPath(s, nMode, nLimit, Width);
}

// The rule as stated: drop one character of the middle at a time while the text is too wide.
std::wstring ShortenOneByOne(const std::wstring &s, int nMode, int nLimit)
{
    std::wstring strPrefix, strMiddle, strTail;
    if (nMode == SHORTEN_IN_MIDDLE) {
        size_t nLast = s.rfind(L'\\');
        if (nLast == std::wstring::npos)
            return s;
        std::wstring strHead = s.substr(0, nLast);
        strTail = s.substr(nLast);
        if (size_t nFirst = strHead.find(L'\\'); nFirst != std::wstring::npos) {
            strPrefix = strHead.substr(0, nFirst + 1);
            strMiddle = strHead.substr(nFirst + 1);
        }
    } else {
        strMiddle = s;
    }
    std::wstring strShown = s;
    while (Width(strShown) > nLimit && !strMiddle.empty()) {
        strMiddle.pop_back();
        strShown = strPrefix + strMiddle + L"..." + strTail;
    }
    return strShown;
}

struct CCase {
    const wchar_t *pszText;
    int nMode;
    int nLimit;
    const wchar_t *pszShown;
};

TEST(ShortenPath, KeepsTheDriveAndTheFileNameAndCutsTheMiddle)
{
    const std::wstring strPath = L"D:\\Data\\Projects\\2000\\Report\\summary.txt"; // 40 wide
    const CCase cases[] = {
        {strPath.c_str(), 1, 40, L"D:\\Data\\Projects\\2000\\Report\\summary.txt"},
        {strPath.c_str(), 1, 200, L"D:\\Data\\Projects\\2000\\Report\\summary.txt"},
        // One too narrow costs more than one character: the "..." needs room too.
        {strPath.c_str(), 1, 39, L"D:\\Data\\Projects\\2000\\Re...\\summary.txt"},
        {strPath.c_str(), 1, 25, L"D:\\Data\\Pr...\\summary.txt"},
        {strPath.c_str(), 1, 19, L"D:\\D...\\summary.txt"},
        {strPath.c_str(), 1, 18, L"D:\\...\\summary.txt"},
        // Nothing left to cut: drive and file name stay even when too wide.
        {strPath.c_str(), 1, 5, L"D:\\...\\summary.txt"},
        {strPath.c_str(), 1, 0, L"D:\\...\\summary.txt"},
        // Only the last backslash splits off the file name.
        {L"\\\\server\\share\\dir\\file.txt", 1, 13, L"\\...\\file.txt"},
        // Nothing between the first and the last backslash: never cut.
        {L"D:\\a-rather-long-file-name.txt", 1, 5, L"D:\\a-rather-long-file-name.txt"},
        {L"Phase: creating directories", 1, 5, L"Phase: creating directories"},
        {L"", 1, 0, L""},
        // Japanese names are two wide a character; half-width katakana one.
        {L"C:\\データ\\写真\\2024年\\旅行\\北海道.jpg", 1, 37, L"C:\\データ\\写真\\2024年\\旅行\\北海道.jpg"},
        {L"C:\\データ\\写真\\2024年\\旅行\\北海道.jpg", 1, 30, L"C:\\データ\\写真\\2...\\北海道.jpg"},
        {L"C:\\データ\\写真\\2024年\\旅行\\北海道.jpg", 1, 20, L"C:\\デ...\\北海道.jpg"},
        {L"C:\\データ\\写真\\2024年\\旅行\\北海道.jpg", 1, 18, L"C:\\...\\北海道.jpg"},
        {L"D:\\ﾃﾞｨﾚｸﾄﾘ\\ｻﾌﾞ\\ﾌｧｲﾙ.txt", 1, 18, L"D:\\ﾃﾞｨ...\\ﾌｧｲﾙ.txt"},
        // A surrogate pair is one character: it stays whole or goes whole.
        {L"C:\\\U00020BB7\U00020BB7\U00020BB7\U00020BB7\\a.txt", 1, 15, L"C:\\\U00020BB7...\\a.txt"},
        {L"C:\\\U00020BB7\U00020BB7\U00020BB7\U00020BB7\\a.txt", 1, 16, L"C:\\\U00020BB7\U00020BB7...\\a.txt"},
    };
    for (const CCase &c : cases)
        EXPECT_EQ(Shorten(c.pszText, c.nMode, c.nLimit), c.pszShown) << c.pszText << L" limit " << c.nLimit;
}

TEST(ShortenPath, AtTheEndModeCutsTheWholeText)
{
    const CCase cases[] = {
        {L"D:\\Data\\x.txt", 0, 13, L"D:\\Data\\x.txt"},
        {L"D:\\Data\\x.txt", 0, 10, L"D:\\Data..."},
        {L"ファイルをコピーしています", 0, 26, L"ファイルをコピーしています"},
        {L"ファイルをコピーしています", 0, 13, L"ファイルを..."},
        {L"ファイルをコピーしています", 0, 12, L"ファイル..."},
        {L"ﾃﾞｨﾚｸﾄﾘ作成中", 0, 9, L"ﾃﾞｨﾚｸﾄ..."},
        {L"abc", 0, 0, L"..."},
        {L"", 0, 0, L""},
    };
    for (const CCase &c : cases)
        EXPECT_EQ(Shorten(c.pszText, c.nMode, c.nLimit), c.pszShown) << c.pszText << L" limit " << c.nLimit;
}

TEST(ShortenPath, FindsWhatCuttingOneCharacterAtATimeWouldFindForEveryWidth)
{
    const wchar_t *texts[] = {L"D:\\Data\\Projects\\2000\\Report\\summary.txt",
                              L"C:\\データ\\写真\\2024年\\旅行\\北海道.jpg", L"D:\\ﾃﾞｨﾚｸﾄﾘ\\ｻﾌﾞ\\ﾌｧｲﾙ.txt",
                              L"X:\\a\\b"};
    for (const wchar_t *psz : texts)
        for (int nMode : {0, 1})
            for (int nLimit = 0; nLimit <= Width(psz) + 2; ++nLimit)
                EXPECT_EQ(Shorten(psz, nMode, nLimit), ShortenOneByOne(psz, nMode, nLimit))
                    << psz << L" mode " << nMode << L" limit " << nLimit;
}

// ---- layout and placement ----

bool operator==(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(StatusLayout, ClientHeightHasRoomForTheRowsAndTheButton)
{
    EXPECT_EQ(CalcStatusClientHeight(16, true, true, 22), 4 + 32 + 4 + 20 + 4 + 22 + 4);
    EXPECT_EQ(CalcStatusClientHeight(16, true, false, 22), 4 + 32 + 4 + 20 + 4);
    EXPECT_EQ(CalcStatusClientHeight(16, false, true, 22), 4 + 16 + 4 + 20 + 4 + 22 + 4);
    EXPECT_EQ(CalcStatusClientHeight(16, false, false, 22), 4 + 16 + 4 + 20 + 4);
    // A line taller than the icon sets the first row.
    EXPECT_EQ(CalcStatusClientHeight(40, true, false, 22), 4 + 40 + 4 + 44 + 4);
}

TEST(StatusLayout, PlacesIconLinesAndButtonInTheClientArea)
{
    const SIZE btn = {75, 22};
    CStatusLayout lay = LayoutStatusControls(RECT{0, 0, 256, 90}, 16, true, true, btn);
    EXPECT_TRUE(lay.rcIcon == (RECT{4, 4, 36, 36}));
    EXPECT_TRUE(lay.rcLine1 == (RECT{40, 12, 252, 28})); // centred on the icon
    EXPECT_TRUE(lay.rcLine2 == (RECT{4, 40, 252, 60}));
    EXPECT_TRUE(lay.rcButton == (RECT{90, 64, 165, 86}));

    lay = LayoutStatusControls(RECT{0, 0, 357, 90}, 16, false, false, btn);
    EXPECT_TRUE(lay.rcLine1 == (RECT{4, 4, 353, 20}));
    EXPECT_TRUE(lay.rcLine2 == (RECT{4, 24, 353, 44}));
    EXPECT_TRUE(lay.rcButton == (RECT{0, 0, 0, 0}));

    // A tall font: line 2 starts below line 1, not over it.
    lay = LayoutStatusControls(RECT{0, 0, 256, 200}, 40, true, false, btn);
    EXPECT_TRUE(lay.rcLine1 == (RECT{40, 4, 252, 44}));
    EXPECT_TRUE(lay.rcLine2 == (RECT{4, 48, 252, 92}));
}

TEST(StatusLayout, At192DpiTheMarginsDoubleAndTheIconIsTheFramesSize)
{
    EXPECT_EQ(CalcStatusClientHeight(32, true, true, 44, 64, 192), 8 + 64 + 8 + 40 + 8 + 44 + 8);
    CStatusLayout lay = LayoutStatusControls(RECT{0, 0, 512, 180}, 32, true, true, SIZE{150, 44}, 64, 192);
    EXPECT_TRUE(lay.rcIcon == (RECT{8, 8, 72, 72}));
    EXPECT_TRUE(lay.rcLine1 == (RECT{80, 24, 504, 56}));
    EXPECT_TRUE(lay.rcLine2 == (RECT{8, 80, 504, 120}));
    EXPECT_TRUE(lay.rcButton == (RECT{181, 128, 331, 172}));
}

TEST(StatusLayout, PlacementFlagsMoveTheWindowOverTheWorkArea)
{
    const RECT rcWnd = {100, 100, 300, 200}; // 200 x 100
    const RECT rcWork = {0, 0, 1024, 738};
    struct {
        int nFlags;
        LONG x, y;
    } cases[] = {
        {0, 100, 100},
        {PLACE_LEFT, 0, 100},
        {PLACE_RIGHT, 824, 100},
        {PLACE_HCENTER, 412, 100},
        {PLACE_LEFT | PLACE_RIGHT, 824, 100},
        {PLACE_RIGHT | PLACE_HCENTER, 412, 100},
        {PLACE_TOP, 100, 0},
        {PLACE_BOTTOM, 100, 638},
        {PLACE_VCENTER, 100, 319},
        {PLACE_TOP | PLACE_BOTTOM | PLACE_VCENTER, 100, 319},
        {PLACE_RIGHT | PLACE_BOTTOM, 824, 638},
        {PLACE_BEYOND_CORNER | PLACE_LEFT | PLACE_TOP, 1024, 738},
    };
    for (const auto &c : cases) {
        POINT pt = PlaceOnWorkArea(rcWnd, rcWork, c.nFlags);
        EXPECT_EQ(pt.x, c.x) << "flags " << c.nFlags;
        EXPECT_EQ(pt.y, c.y) << "flags " << c.nFlags;
    }
    // A work area that does not start at 0 (task bar on the left or top).
    POINT pt = PlaceOnWorkArea(rcWnd, RECT{60, 30, 1084, 768}, PLACE_HCENTER | PLACE_VCENTER);
    EXPECT_EQ(pt.x, 472);
    EXPECT_EQ(pt.y, 349);
}

} // namespace
