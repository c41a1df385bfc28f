// The bulk settings' rules on plain values and on real records, without windows.
#include "dialogs/BulkAttrRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

CItemInfo *AddEntry(CItemInfo &dir, const std::wstring &strName, DWORD dwAttributes = 0, DWORD dwMarks = 0)
{
    auto pEntry = std::make_unique<CItemInfo>(ITEM_KIND_FILE | dwMarks);
    pEntry->m_strName = strName;
    pEntry->m_dwAttributes = dwAttributes;
    return dir.AppendFile(std::move(pEntry));
}

TEST(BulkAttrRules, ChoiceWords)
{
    CBulkAttrChoices c;
    // Boxes inside unchecked groups choose nothing: only the beep.
    c.m_bDirArchive = c.m_bReadOnly = c.m_nSortOrder = 1;
    EXPECT_FALSE(HasBulkChoice(c));
    EXPECT_EQ(BulkSortMode(c), 0u);
    for (auto pGroup :
         {&CBulkAttrChoices::m_bDirGroup, &CBulkAttrChoices::m_bTimeGroup, &CBulkAttrChoices::m_bAttrGroup,
          &CBulkAttrChoices::m_bSortGroup, &CBulkAttrChoices::m_bClearProcessed}) {
        CBulkAttrChoices one;
        one.*pGroup = 1;
        EXPECT_TRUE(HasBulkChoice(one));
    }

    c.m_bDirSystem = c.m_bDirHide = c.m_bSystem = 1;
    EXPECT_EQ(BulkDirAttributes(c), 0x10u | 0x20u | 0x04u | 0x02u);
    EXPECT_EQ(BulkFileAttributes(c), 0x01u | 0x04u);
    c.m_bSortGroup = 1;
    EXPECT_EQ(BulkSortMode(c), 0x100u);
    c.m_nSortKey = 1;
    EXPECT_EQ(BulkSortMode(c), 0x101u);
}

TEST(BulkAttrRecord, RootKeepsItsAttributesAndAnEmptyDirectoryStillGetsItsOwn)
{
    CBulkAttrChoices c;
    c.m_bDirGroup = c.m_bDirHide = 1;
    CItemInfo root(ITEM_KIND_ROOT | ITEM_FLAG_COPIED), dir(ITEM_KIND_DIR | ITEM_FLAG_COPIED);
    root.m_dwAttributes = dir.m_dwAttributes = 0x11;
    EXPECT_FALSE(ApplyBulkToRecord(root, c, false));
    EXPECT_TRUE(ApplyBulkToRecord(dir, c, false));
    EXPECT_EQ(root.m_dwAttributes, 0x11u);
    EXPECT_EQ(dir.m_dwAttributes, 0x12u);
    EXPECT_TRUE(root.IsCopied() && dir.IsCopied());

    c.m_bClearProcessed = c.m_bSortGroup = 1;
    EXPECT_TRUE(ApplyBulkToRecord(root, c, true));
    EXPECT_TRUE(ApplyBulkToRecord(dir, c, true));
    EXPECT_EQ(root.m_dwAttributes, 0x11u);
    EXPECT_FALSE(root.IsCopied() || dir.IsCopied());
    EXPECT_TRUE(root.IsKind(ITEM_KIND_ROOT) && dir.IsKind(ITEM_KIND_DIR));
}

TEST(BulkAttrRecord, OnlyChangedAttributesMarkAnEntryAndClearingLeavesBothMarksClear)
{
    for (int bClear : {0, 1}) {
        CItemInfo dir(ITEM_KIND_DIR);
        AddEntry(dir, L"same.txt", 0x21);
        AddEntry(dir, L"same-copied.txt", 0x21, ITEM_FLAG_COPIED);
        AddEntry(dir, L"other.txt", 0x20);
        AddEntry(dir, L"other-done.txt", 0x02, ITEM_FLAGS_PROCESSED);
        CBulkAttrChoices c;
        c.m_bAttrGroup = c.m_bArchive = c.m_bReadOnly = 1;
        c.m_bClearProcessed = bClear;
        // Entries' attributes alone leave the node's picture as it is.
        EXPECT_EQ(ApplyBulkToRecord(dir, c, false), bClear == 1);
        const DWORD marks[] = {0, ITEM_FLAG_COPIED, ITEM_FLAG_ATTRSET, ITEM_FLAGS_PROCESSED};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(dir.m_listFiles[i]->m_dwAttributes, 0x21u) << i;
            EXPECT_EQ(dir.m_listFiles[i]->m_dwKindFlags & ITEM_FLAGS_PROCESSED, bClear ? 0 : marks[i]) << i;
        }
    }
}

TEST(BulkAttrRecord, OnlyTheExplicitChoiceReplacesAnEntrysSpecifiedTime)
{
    const FILETIME ftEarlier = {0x11111111, 0x01D00000}, ftChosen = {0x22222222, 0x01D50000};
    for (int nMode : {0, 1, 2, -1}) {
        CItemInfo dir(ITEM_KIND_DIR);
        CItemInfo *pEntry = AddEntry(dir, L"a.txt");
        pEntry->m_nTimeMode = TIME_MODE_SOURCE;
        pEntry->m_ftSpecified = ftEarlier;
        CBulkAttrChoices c;
        c.m_bTimeGroup = 1;
        c.m_nTimeMode = nMode;
        c.m_ftSpecified = ftChosen;
        EXPECT_FALSE(ApplyBulkToRecord(dir, c, false));
        // -1: a radio group read with nothing checked, which no entry may take.
        EXPECT_EQ(pEntry->m_nTimeMode, nMode == -1 ? TIME_MODE_SOURCE : nMode);
        const FILETIME &ft = nMode == TIME_MODE_SPECIFIED ? ftChosen : ftEarlier;
        EXPECT_EQ(pEntry->m_ftSpecified.dwLowDateTime, ft.dwLowDateTime) << nMode;
    }
}

TEST(BulkAttrRecord, SortsByTheChosenKeyAndOrder)
{
    const std::vector<std::wstring> byExt = {L"Makefile", L"README", L"a.c", L"B.c", L"b.txt", L"x.TXT"};
    const std::vector<std::wstring> byName = {L"a.c", L"B.c", L"b.txt", L"Makefile", L"README", L"x.TXT"};
    for (int nOrder : {0, 1})
        for (int nKey : {0, 1}) {
            CItemInfo dir(ITEM_KIND_DIR);
            for (const wchar_t *psz : {L"b.txt", L"README", L"B.c", L"x.TXT", L"Makefile", L"a.c"})
                AddEntry(dir, psz);
            CBulkAttrChoices c;
            c.m_bSortGroup = 1;
            c.m_nSortOrder = nOrder;
            c.m_nSortKey = nKey;
            ApplyBulkToRecord(dir, c, true);
            std::vector<std::wstring> expected = nKey ? byExt : byName;
            if (nOrder)
                std::reverse(expected.begin(), expected.end());
            std::vector<std::wstring> names;
            for (const auto &pEntry : dir.m_listFiles)
                names.push_back(pEntry->m_strName);
            // By extension, ascending: names without an extension come first.
            EXPECT_EQ(names, expected) << nOrder << nKey;
        }
}

} // namespace
