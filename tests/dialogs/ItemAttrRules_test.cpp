// The item attributes dialog's rules, from the tables of what is enabled and stored.
#include "dialogs/ItemAttrRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The enabled states as a string in the order of CItemAttrStates, for short rows.
std::string StatesText(const CItemAttrStates &s)
{
    std::string out;
    for (bool b : {s.bSysClock, s.bSourceAndSpecified, s.bDateTime, s.bAttributes, s.bDirName, s.bFileList,
                   s.bDeleteAndProcessed, s.bSort})
        out += b ? '1' : '0';
    return out;
}

FILETIME UtcFileTime(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s)
{
    SYSTEMTIME st = {};
    st.wYear = y;
    st.wMonth = mo;
    st.wDay = d;
    st.wHour = h;
    st.wMinute = mi;
    st.wSecond = s;
    FILETIME ft = {};
    ::SystemTimeToFileTime(&st, &ft);
    return ft;
}

} // namespace

TEST(ItemAttrRules, EnabledControlsFollowTheTable)
{
    struct {
        bool S, F, R, N, E, bSpecified;
        const char *pszStates; // syscl, src+specified, field, attrs, name, list, del+proc, sort
    } rows[] = {
        {true, false, true, true, false, false, "00000000"},  // the root: nothing of its own to edit
        {false, false, true, true, true, false, "00000000"},  // the root without files either
        {true, false, false, true, false, false, "10011000"}, // a scanned directory
        {false, false, false, true, true, false, "10011000"}, // a hand-made one keeps the system clock
        {true, false, false, true, false, true, "10011000"},  // a directory never gets the field
        {false, true, false, true, false, false, "00000101"}, // file mode without a selection: no time
        {false, true, false, true, true, false, "00000100"},  // ... and without entries
        {true, true, false, false, false, false, "11010111"}, // an entry with a source time
        {true, true, false, false, false, true, "11110111"},  // ... with the explicit time chosen
        {false, true, false, false, false, true, "00010111"}, // an entry without a source time
        {true, true, true, false, false, true, "11110111"},   // the root's entries like any other
    };
    for (const auto &r : rows) {
        CItemAttrStateInput in;
        in.bSourceTime = r.S;
        in.bFileMode = r.F;
        in.bRoot = r.R;
        in.bNoSelection = r.N;
        in.bNoFiles = r.E;
        in.bSpecified = r.bSpecified;
        EXPECT_EQ(StatesText(ComputeItemAttrStates(in)), r.pszStates) << "row " << (&r - rows);
    }
}

TEST(ItemAttrRules, AttributeBoxesAndTheProcessedBoxStoreIntoTheEntry)
{
    EXPECT_EQ(MakeAttributeWord(true, false, false, false, false), 0x10u);
    EXPECT_EQ(MakeAttributeWord(false, true, false, false, false), 0x20u);
    EXPECT_EQ(MakeAttributeWord(false, false, true, false, false), 0x02u);
    EXPECT_EQ(MakeAttributeWord(false, false, false, true, false), 0x04u);
    EXPECT_EQ(MakeAttributeWord(true, true, true, true, true), 0x37u);

    struct {
        bool bFileEntry;
        DWORD dwOldAttr, dwOldMarks, dwNewAttr;
        bool bProcessed;
        DWORD dwMarks;
    } rows[] = {
        {true, 0x20, 0, 0x21, false, 0},                                  // changed, box clear: no mark
        {true, 0x20, 0, 0x21, true, ITEM_FLAGS_PROCESSED},                // changed, box set: both
        {true, 0x20, ITEM_FLAG_COPIED, 0x20, true, ITEM_FLAGS_PROCESSED}, // unchanged, box set: both
        {true, 0x20, ITEM_FLAGS_PROCESSED, 0x20, false, 0},               // unchanged, box clear: none
        {false, 0x10, ITEM_FLAG_COPIED, 0x11, false, ITEM_FLAG_COPIED},   // a directory keeps its marks
    };
    for (const auto &r : rows) {
        CItemInfo item(r.bFileEntry ? ITEM_KIND_FILE : ITEM_KIND_DIR);
        item.m_dwAttributes = r.dwOldAttr;
        item.m_dwKindFlags |= r.dwOldMarks;
        StoreAttributes(item, r.dwNewAttr, r.bFileEntry, r.bProcessed);
        EXPECT_EQ(item.m_dwAttributes, r.dwNewAttr) << "row " << (&r - rows);
        EXPECT_EQ(item.m_dwKindFlags & ~ITEM_KIND_MASK, r.dwMarks) << "row " << (&r - rows);
    }
}

TEST(ItemAttrRules, TimeChoiceWithTheFieldsText)
{
    const FILETIME ftOld = UtcFileTime(2020, 1, 1, 0, 0, 0);
    CItemInfo item(ITEM_KIND_FILE);
    item.m_ftSpecified = ftOld;
    // Local time is Tokyo's: nine hours ahead.
    EXPECT_EQ(StoreTimeChoice(item, TIME_MODE_SPECIFIED, L"2026/02/03 04:05:06"), TIME_MODE_SPECIFIED);
    EXPECT_EQ(item.m_nTimeMode, TIME_MODE_SPECIFIED);
    EXPECT_EQ(::CompareFileTime(&item.m_ftSpecified, &ftOld), 1);
    const FILETIME ftWant = UtcFileTime(2026, 2, 2, 19, 5, 6);
    EXPECT_EQ(::CompareFileTime(&item.m_ftSpecified, &ftWant), 0);

    // Other choices leave the explicit time alone.
    EXPECT_EQ(StoreTimeChoice(item, TIME_MODE_SYSCLOCK, L""), TIME_MODE_SYSCLOCK);
    EXPECT_EQ(item.m_nTimeMode, TIME_MODE_SYSCLOCK);
    EXPECT_EQ(::CompareFileTime(&item.m_ftSpecified, &ftWant), 0);
    // No radio read back: the entry's choice stays.
    EXPECT_EQ(StoreTimeChoice(item, -1, L""), TIME_MODE_SYSCLOCK);

    // An emptied field falls back to the source time, with no time kept.
    EXPECT_EQ(StoreTimeChoice(item, TIME_MODE_SPECIFIED, L""), TIME_MODE_SOURCE);
    EXPECT_EQ(item.m_nTimeMode, TIME_MODE_SOURCE);
    EXPECT_EQ(item.m_ftSpecified.dwLowDateTime | item.m_ftSpecified.dwHighDateTime, 0u);
}

TEST(ItemAttrRules, TextsShown)
{
    EXPECT_EQ(FilesGroupCaption(0), L"複写対象ﾌｧｲﾙ :");
    EXPECT_EQ(FilesGroupCaption(1), L"複写対象ﾌｧｲﾙ : [ 1 file(s) ]");
    EXPECT_EQ(FilesGroupCaption(12345), L"複写対象ﾌｧｲﾙ : [ 12345 file(s) ]");
    EXPECT_EQ(SizeText(0), L"0");
    EXPECT_EQ(SizeText(999), L"999");
    EXPECT_EQ(SizeText(1000), L"1,000");
    // Beyond 32 bits, as a directory of large files adds up.
    EXPECT_EQ(SizeText(5000000000ull), L"5,000,000,000");
}

TEST(ItemAttrRules, CopiedMarkOnlyWhenEveryEntryIsProcessed)
{
    CItemInfo dir(ITEM_KIND_DIR);
    dir.MarkCopied();
    ApplyCopiedMark(dir);
    EXPECT_FALSE(dir.IsCopied()) << "a directory without entries is never copied";

    for (int i = 0; i < 3; ++i)
        dir.AppendFile(std::make_unique<CItemInfo>(ITEM_KIND_FILE));
    dir.m_listFiles[0]->MarkCopied();
    dir.m_listFiles[1]->MarkAttrSet(); // either mark counts as processed
    ApplyCopiedMark(dir);
    EXPECT_FALSE(dir.IsCopied());
    dir.m_listFiles[2]->SetProcessed(true);
    ApplyCopiedMark(dir);
    EXPECT_TRUE(dir.IsCopied());
    dir.m_listFiles[0]->SetProcessed(false);
    ApplyCopiedMark(dir);
    EXPECT_FALSE(dir.IsCopied());
}

TEST(ItemAttrRules, OnlyHorizontalSizingAndNeverBelowTheFirstSize)
{
    struct {
        LRESULT nIn, nOut;
    } hits[] = {{HTLEFT, HTLEFT},       {HTTOPLEFT, HTLEFT},      {HTBOTTOMLEFT, HTLEFT}, {HTRIGHT, HTRIGHT},
                {HTTOPRIGHT, HTRIGHT},  {HTBOTTOMRIGHT, HTRIGHT}, {HTTOP, HTBORDER},      {HTBOTTOM, HTBORDER},
                {HTCAPTION, HTCAPTION}, {HTCLIENT, HTCLIENT},     {HTSYSMENU, HTSYSMENU}};
    for (const auto &h : hits)
        EXPECT_EQ(HorizontalOnlyHitTest(h.nIn), h.nOut) << h.nIn;

    // Minimum 300 wide, 400 high; the rectangle the drag asks for, and what is kept.
    struct {
        WPARAM nEdge;
        RECT rcIn, rcOut;
    } rows[] = {
        {WMSZ_RIGHT, {100, 100, 350, 500}, {100, 100, 400, 500}},       // narrower: the right edge goes back
        {WMSZ_LEFT, {150, 100, 400, 500}, {100, 100, 400, 500}},        // narrower from the left: the left edge
        {WMSZ_RIGHT, {100, 100, 600, 500}, {100, 100, 600, 500}},       // wider is fine
        {WMSZ_BOTTOM, {100, 100, 400, 450}, {100, 100, 400, 500}},      // lower: the bottom edge
        {WMSZ_TOP, {100, 150, 400, 500}, {100, 100, 400, 500}},         // lower from the top: the top edge
        {WMSZ_BOTTOMRIGHT, {100, 100, 700, 650}, {100, 100, 700, 500}}, // taller: back to its height
        {WMSZ_TOPLEFT, {200, 50, 400, 500}, {100, 100, 400, 500}},      // both from the top left
    };
    for (const auto &r : rows) {
        RECT rc = r.rcIn;
        KeepSizingRect(rc, r.nEdge, 300, 400);
        EXPECT_TRUE(::EqualRect(&rc, &r.rcOut))
            << "row " << (&r - rows) << ": " << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
    }
}
