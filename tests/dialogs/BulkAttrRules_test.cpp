// The bulk settings' rules on plain values and on real records, without windows.
#include "dialogs/BulkAttrRules.h"

#include "tree/OptionSet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::unique_ptr<CItemInfo> MakeEntry(const std::wstring &strName, DWORD dwAttributes = 0, DWORD dwMarks = 0)
{
    auto pEntry = std::make_unique<CItemInfo>(ITEM_KIND_FILE | dwMarks);
    pEntry->m_strName = strName;
    pEntry->m_dwAttributes = dwAttributes;
    pEntry->m_nTimeMode = TIME_MODE_SOURCE;
    return pEntry;
}

std::vector<std::wstring> Names(const CItemInfo &dir)
{
    std::vector<std::wstring> list;
    for (const auto &pEntry : dir.m_listFiles)
        list.push_back(pEntry->m_strName);
    return list;
}

bool SameTime(const FILETIME &a, const FILETIME &b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

TEST(BulkAttrRules, OnlyAGroupOrTheClearingCountsAsAChoice)
{
    CBulkAttrChoices none;
    // Boxes inside unchecked groups choose nothing.
    none.m_bDirArchive = none.m_bReadOnly = 1;
    none.m_nTimeMode = TIME_MODE_SPECIFIED;
    none.m_nSortOrder = 1;
    EXPECT_FALSE(HasBulkChoice(none));
    int CBulkAttrChoices::*groups[] = {&CBulkAttrChoices::m_bDirGroup, &CBulkAttrChoices::m_bTimeGroup,
                                       &CBulkAttrChoices::m_bAttrGroup, &CBulkAttrChoices::m_bSortGroup,
                                       &CBulkAttrChoices::m_bClearProcessed};
    for (auto pGroup : groups) {
        CBulkAttrChoices one;
        one.*pGroup = 1;
        EXPECT_TRUE(HasBulkChoice(one));
    }
}

TEST(BulkAttrRules, AttributeWordsAndSortMode)
{
    struct Row {
        int bArchive, bSystem, bHide, bReadOnly;
        DWORD dwDir, dwFile;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0x10, 0x00}, {1, 0, 0, 0, 0x30, 0x20}, {0, 1, 0, 0, 0x14, 0x04},
        {0, 0, 1, 0, 0x12, 0x02}, {0, 0, 0, 1, 0x11, 0x01}, {1, 1, 1, 1, 0x37, 0x27},
    };
    for (const Row &r : rows) {
        CBulkAttrChoices c;
        c.m_bDirArchive = c.m_bArchive = r.bArchive;
        c.m_bDirSystem = c.m_bSystem = r.bSystem;
        c.m_bDirHide = c.m_bHide = r.bHide;
        c.m_bDirReadOnly = c.m_bReadOnly = r.bReadOnly;
        EXPECT_EQ(BulkDirAttributes(c), r.dwDir) << r.dwDir;
        EXPECT_EQ(BulkFileAttributes(c), r.dwFile) << r.dwFile;
    }

    struct SortRow {
        int bGroup, nOrder, nKey;
        DWORD dwMode;
    };
    const SortRow sorts[] = {{0, 1, 1, 0}, {1, 0, 0, 0}, {1, 1, 0, 0x100}, {1, 0, 1, 0x1}, {1, 1, 1, 0x101}};
    for (const SortRow &r : sorts) {
        CBulkAttrChoices c;
        c.m_bSortGroup = r.bGroup;
        c.m_nSortOrder = r.nOrder;
        c.m_nSortKey = r.nKey;
        EXPECT_EQ(BulkSortMode(c), r.dwMode) << r.bGroup << r.nOrder << r.nKey;
    }
}

TEST(BulkAttrRules, PresetFromTheOptionsSortOrder)
{
    struct Row {
        int nFileSortOrder, nOrder, nKey;
    };
    const Row rows[] = {{FSO_ASCENDING | FSO_BY_NAME, 0, 0},
                        {FSO_DESCENDING | FSO_BY_EXT, 1, 1},
                        {FSO_BY_EXT, 0, 1},
                        {FSO_DESCENDING | FSO_BY_NAME, 1, 0},
                        {0, 0, 0}};
    for (const Row &r : rows) {
        CBulkAttrChoices c;
        PresetBulkSort(c, r.nFileSortOrder);
        EXPECT_EQ(c.m_nSortOrder, r.nOrder) << r.nFileSortOrder;
        EXPECT_EQ(c.m_nSortKey, r.nKey) << r.nFileSortOrder;
    }
}

TEST(BulkAttrRules, EnabledControlsFollowTheGroupsAndTheTimeChoice)
{
    struct Row {
        int bDir, bTime, nMode, bAttr, bSort;
        bool bDirAttributes, bTimeChoices, bDateTime, bFill, bFileAttributes, bSorting;
    };
    const Row rows[] = {
        {0, 0, 1, 0, 0, false, false, false, false, false, false},
        {1, 0, 1, 0, 0, true, false, false, false, false, false},
        {0, 1, 0, 0, 0, false, true, false, false, false, false},
        {0, 1, 2, 0, 0, false, true, true, true, false, false},
        // "指定" under an unchecked group: the field stays disabled but is still refilled.
        {0, 0, 2, 0, 0, false, false, false, true, false, false},
        {0, 0, 1, 1, 0, false, false, false, false, true, false},
        {0, 0, 1, 0, 1, false, false, false, false, false, true},
    };
    for (const Row &r : rows) {
        CBulkAttrChoices c;
        c.m_bDirGroup = r.bDir;
        c.m_bTimeGroup = r.bTime;
        c.m_nTimeMode = r.nMode;
        c.m_bAttrGroup = r.bAttr;
        c.m_bSortGroup = r.bSort;
        const CBulkControlStates s = BulkControlStates(c);
        const std::string row = std::to_string(&r - rows);
        EXPECT_EQ(s.bDirAttributes, r.bDirAttributes) << row;
        EXPECT_EQ(s.bTimeChoices, r.bTimeChoices) << row;
        EXPECT_EQ(s.bDateTime, r.bDateTime) << row;
        EXPECT_EQ(s.bFillEmptyTime, r.bFill) << row;
        EXPECT_EQ(s.bFileAttributes, r.bFileAttributes) << row;
        EXPECT_EQ(s.bSort, r.bSorting) << row;
    }
}

TEST(BulkAttrRecord, RootKeepsItsAttributesButLosesItsCopiedMark)
{
    CItemInfo root(ITEM_KIND_ROOT | ITEM_FLAG_COPIED);
    root.m_dwAttributes = 0x10;
    CBulkAttrChoices c;
    c.m_bDirGroup = c.m_bDirReadOnly = 1;
    EXPECT_FALSE(ApplyBulkToRecord(root, c, false));
    EXPECT_EQ(root.m_dwAttributes, 0x10u);
    EXPECT_TRUE(root.IsCopied());

    c.m_bClearProcessed = 1;
    EXPECT_TRUE(ApplyBulkToRecord(root, c, false));
    EXPECT_EQ(root.m_dwAttributes, 0x10u);
    EXPECT_FALSE(root.IsCopied());
    EXPECT_TRUE(root.IsKind(ITEM_KIND_ROOT));
}

TEST(BulkAttrRecord, DirectoryWithoutEntriesGetsItsAttributesAndLosesItsMark)
{
    CItemInfo dir(ITEM_KIND_DIR | ITEM_FLAG_COPIED);
    dir.m_dwAttributes = 0x11;
    CBulkAttrChoices c;
    c.m_bDirGroup = c.m_bDirArchive = c.m_bDirHide = 1;
    c.m_bSortGroup = c.m_bClearProcessed = 1;
    EXPECT_TRUE(ApplyBulkToRecord(dir, c, true));
    EXPECT_EQ(dir.m_dwAttributes, 0x32u);
    EXPECT_FALSE(dir.IsCopied());
    EXPECT_TRUE(dir.m_listFiles.empty());

    // The attributes alone need a new image too: the image shows them.
    CItemInfo plain(ITEM_KIND_DIR);
    CBulkAttrChoices attrs;
    attrs.m_bDirGroup = 1;
    EXPECT_TRUE(ApplyBulkToRecord(plain, attrs, false));
    EXPECT_EQ(plain.m_dwAttributes, 0x10u);
}

TEST(BulkAttrRecord, ChangedAttributesMarkTheEntryAndClearingLeavesBothMarksClear)
{
    auto MakeDir = [] {
        auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
        pDir->AppendFile(MakeEntry(L"same.txt", 0x21));                          // equal, unmarked
        pDir->AppendFile(MakeEntry(L"same-copied.txt", 0x21, ITEM_FLAG_COPIED)); // equal, copied
        pDir->AppendFile(MakeEntry(L"other.txt", 0x20));                         // differs, unmarked
        pDir->AppendFile(MakeEntry(L"other-done.txt", 0x02, ITEM_FLAGS_PROCESSED));
        return pDir;
    };
    CBulkAttrChoices c;
    c.m_bAttrGroup = c.m_bArchive = c.m_bReadOnly = 1;

    auto pDir = MakeDir();
    EXPECT_FALSE(ApplyBulkToRecord(*pDir, c, false));
    const DWORD expectedMarks[] = {0, ITEM_FLAG_COPIED, ITEM_FLAG_ATTRSET, ITEM_FLAGS_PROCESSED};
    for (size_t i = 0; i < 4; ++i) {
        const CItemInfo &e = *pDir->m_listFiles[i];
        EXPECT_EQ(e.m_dwAttributes, 0x21u) << i;
        EXPECT_EQ(e.m_dwKindFlags & ITEM_FLAGS_PROCESSED, expectedMarks[i]) << i;
        EXPECT_TRUE(e.IsKind(ITEM_KIND_FILE)) << i;
    }

    c.m_bClearProcessed = 1;
    pDir = MakeDir();
    EXPECT_TRUE(ApplyBulkToRecord(*pDir, c, false));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(pDir->m_listFiles[i]->m_dwAttributes, 0x21u) << i;
        EXPECT_FALSE(pDir->m_listFiles[i]->IsProcessed()) << i;
    }

    // Clearing where nothing was processed: the entries' marks give the node no reason to change,
    // the directory's own mark does.
    CItemInfo quiet(ITEM_KIND_DIR);
    quiet.AppendFile(MakeEntry(L"a.txt", 0x20));
    CBulkAttrChoices clearOnly;
    clearOnly.m_bClearProcessed = 1;
    EXPECT_TRUE(ApplyBulkToRecord(quiet, clearOnly, false));
    EXPECT_EQ(quiet.m_listFiles[0]->m_dwAttributes, 0x20u);
}

TEST(BulkAttrRecord, TimeChoiceKeepsEarlierSpecifiedTimesUnlessItIsTheExplicitOne)
{
    const FILETIME ftEarlier = {0x11111111, 0x01D00000};
    const FILETIME ftChosen = {0x22222222, 0x01D50000};
    for (int nMode : {TIME_MODE_SYSCLOCK, TIME_MODE_SOURCE, TIME_MODE_SPECIFIED}) {
        CItemInfo dir(ITEM_KIND_DIR);
        dir.AppendFile(MakeEntry(L"a.txt"))->m_ftSpecified = ftEarlier;
        dir.AppendFile(MakeEntry(L"b.txt"));
        CBulkAttrChoices c;
        c.m_bTimeGroup = 1;
        c.m_nTimeMode = nMode;
        c.m_ftSpecified = ftChosen;
        EXPECT_FALSE(ApplyBulkToRecord(dir, c, false));
        for (const auto &pEntry : dir.m_listFiles) {
            EXPECT_EQ(pEntry->m_nTimeMode, nMode);
            EXPECT_FALSE(pEntry->IsProcessed());
        }
        if (nMode == TIME_MODE_SPECIFIED) {
            EXPECT_TRUE(SameTime(dir.m_listFiles[0]->m_ftSpecified, ftChosen));
            EXPECT_TRUE(SameTime(dir.m_listFiles[1]->m_ftSpecified, ftChosen));
        } else {
            EXPECT_TRUE(SameTime(dir.m_listFiles[0]->m_ftSpecified, ftEarlier)) << nMode;
            EXPECT_TRUE(SameTime(dir.m_listFiles[1]->m_ftSpecified, FILETIME{})) << nMode;
        }
    }

    // A radio group read with nothing checked changes no entry.
    CItemInfo dir(ITEM_KIND_DIR);
    dir.AppendFile(MakeEntry(L"a.txt"));
    CBulkAttrChoices c;
    c.m_bTimeGroup = 1;
    c.m_nTimeMode = -1;
    ApplyBulkToRecord(dir, c, false);
    EXPECT_EQ(dir.m_listFiles[0]->m_nTimeMode, TIME_MODE_SOURCE);
}

TEST(BulkAttrRecord, SortsEveryFileListByTheChosenKeyAndOrder)
{
    struct Row {
        int nOrder, nKey;
        std::vector<std::wstring> expected;
    };
    const Row rows[] = {
        // By extension, ascending: names without an extension come first.
        {0, 1, {L"Makefile", L"README", L"a.c", L"B.c", L"b.txt", L"x.TXT"}},
        {1, 1, {L"x.TXT", L"b.txt", L"B.c", L"a.c", L"README", L"Makefile"}},
        {0, 0, {L"a.c", L"B.c", L"b.txt", L"Makefile", L"README", L"x.TXT"}},
        {1, 0, {L"x.TXT", L"README", L"Makefile", L"b.txt", L"B.c", L"a.c"}},
    };
    for (const Row &r : rows) {
        CItemInfo dir(ITEM_KIND_DIR);
        for (const wchar_t *psz : {L"b.txt", L"README", L"B.c", L"x.TXT", L"Makefile", L"a.c"})
            dir.AppendFile(MakeEntry(psz));
        CBulkAttrChoices c;
        c.m_bSortGroup = 1;
        c.m_nSortOrder = r.nOrder;
        c.m_nSortKey = r.nKey;
        EXPECT_FALSE(ApplyBulkToRecord(dir, c, true));
        EXPECT_EQ(Names(dir), r.expected) << r.nOrder << r.nKey;
    }
}

} // namespace
