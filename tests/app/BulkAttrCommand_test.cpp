// The bulk settings from the options command of the real main window, on a really scanned tree.
#include "MainDlgRun.h"

#include "app/ToolCommands.h"
#include "datetime/DateTimeCmb.h"
#include "dialogs/BulkAttrDlg.h"

#include "WindowText.h"

#include <map>

namespace {

const wchar_t kMarker[] = L"(not refreshed)";

// Every node's record by its label.
std::map<std::wstring, HTREEITEM> Nodes(const CDirTreeCtrl &tree)
{
    std::map<std::wstring, HTREEITEM> map;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.NextInSubtree(h, tree.GetRootItem()))
        map[tree.GetItemText(h)] = h;
    return map;
}

std::vector<std::wstring> Names(const CItemInfo &dir)
{
    std::vector<std::wstring> list;
    for (const auto &pEntry : dir.m_listFiles)
        list.push_back(pEntry->m_strName);
    return list;
}

int NodeImage(const CDirTreeCtrl &tree, HTREEITEM h)
{
    int nImage = -1, nSelected = -1;
    tree.GetItemImage(h, nImage, nSelected);
    return nImage;
}

TEST(BulkAttrCommand, ThePassChangesEveryScannedRecordAndItsNodeWhileTheWindowStaysBusy)
{
    CTempDir src;
    for (const wchar_t *psz : {L"b.txt", L"README", L"a.c", L"sub\\x.TXT", L"sub\\Makefile", L"sub\\y.c"})
        ASSERT_TRUE(src.WriteFile(std::wstring(L"src\\") + psz, "data"));
    ASSERT_TRUE(src.MakeDir(L"src\\empty"));
    // Descending by extension in the options: the dialog starts with that order.
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\nFileSortOrder=131074\r\n");
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    std::map<std::wstring, int> imagesBefore;
    DWORD dwRootAttributes = 0;
    run.Step([&] {
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src / L"src"});
        ClickToolButton(dlg, ID_SELECT_SOURCE);
    });
    run.Step([&] {
        auto nodes = Nodes(tree);
        ASSERT_EQ(nodes.size(), 3u);
        ASSERT_EQ(tree.GetItemRecord(nodes[L"sub"])->m_listFiles.size(), 3u);
        // As a finished run leaves them: "sub" and its files processed.
        CItemInfo *pSub = tree.GetItemRecord(nodes[L"sub"]);
        pSub->MarkCopied();
        for (auto &pEntry : pSub->m_listFiles)
            pEntry->SetProcessed(true);
        tree.GetItemRecord(nodes[L"[ root ]"])->MarkCopied();
        for (auto &[strName, h] : nodes) {
            tree.UpdateItemImage(h);
            imagesBefore[strName] = NodeImage(tree, h);
        }
        dwRootAttributes = tree.GetItemRecord(nodes[L"[ root ]"])->m_dwAttributes;
        dlg.SetDlgItemText(IDC_FILEINFO, kMarker);
        run.m_seams.m_listBeeps.clear(); // the scan's end

        run.m_seams.m_mapKeysDown[VK_SHIFT] = true;
        run.m_seams.m_listDialogActions.push_back([&](CDialog &bulk) {
            HWND h = bulk.m_hWnd;
            EXPECT_TRUE(dlg.IsBusy());
            EXPECT_EQ(::IsDlgButtonChecked(h, IDC_BULK_SORT_DESCENDING), BST_CHECKED);
            EXPECT_EQ(::IsDlgButtonChecked(h, IDC_ATTR_SORT_BY_EXT), BST_CHECKED);
            Click(h, IDC_BULK_DIR_GROUP);
            Click(h, IDC_BULK_DIR_ARCHIVE);
            Click(h, IDC_BULK_DIR_HIDE);
            Click(h, IDC_BULK_TIME_GROUP);
            Click(h, IDC_ATTR_TIME_SPECIFIED);
            CDateTimeCmb *pField = static_cast<CBulkAttrDlg &>(bulk).GetTimeField();
            ASSERT_NE(pField, nullptr);
            ::SetWindowTextW(pField->GetEdit(), L"2021/03/04 05:06:07");
            Click(h, IDC_BULK_ATTR_GROUP);
            Click(h, IDC_ATTR_READONLY);
            Click(h, IDC_BULK_SORT_GROUP);
            Click(h, IDC_BULK_SORT_ASCENDING);
            Click(h, IDC_BULK_CLEAR_PROCESSED);
            bulk.PostButtonClick(IDOK);
            // Reach the main window while the pass drains the queue: neither may act then.
            dlg.PostMessage(WM_CLOSE);
            dlg.PostMessage(WM_TOOLCOMMAND, ID_CLEAR_TREE);
        });
        ClickToolButton(dlg, ID_OPTIONS);
    });
    run.Step([&] {
        run.m_seams.m_mapKeysDown[VK_SHIFT] = false;
        EXPECT_TRUE(run.m_seams.m_listMessages.empty());
        EXPECT_TRUE(run.m_seams.m_listBeeps.empty());
        EXPECT_EQ(run.m_seams.m_nDialogs, 2);
        EXPECT_FALSE(dlg.IsBusy());
        EXPECT_EQ(tree.m_pStatusWnd, nullptr);
        EXPECT_NE(dlg.GetDlgItemText(IDC_FILEINFO), kMarker);

        auto nodes = Nodes(tree);
        ASSERT_EQ(nodes.size(), 3u);
        const CItemInfo *pRoot = tree.GetItemRecord(nodes[L"[ root ]"]);
        const CItemInfo *pSub = tree.GetItemRecord(nodes[L"sub"]);
        const CItemInfo *pEmpty = tree.GetItemRecord(nodes[L"empty"]);
        EXPECT_EQ(pRoot->m_dwAttributes, dwRootAttributes);
        EXPECT_EQ(pSub->m_dwAttributes, 0x32u);
        EXPECT_EQ(pEmpty->m_dwAttributes, 0x32u);
        EXPECT_FALSE(pRoot->IsCopied());
        EXPECT_FALSE(pSub->IsCopied());
        EXPECT_EQ(Names(*pRoot), (std::vector<std::wstring>{L"README", L"a.c", L"b.txt"}));
        EXPECT_EQ(Names(*pSub), (std::vector<std::wstring>{L"Makefile", L"y.c", L"x.TXT"}));
        // 2021/03/04 05:06:07 in Tokyo is 2021/03/03 20:06:07 UTC.
        SYSTEMTIME stUtc = {2021, 3, 3, 3, 20, 6, 7, 0};
        FILETIME ft = {};
        ASSERT_TRUE(::SystemTimeToFileTime(&stUtc, &ft));
        for (const CItemInfo *pDir : {pRoot, pSub}) {
            for (const auto &pEntry : pDir->m_listFiles) {
                EXPECT_EQ(pEntry->m_dwAttributes, 0x01u) << pEntry->m_strName;
                EXPECT_EQ(pEntry->m_nTimeMode, TIME_MODE_SPECIFIED) << pEntry->m_strName;
                EXPECT_EQ(pEntry->m_ftSpecified.dwLowDateTime, ft.dwLowDateTime) << pEntry->m_strName;
                EXPECT_EQ(pEntry->m_ftSpecified.dwHighDateTime, ft.dwHighDateTime) << pEntry->m_strName;
                EXPECT_FALSE(pEntry->IsProcessed()) << pEntry->m_strName;
            }
        }
        // Every node shows what its record now is (open or not); the ones whose marks or attributes
        // changed look different.
        for (auto &[strName, h] : nodes)
            EXPECT_EQ(NodeImage(tree, h) & ~1, tree.GetItemImage(tree.GetItemRecord(h))) << strName;
        EXPECT_NE(NodeImage(tree, nodes[L"sub"]), imagesBefore[L"sub"]);
        EXPECT_NE(NodeImage(tree, nodes[L"empty"]), imagesBefore[L"empty"]);

        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

} // namespace
