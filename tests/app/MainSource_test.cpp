// Choosing a source on the real dialog: the picker's texts and initial folder, the real scan of a
// real directory, and where an add-load goes.
#include "MainDlgRun.h"

namespace {

const wchar_t kMarker[] = L"(not refreshed)";

// The outline of the tree below a node: labels, two spaces per level.
void Outline(const CDirTreeCtrl &tree, HTREEITEM hFirst, const std::wstring &strIndent, std::vector<std::wstring> &list)
{
    for (HTREEITEM h = hFirst; h; h = tree.GetNextSiblingItem(h)) {
        list.push_back(strIndent + tree.GetItemText(h));
        Outline(tree, tree.GetChildItem(h), strIndent + L"  ", list);
    }
}

std::vector<std::wstring> Outline(const CDirTreeCtrl &tree)
{
    std::vector<std::wstring> list;
    Outline(tree, tree.GetRootItem(), L"", list);
    return list;
}

// Two small sources: "one" with a sub-directory and files, "two" with one directory.
struct CSources {
    CSources()
    {
        dir.WriteFile(L"one\\a.txt", "12345");
        dir.WriteFile(L"one\\sub\\b.txt", "1234567");
        dir.WriteFile(L"two\\ネスト\\c.txt", "1");
    }
    CTempDir dir;
};

TEST(MainSource, FreshScanOfTheChosenFolderWhichIsOfferedFirstNextTime)
{
    CSources src;
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src.dir / L"one"});
        dlg.SetDlgItemText(IDC_FILEINFO, kMarker);
        ClickToolButton(dlg, ID_SELECT_SOURCE);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listFolders.size(), 1u);
        const CFolderRequest &req = run.m_seams.m_listFolders[0].req;
        EXPECT_EQ(req.strCaption, L"複写元ﾃﾞｨﾚｸﾄﾘの選択");
        EXPECT_EQ(req.strPrompt, L"複写元ﾃﾞｨﾚｸﾄﾘを選択してください。");
        EXPECT_EQ(req.strInitialPath, L"");
        EXPECT_EQ(req.hOwner, dlg.m_hWnd);
        EXPECT_EQ(Outline(dlg.m_tree), (std::vector<std::wstring>{L"[ root ]", L"  sub"}));
        EXPECT_EQ(dlg.m_strSourcePath, src.dir / L"one");
        EXPECT_FALSE(dlg.IsBusy());
        EXPECT_FALSE(dlg.m_tree.m_bLocked);
        EXPECT_TRUE(IsToolEnabled(dlg, ID_RUN_WITH_FILES));
        EXPECT_TRUE(IsToolEnabled(dlg, ID_ADD_LOAD));
        EXPECT_NE(dlg.GetDlgItemText(IDC_FILEINFO), kMarker);

        // Cancelled: nothing scanned, the report refreshed all the same.
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CANCELLED, L""});
        dlg.SetDlgItemText(IDC_FILEINFO, kMarker);
        ClickToolButton(dlg, ID_SELECT_SOURCE);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listFolders.size(), 2u);
        EXPECT_EQ(run.m_seams.m_listFolders[1].req.strInitialPath, src.dir / L"one");
        EXPECT_EQ(Outline(dlg.m_tree), (std::vector<std::wstring>{L"[ root ]", L"  sub"}));
        EXPECT_NE(dlg.GetDlgItemText(IDC_FILEINFO), kMarker);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainSource, AddLoadBelowTheSelectedDirectoryOrTheRootAsAnswered)
{
    CSources src;
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    auto selectSub = [&] {
        HTREEITEM hSub = tree.GetChildItem(tree.GetRootItem());
        ASSERT_NE(hSub, nullptr);
        ASSERT_EQ(tree.GetItemText(hSub), L"sub");
        tree.SelectItem(hSub);
    };
    run.Step([&] {
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src.dir / L"one"});
        ClickToolButton(dlg, ID_SELECT_SOURCE);
    });
    run.Step([&] {
        selectSub();
        // Cancel: nothing loaded, the source stays, the report is left as it is.
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src.dir / L"two"});
        run.m_seams.m_listMessageAnswers.push_back(IDCANCEL);
        dlg.SetDlgItemText(IDC_FILEINFO, kMarker);
        ClickToolButton(dlg, ID_ADD_LOAD);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listFolders.size(), 2u);
        const CFolderRequest &req = run.m_seams.m_listFolders[1].req;
        EXPECT_EQ(req.strCaption, L"複写元(追加読込)ﾃﾞｨﾚｸﾄﾘの選択");
        EXPECT_EQ(req.strPrompt, L"複写元(追加読込)ﾃﾞｨﾚｸﾄﾘを選択してください。");
        EXPECT_EQ(req.strInitialPath, src.dir / L"one");
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        const CAskedMessage &asked = run.m_seams.m_listMessages[0];
        EXPECT_EQ(asked.strText, L"現在選択されているﾃﾞｨﾚｸﾄﾘ( \"sub\" )の下に追加読み込みします。\n"
                                 L"(「いいえ」を選択すると最上位( \"[ root ]\" )に追加されます)\nよろしいですか ?");
        EXPECT_EQ(asked.strCaption, L"確認");
        EXPECT_EQ(asked.nType, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
        EXPECT_EQ(Outline(tree), (std::vector<std::wstring>{L"[ root ]", L"  sub"}));
        EXPECT_EQ(dlg.m_strSourcePath, src.dir / L"one");
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), kMarker);

        // Yes: below the selected directory.
        selectSub();
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src.dir / L"two"});
        run.m_seams.m_listMessageAnswers.push_back(IDYES);
        ClickToolButton(dlg, ID_ADD_LOAD);
    });
    run.Step([&] {
        EXPECT_EQ(Outline(tree), (std::vector<std::wstring>{L"[ root ]", L"  sub", L"    ネスト"}));
        EXPECT_EQ(dlg.m_strSourcePath, src.dir / L"two");
        // No: at the top level, below the root.
        selectSub();
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src.dir / L"two"});
        run.m_seams.m_listMessageAnswers.push_back(IDNO);
        ClickToolButton(dlg, ID_ADD_LOAD);
    });
    run.Step([&] {
        EXPECT_EQ(Outline(tree), (std::vector<std::wstring>{L"[ root ]", L"  sub", L"    ネスト", L"  ネスト"}));
        EXPECT_EQ(run.m_seams.m_listMessages.size(), 3u);
        // The root selected: below it, without a question.
        tree.SelectItem(tree.GetRootItem());
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, src.dir / L"one"});
        ClickToolButton(dlg, ID_ADD_LOAD);
    });
    run.Step([&] {
        EXPECT_EQ(run.m_seams.m_listMessages.size(), 3u);
        std::vector<std::wstring> outline = Outline(tree);
        EXPECT_EQ(std::count(outline.begin(), outline.end(), L"  sub"), 2);
        EXPECT_FALSE(dlg.IsBusy());
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

} // namespace
