// The main window's rules as values: the report text, the command states, the layout and the tool
// bar for an old common-controls library.
#include "app/CommandStates.h"
#include "app/FileReport.h"
#include "app/MainLayout.h"
#include "app/MainToolBar.h"
#include "res/resource.h"
#include "tree/ItemInfo.h"

#include "ToolButtonTable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::wstring> SplitCrLf(const std::wstring &str)
{
    std::vector<std::wstring> list;
    size_t nStart = 0;
    for (;;) {
        size_t n = str.find(L"\r\n", nStart);
        list.push_back(str.substr(nStart, n == std::wstring::npos ? std::wstring::npos : n - nStart));
        if (n == std::wstring::npos)
            return list;
        nStart = n + 2;
    }
}

// Columns in a fixed-pitch Japanese font: half-width forms and ASCII take one, the rest two.
int DisplayColumns(const std::wstring &str)
{
    int n = 0;
    for (wchar_t ch : str)
        n += (ch < 0x80 || (ch >= 0xFF61 && ch <= 0xFF9F)) ? 1 : 2;
    return n;
}

TEST(FileReport, ThreeFilesOfASevenDigitTotalInATreeOfTwentyFiveWithAnEightDigitTotal)
{
    CFileReportFigures fig;
    fig.strName = L"資料";
    fig.strSourcePath = L"C:\\src\\資料";
    fig.dwCount = 3;
    fig.nSize = 1234567;
    fig.dwTreeCount = 25;
    fig.nTreeSize = 12345678;
    const std::wstring strExpected = L"----- << 資料 >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
                                     L"ﾌｧｲﾙの複写元 : C:\\src\\資料\r\n"
                                     L"      ﾌｧｲﾙ数 :         3 file(s) [         25 file(s) ]\r\n"
                                     L"合計ﾌｧｲﾙｻｲｽﾞ : 1,234,567 byte(s) [ 12,345,678 byte(s) ]";
    const std::wstring strText = FormatFileReport(fig);
    ASSERT_EQ(strText.size(), strExpected.size());
    for (size_t i = 0; i < strExpected.size(); ++i)
        EXPECT_EQ(strText[i], strExpected[i]) << "character " << i;

    // The count column and the size column line up on screen, and so do the bracketed figures.
    std::vector<std::wstring> lines = SplitCrLf(strText);
    ASSERT_EQ(lines.size(), 4u);
    auto column = [](const std::wstring &strLine, const wchar_t *pszMark) {
        return DisplayColumns(strLine.substr(0, strLine.find(pszMark)));
    };
    EXPECT_EQ(column(lines[2], L" file(s) ["), column(lines[3], L" byte(s) ["));
    EXPECT_EQ(column(lines[2], L" file(s) ]"), column(lines[3], L" byte(s) ]"));
    EXPECT_EQ(column(lines[2], L":"), 13);
    EXPECT_EQ(column(lines[3], L":"), 13);
}

TEST(FileReport, Variants)
{
    struct {
        const wchar_t *pszName;
        const wchar_t *pszSource;
        DWORD dwCount;
        uint64_t nSize;
        DWORD dwTreeCount;
        uint64_t nTreeSize;
        const wchar_t *pszExpected;
    } cases[] = {
        // Nothing selected.
        {L"(Invalid)", L"", 0, 0, 0, 0, L"--- << (Invalid) >> には複写対象ﾌｧｲﾙの情報はありません ---"},
        // No own files and none below.
        {L"空", L"Z:\\a", 0, 0, 0, 0, L"--- << 空 >> には複写対象ﾌｧｲﾙの情報はありません ---"},
        // Empty files only: the byte total decides.
        {L"零", L"Z:\\a", 0, 0, 4, 0, L"--- << 零 >> には複写対象ﾌｧｲﾙの情報はありません ---"},
        // No own files, but files below: the full report with an own count of 0.
        {L"top", L"", 0, 0, 2, 1500,
         L"----- << top >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
         L"ﾌｧｲﾙの複写元 : (N/A)\r\n"
         L"      ﾌｧｲﾙ数 : 0 file(s) [     2 file(s) ]\r\n"
         L"合計ﾌｧｲﾙｻｲｽﾞ : 0 byte(s) [ 1,500 byte(s) ]"},
        // Own files of zero bytes still report.
        {L"z", L"Z:\\z", 1, 0, 1, 0,
         L"----- << z >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
         L"ﾌｧｲﾙの複写元 : Z:\\z\r\n"
         L"      ﾌｧｲﾙ数 : 1 file(s) [ 1 file(s) ]\r\n"
         L"合計ﾌｧｲﾙｻｲｽﾞ : 0 byte(s) [ 0 byte(s) ]"},
        // Figures up to three digits are not grouped; past 4 GiB nothing wraps.
        {L"big", L"Z:\\b", 12, 999, 130, 5000000000ull,
         L"----- << big >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
         L"ﾌｧｲﾙの複写元 : Z:\\b\r\n"
         L"      ﾌｧｲﾙ数 :  12 file(s) [           130 file(s) ]\r\n"
         L"合計ﾌｧｲﾙｻｲｽﾞ : 999 byte(s) [ 5,000,000,000 byte(s) ]"},
        // Percent signs in names are text, not format.
        {L"100%s", L"Z:\\%d", 1, 7, 1, 7,
         L"----- << 100%s >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
         L"ﾌｧｲﾙの複写元 : Z:\\%d\r\n"
         L"      ﾌｧｲﾙ数 : 1 file(s) [ 1 file(s) ]\r\n"
         L"合計ﾌｧｲﾙｻｲｽﾞ : 7 byte(s) [ 7 byte(s) ]"},
    };
    for (const auto &c : cases) {
        CFileReportFigures fig;
        fig.strName = c.pszName;
        fig.strSourcePath = c.pszSource;
        fig.dwCount = c.dwCount;
        fig.nSize = c.nSize;
        fig.dwTreeCount = c.dwTreeCount;
        fig.nTreeSize = c.nTreeSize;
        EXPECT_EQ(FormatFileReport(fig), c.pszExpected) << testing::PrintToString(std::wstring(c.pszName));
    }

    // A long source path is shown whole.
    CFileReportFigures fig;
    fig.strSourcePath = L"Z:\\" + std::wstring(2000, L'長');
    fig.dwCount = 1;
    fig.nSize = 1;
    fig.dwTreeCount = 1;
    fig.nTreeSize = 1;
    EXPECT_NE(FormatFileReport(fig).find(fig.strSourcePath + L"\r\n"), std::wstring::npos);
}

// A directory the scan could not read, or did not descend into, says so below its figures.
TEST(FileReport, ScanMarksAddTheirLine)
{
    CFileReportFigures fig;
    fig.strName = L"loop";
    const std::wstring strEmpty = L"--- << loop >> には複写対象ﾌｧｲﾙの情報はありません ---";
    EXPECT_EQ(FormatFileReport(fig), strEmpty);
    fig.dwScanFlags = ITEM_FLAG_NOT_FOLLOWED;
    EXPECT_EQ(FormatFileReport(fig),
              strEmpty + L"\r\n※ このﾃﾞｨﾚｸﾄﾘはﾘﾝｸ(又は上位と同じﾃﾞｨﾚｸﾄﾘ)の為、中を検索していません。");
    fig.dwScanFlags = ITEM_FLAG_UNREADABLE;
    fig.strSourcePath = L"Z:\\s\\u";
    fig.dwCount = fig.dwTreeCount = 1;
    fig.nSize = fig.nTreeSize = 7;
    const std::wstring strText = FormatFileReport(fig);
    EXPECT_EQ(strText.substr(strText.rfind(L"\r\n")), L"\r\n※ このﾃﾞｨﾚｸﾄﾘは読み込めなかった為、ﾌｧｲﾙ情報が不完全です。");
    EXPECT_NE(strText.find(L"Z:\\s\\u\r\n"), std::wstring::npos);
}

TEST(CommandStates, FromTheTreeAndTheSelection)
{
    struct {
        const char *pszCase;
        CCommandStateInput in;
        CCommandStates expected; // run dirs, run files, add-load, delete, attributes
    } cases[] = {
        {"empty control", {false, 0, 0, false, 0, 0, false}, {false, false, false, false, false}},
        {"fresh start, root selected",
         {true, 0, 1, true, ITEM_KIND_ROOT, 0, false},
         {false, false, false, false, false}},
        {"fresh start, nothing selected", {true, 0, 1, false, 0, 0, false}, {false, false, false, false, false}},
        {"root with files only", {true, 3, 1, true, ITEM_KIND_ROOT, 3, false}, {true, true, true, true, true}},
        {"root with files, files off", {true, 3, 1, true, ITEM_KIND_ROOT, 3, true}, {true, false, true, true, true}},
        {"directory selected", {true, 0, 2, true, ITEM_KIND_DIR, 0, false}, {true, true, true, true, true}},
        {"directory selected, files off", {true, 0, 5, true, ITEM_KIND_DIR, 0, true}, {true, false, true, true, true}},
        {"content, root without files selected",
         {true, 0, 5, true, ITEM_KIND_ROOT, 0, false},
         {true, true, true, false, false}},
        {"content, nothing selected", {true, 0, 5, false, 0, 0, false}, {true, true, true, false, false}},
        {"a node without record", {true, 0, 2, true, 0, 0, false}, {true, true, true, false, false}},
    };
    for (const auto &c : cases) {
        CCommandStates s = ComputeCommandStates(c.in);
        EXPECT_EQ(s.bRunDirsOnly, c.expected.bRunDirsOnly) << c.pszCase;
        EXPECT_EQ(s.bRunWithFiles, c.expected.bRunWithFiles) << c.pszCase;
        EXPECT_EQ(s.bAddLoad, c.expected.bAddLoad) << c.pszCase;
        EXPECT_EQ(s.bDelete, c.expected.bDelete) << c.pszCase;
        EXPECT_EQ(s.bEditAttributes, c.expected.bEditAttributes) << c.pszCase;
    }
}

std::string RectText(const RECT &rc)
{
    std::ostringstream s;
    s << "{" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << "}";
    return s.str();
}

TEST(MainLayout, RowsFromTheBottomUp)
{
    // A 600 x 400 client, a 26-pixel tool bar, the destination row 21 high with the button 60 wide.
    CMainLayoutInput in = {{0, 0, 600, 400}, 26, {64, 300, 480, 321}, {2, 300, 62, 321}, 12, 17, true};
    CMainLayout out = ArrangeMainWindow(in);
    EXPECT_EQ(RectText(out.rcToolBar), RectText({0, 0, 600, 26}));
    EXPECT_EQ(RectText(out.rcDestEdit), RectText({64, 379, 600, 400}));
    EXPECT_EQ(RectText(out.rcDestButton), RectText({2, 379, 62, 400}));
    ASSERT_TRUE(out.bShowReport);
    // 4 lines + 8 + the scroll bar, 4 pixels above the row.
    EXPECT_EQ(RectText(out.rcReport), RectText({0, 375 - (4 * 12 + 8 + 17), 600, 375}));
    ASSERT_TRUE(out.bMoveTree);
    EXPECT_EQ(RectText(out.rcTree), RectText({0, 26, 600, out.rcReport.top - 4}));

    // Files off: no pane; the tree reaches down to 4 pixels above the destination row.
    in.bShowReport = false;
    out = ArrangeMainWindow(in);
    EXPECT_FALSE(out.bShowReport);
    ASSERT_TRUE(out.bMoveTree);
    EXPECT_EQ(RectText(out.rcTree), RectText({0, 26, 600, 375}));

    // Too low for the tree: it is left where it is; the row still sits at the bottom.
    in = {{0, 0, 300, 120}, 26, {64, 300, 480, 321}, {2, 300, 62, 321}, 12, 17, true};
    out = ArrangeMainWindow(in);
    EXPECT_FALSE(out.bMoveTree);
    EXPECT_EQ(RectText(out.rcDestEdit), RectText({64, 99, 300, 120}));
    in.bShowReport = false;
    in.rcClient.bottom = 26 + 4 + 21 + 1;
    EXPECT_TRUE(ArrangeMainWindow(in).bMoveTree);
    in.rcClient.bottom -= 1;
    EXPECT_FALSE(ArrangeMainWindow(in).bMoveTree);

    // At 192 DPI the gaps and the pane's margin double; what the system measured is taken as it is.
    in = {{0, 0, 600, 400}, 52, {64, 300, 480, 342}, {2, 300, 62, 342}, 24, 34, true};
    in.nDpi = 192;
    out = ArrangeMainWindow(in);
    EXPECT_EQ(RectText(out.rcDestEdit), RectText({64, 358, 600, 400}));
    EXPECT_EQ(RectText(out.rcReport), RectText({0, 350 - (4 * 24 + 16 + 34), 600, 350}));
    EXPECT_EQ(RectText(out.rcTree), RectText({0, 52, 600, out.rcReport.top - 8}));

    // Narrower than the edit's left edge (minimised): the edit keeps a width of zero, not less.
    in = {{0, 0, 0, 0}, 26, {64, 300, 480, 321}, {2, 300, 62, 321}, 12, 17, false};
    out = ArrangeMainWindow(in);
    EXPECT_EQ(out.rcDestEdit.right, 64);
    EXPECT_FALSE(out.bMoveTree);
}

TEST(MainToolBar, ButtonsInTheirOrderWithTheirImages)
{
    for (bool bFlat : {true, false}) {
        std::vector<CToolButtonDef> got = MainToolButtons(bFlat), want = ExpectedToolButtons(bFlat);
        ASSERT_EQ(got.size(), want.size()) << "flat " << bFlat;
        for (size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(got[i].nCommand, want[i].nCommand) << "flat " << bFlat << ", button " << i;
            if (want[i].nCommand) {
                EXPECT_EQ(got[i].nImage, want[i].nImage) << "flat " << bFlat << ", button " << i;
            }
        }
    }
}

TEST(MainToolBar, TheOldLibraryGetsSeparatorsBeforeTheFirstAndTheVersionButton)
{
    std::vector<CToolButtonDef> flat = MainToolButtons(true), raised = MainToolButtons(false);
    ASSERT_EQ(flat.size(), 17u);
    ASSERT_EQ(raised.size(), flat.size() + 2);
    EXPECT_EQ(raised[0].nCommand, 0u);
    for (size_t i = 0; i + 1 < flat.size(); ++i)
        EXPECT_EQ(raised[i + 1].nCommand, flat[i].nCommand) << i;
    EXPECT_EQ(raised[raised.size() - 2].nCommand, 0u);
    EXPECT_EQ(raised.back().nCommand, static_cast<UINT>(ID_APP_ABOUT));
}

} // namespace
