#include "framework/Captions.h"
#include "support/SortList.h"
#include "tree/DragRules.h"
#include "tree/FileNameCompare.h"
#include "tree/NodeImage.h"
#include "tree/TreeConfirmTexts.h"

#include <gtest/gtest.h>

namespace {

// Sorts file entries named as given and returns their names in the new order.
std::vector<std::wstring> SortedNames(std::initializer_list<const wchar_t *> names, DWORD dwMode)
{
    CItemList list;
    for (const wchar_t *psz : names) {
        auto pEntry = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
        pEntry->m_strName = psz;
        list.push_back(std::move(pEntry));
    }
    SortFileList(list, CFileNameCompare(dwMode), false);
    std::vector<std::wstring> result;
    for (const auto &p : list)
        result.push_back(p->m_strName);
    return result;
}

TEST(TreeRules, FileEntriesSortByNameOrExtensionIgnoringCase)
{
    using V = std::vector<std::wstring>;
    EXPECT_EQ(SortedNames({L"b.txt", L"A.doc", L"c"}, 0), (V{L"A.doc", L"b.txt", L"c"}));
    EXPECT_EQ(SortedNames({L"b.txt", L"A.doc", L"c"}, FILE_SORT_DESCENDING), (V{L"c", L"b.txt", L"A.doc"}));
    // By extension: names without one come first, then the extensions, then the bases.
    EXPECT_EQ(SortedNames({L"z.TXT", L"a.txt", L"readme", L"m.doc"}, FILE_SORT_BY_EXT),
              (V{L"readme", L"m.doc", L"a.txt", L"z.TXT"}));
    EXPECT_EQ(SortedNames({L"z.TXT", L"a.txt", L"readme", L"m.doc"}, FILE_SORT_BY_EXT | FILE_SORT_DESCENDING),
              (V{L"z.TXT", L"a.txt", L"m.doc", L"readme"}));
}

TEST(TreeRules, NodeImageIndex)
{
    const DWORD D = FILE_ATTRIBUTE_DIRECTORY, R = FILE_ATTRIBUTE_READONLY, H = FILE_ATTRIBUTE_HIDDEN,
                S = FILE_ATTRIBUTE_SYSTEM, A = FILE_ATTRIBUTE_ARCHIVE;
    struct {
        DWORD dwAttributes;
        bool bHasFiles, bCopied, bOpen;
        int nImage;
    } cases[] = {
        {D, false, false, false, 0},
        {D, false, false, true, 1},
        {D | H, false, false, false, 2},
        {D | S, false, false, false, 2},
        {D | H | S, false, false, true, 3},
        {D | R, false, false, false, 4},
        {D | R | H | A, false, false, true, 7},
        {D, true, false, false, 8},
        {D | S, true, false, true, 11},
        {D, true, true, false, 16},
        {D | R, true, true, false, 20},
        {D | R, true, true, true, 21},
        {D | R | H, true, true, true, 23},
        {D, false, true, false, 0}, // a copied mark without file entries shows nothing
        {0, false, false, false, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NodeImageIndex(c.dwAttributes, c.bHasFiles, c.bCopied, c.bOpen), c.nImage)
            << std::hex << c.dwAttributes << " files " << c.bHasFiles << " copied " << c.bCopied << " open " << c.bOpen;
}

TEST(TreeRules, DragCursorTypes)
{
    const UINT C = MK_CONTROL, S = MK_SHIFT;
    struct {
        bool bOverNode, bInClient;
        UINT nKeys;
        int nDefault, nDirectory;
    } cases[] = {
        {true, true, 0, DRAG_CURSOR_MOVE, DRAG_CURSOR_MOVE},
        {true, true, C, DRAG_CURSOR_COPY, DRAG_CURSOR_COPY},
        {true, true, S, DRAG_CURSOR_MOVE, DRAG_CURSOR_MOVE},
        {true, true, C | S, DRAG_CURSOR_MOVE, DRAG_CURSOR_MOVE},
        {false, true, 0, DRAG_CURSOR_NODROP, DRAG_CURSOR_MOVE}, // empty space means the root
        {false, true, S, DRAG_CURSOR_NODROP, DRAG_CURSOR_MOVE},
        {false, true, C, DRAG_CURSOR_COPY, DRAG_CURSOR_COPY},
        {false, true, C | S, DRAG_CURSOR_NODROP, DRAG_CURSOR_NODROP},
        {false, false, 0, DRAG_CURSOR_NODROP, DRAG_CURSOR_NODROP},
        {false, false, C, DRAG_CURSOR_NODROP, DRAG_CURSOR_NODROP},
    };
    for (const auto &c : cases) {
        int nDefault = DefaultDragType(c.bOverNode, c.bInClient, c.nKeys);
        EXPECT_EQ(nDefault, c.nDefault) << c.bOverNode << c.bInClient << " keys " << c.nKeys;
        EXPECT_EQ(DirectoryDragType(nDefault, c.bInClient, c.nKeys), c.nDirectory)
            << c.bOverNode << c.bInClient << " keys " << c.nKeys;
    }
}

TEST(TreeRules, ConfirmationTexts)
{
    EXPECT_STREQ(CAPTION_CONFIRM, L"確認");
    EXPECT_EQ(DeleteNodeQuestion(L"Sub 1"), L"\"Sub 1\" をﾃﾞｨﾚｸﾄﾘﾂﾘｰから削除します。\nよろしいですか ?");
    EXPECT_EQ(ClearTreeQuestion(false, true), L"ﾃﾞｨﾚｸﾄﾘﾂﾘｰを消去します。\nよろしいですか ?");
    EXPECT_EQ(ClearTreeQuestion(false, false), L"ﾃﾞｨﾚｸﾄﾘﾂﾘｰ/ﾌｧｲﾙ情報を消去します。\nよろしいですか ?");
    EXPECT_EQ(ClearTreeQuestion(true, true),
              L"現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰは消去されて新しく検索されたﾃﾞｨﾚｸﾄﾘﾂﾘｰに置き換えられます。\nよろしいですか ?");
    EXPECT_EQ(ClearTreeQuestion(true, false), L"現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰ/ﾌｧｲﾙ情報は消去されて新しく検索されたﾃﾞｨﾚｸﾄﾘﾂﾘｰに"
                                              L"置き換えられます。\nよろしいですか ?");
}

} // namespace
