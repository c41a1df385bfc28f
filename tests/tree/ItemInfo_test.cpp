#include "tree/ItemInfo.h"

#include "CountedItem.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemInfo, KindAndMarks)
{
    // A kind word with marks stays whole (a copy of a processed entry is processed), and the kind
    // test looks at the low byte only.
    CItemInfo marked(ITEM_KIND_DIR | ITEM_FLAGS_PROCESSED);
    EXPECT_EQ(marked.m_dwKindFlags, 0x30002u);
    EXPECT_TRUE(marked.IsKind(ITEM_KIND_DIR));
    EXPECT_FALSE(marked.IsKind(ITEM_KIND_ROOT));
    EXPECT_EQ(marked.m_hTreeItem, nullptr);
    EXPECT_EQ(marked.m_nTimeMode, TIME_MODE_SYSCLOCK);
    EXPECT_EQ(marked.m_dwSize, 0u);

    CItemInfo file(ITEM_KIND_FILE);
    EXPECT_FALSE(file.IsProcessed());
    file.MarkAttrSet();
    EXPECT_TRUE(file.IsProcessed()); // either bit counts
    EXPECT_FALSE(file.IsCopied());
    file.SetProcessed(true);
    EXPECT_EQ(file.m_dwKindFlags, 0x30004u);
    file.SetCopied(false);
    EXPECT_EQ(file.m_dwKindFlags, 0x20004u);
    file.SetProcessed(false);
    EXPECT_EQ(file.m_dwKindFlags, 0x4u);
}

TEST(ItemInfo, DeepCopyOwnsItsOwnEntries)
{
    const int nBefore = CCountedItem::s_nAlive;
    CItemInfo source(ITEM_KIND_DIR | ITEM_FLAG_COPIED);
    source.m_strName = L"src";
    source.m_strSourcePath = L"C:\\data\\src";
    source.m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
    source.m_nTimeMode = TIME_MODE_SPECIFIED;
    source.m_ftSource = FILETIME{1, 2};
    source.m_ftSpecified = FILETIME{3, 4};
    source.m_hTreeItem = reinterpret_cast<HTREEITEM>(0x1234);
    for (int i = 0; i < 3; ++i) {
        auto pFile = std::make_unique<CCountedItem>(ITEM_KIND_FILE | (i == 1 ? DWORD{ITEM_FLAGS_PROCESSED} : DWORD{0}),
                                                    L"f" + std::to_wstring(i));
        pFile->m_dwSize = 10 + static_cast<uint64_t>(i);
        pFile->m_nTimeMode = TIME_MODE_SOURCE;
        source.AppendFile(std::move(pFile));
    }
    ASSERT_EQ(CCountedItem::s_nAlive, nBefore + 3);

    std::unique_ptr<CItemInfo> pCopy = source.Clone();
    EXPECT_EQ(pCopy->m_strName, L"src");
    EXPECT_EQ(pCopy->m_strSourcePath, L"C:\\data\\src");
    EXPECT_EQ(pCopy->m_dwAttributes, source.m_dwAttributes);
    EXPECT_EQ(pCopy->m_nTimeMode, TIME_MODE_SPECIFIED);
    EXPECT_EQ(pCopy->m_ftSource.dwHighDateTime, 2u);
    EXPECT_EQ(pCopy->m_ftSpecified.dwLowDateTime, 3u);
    EXPECT_EQ(pCopy->m_dwKindFlags, source.m_dwKindFlags);
    EXPECT_EQ(pCopy->m_hTreeItem, source.m_hTreeItem); // copied as is
    EXPECT_EQ(pCopy->m_dwSize, 33u);
    ASSERT_EQ(pCopy->m_listFiles.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NE(pCopy->m_listFiles[i].get(), source.m_listFiles[i].get());
        EXPECT_EQ(pCopy->m_listFiles[i]->m_strName, source.m_listFiles[i]->m_strName);
        EXPECT_EQ(pCopy->m_listFiles[i]->m_dwSize, source.m_listFiles[i]->m_dwSize);
        EXPECT_EQ(pCopy->m_listFiles[i]->m_nTimeMode, TIME_MODE_SOURCE);
    }
    EXPECT_TRUE(pCopy->m_listFiles[1]->IsProcessed()); // the marks travel with the kind word
    EXPECT_FALSE(pCopy->m_listFiles[0]->IsProcessed());

    pCopy.reset();
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore + 3); // the source's entries are untouched

    // Assigning onto a record that holds entries replaces them.
    CItemInfo target(ITEM_KIND_DIR);
    target.AppendFile(std::make_unique<CCountedItem>(ITEM_KIND_FILE, L"old"));
    ASSERT_EQ(CCountedItem::s_nAlive, nBefore + 4);
    target = source;
    EXPECT_EQ(CCountedItem::s_nAlive, nBefore + 3);
    EXPECT_EQ(target.m_listFiles.size(), 3u);
    EXPECT_EQ(target.m_listFiles[0]->m_strName, L"f0");
}

TEST(ItemInfo, AssignFromOneOfItsOwnEntries)
{
    CItemInfo dir(ITEM_KIND_DIR);
    auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
    pFile->m_strName = L"only.txt";
    pFile->m_dwSize = 7;
    dir.AppendFile(std::move(pFile));
    dir = *dir.m_listFiles[0]; // the source goes with the old list: it must be read first
    EXPECT_EQ(dir.m_strName, L"only.txt");
    EXPECT_TRUE(dir.IsKind(ITEM_KIND_FILE));
    EXPECT_EQ(dir.m_dwSize, 7u);
    EXPECT_TRUE(dir.m_listFiles.empty());
}

TEST(ItemInfo, SizesAre64BitAndFollowTheFileList)
{
    CItemInfo dir(ITEM_KIND_DIR);
    auto pBig = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
    pBig->m_dwSize = 5ull << 30; // 5 GiB: more than 32 bits hold
    dir.AppendFile(std::move(pBig));
    auto pSmall = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
    pSmall->m_dwSize = 1;
    dir.AppendFile(std::move(pSmall));
    EXPECT_EQ(dir.m_dwSize, (5ull << 30) + 1);

    std::unique_ptr<CItemInfo> pTaken = dir.RemoveFileAt(0);
    ASSERT_NE(pTaken, nullptr);
    EXPECT_EQ(pTaken->m_dwSize, 5ull << 30);
    EXPECT_EQ(dir.m_dwSize, 1u);
    EXPECT_EQ(dir.m_listFiles.size(), 1u);
    EXPECT_EQ(dir.RemoveFileAt(1), nullptr);
    EXPECT_EQ(dir.m_dwSize, 1u);
}

} // namespace
