// The main window's commands on the real dialog: the route from a tool bar click, the tree
// commands, label editing with Enter and Escape, the destination and the exit sequence.
#include "FileHelpers.h"
#include "MainDlgRun.h"

#include "app/ToolCommands.h"
#include "dialogs/VersionDlg.h"

namespace {

// The children's labels of a node, in order.
std::vector<std::wstring> ChildLabels(const CDirTreeCtrl &tree, HTREEITEM hParent)
{
    std::vector<std::wstring> list;
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h))
        list.push_back(tree.GetItemText(h));
    return list;
}

TEST(MainCommands, ToolBarClicksArePostedAndRunFromTheQueue)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    HTREEITEM hRoot = nullptr;
    run.Step([&] {
        hRoot = tree.GetRootItem();
        ClickToolButton(dlg, ID_ADD_DIR);
        // The click only posted the command.
        EXPECT_EQ(tree.GetCount(), 1u);
        MSG msg;
        EXPECT_TRUE(::PeekMessageW(&msg, dlg.m_hWnd, WM_TOOLCOMMAND, WM_TOOLCOMMAND, PM_NOREMOVE));
        EXPECT_EQ(msg.wParam, static_cast<WPARAM>(ID_ADD_DIR));
    });
    run.Step([&] {
        // A new directory below the selected root, its label open for editing.
        EXPECT_EQ(ChildLabels(tree, hRoot), std::vector<std::wstring>{L"新規 SubDir"});
        HTREEITEM hNew = tree.GetChildItem(hRoot);
        EXPECT_EQ(tree.GetSelectedItem(), hNew);
        EXPECT_NE(tree.GetEditControl(), nullptr);
        EXPECT_TRUE(tree.m_bEditing);
        const CItemInfo *pNew = tree.GetItemRecord(hNew);
        ASSERT_NE(pNew, nullptr);
        EXPECT_TRUE(pNew->IsKind(ITEM_KIND_DIR));
        EXPECT_EQ(pNew->m_hTreeItem, hNew);
        EXPECT_TRUE(IsToolEnabled(dlg, ID_DELETE_DIR));
        EXPECT_TRUE(IsToolEnabled(dlg, ID_RUN_DIRS_ONLY));
        // A disabled button posts nothing; an id outside the tool bar's is ignored.
        tree.SelectItem(hRoot);
        ClickToolButton(dlg, ID_DELETE_DIR);
        dlg.PostMessage(WM_TOOLCOMMAND, ID_TOOL_LAST + 1);
        dlg.PostMessage(WM_TOOLCOMMAND, ID_TOOL_FIRST - 1);
    });
    run.Step([&] {
        EXPECT_EQ(tree.GetCount(), 2u);
        EXPECT_TRUE(run.m_seams.m_listMessages.empty());
        EXPECT_TRUE(run.m_seams.m_listBeeps.empty());
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainCommands, NewDirectoryGoesBelowTheSelectionAndEnterOrEscapeEndTheEdit)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    HTREEITEM hParent = nullptr, hNew = nullptr;
    run.Step([&] {
        hParent = tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"親"), TVI_SORT);
        ASSERT_NE(hParent, nullptr);
        ASSERT_NE(tree.InsertItemData(hParent, MakeDirRecord(L"AAA"), TVI_SORT), nullptr);
        ASSERT_NE(tree.InsertItemData(hParent, MakeDirRecord(L"zzz"), TVI_SORT), nullptr);
        tree.SelectItem(hParent);
        ClickToolButton(dlg, ID_ADD_DIR);
    });
    run.Step([&] {
        // Sorted among the selected node's children.
        EXPECT_EQ(ChildLabels(tree, hParent), (std::vector<std::wstring>{L"AAA", L"zzz", L"新規 SubDir"}));
        hNew = tree.GetSelectedItem();
        ASSERT_EQ(tree.GetParentItem(hNew), hParent);
        HWND hEdit = tree.GetEditControl();
        ASSERT_NE(hEdit, nullptr);
        ::SetWindowTextW(hEdit, L"作業");
        dlg.PostButtonClick(IDOK); // Enter
    });
    run.Step([&] {
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_FALSE(tree.m_bEditing);
        EXPECT_EQ(tree.GetItemText(hNew), L"作業");
        EXPECT_EQ(tree.GetItemRecord(hNew)->m_strName, L"作業");
        ASSERT_NE(tree.EditLabel(hNew), nullptr);
        ::SetWindowTextW(tree.GetEditControl(), L"捨てる");
        dlg.PostButtonClick(IDCANCEL); // Escape
    });
    run.Step([&] {
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_FALSE(tree.m_bEditing);
        EXPECT_EQ(tree.GetItemText(hNew), L"作業");
        // Without an edit in progress the keys do nothing at all.
        dlg.PostButtonClick(IDOK);
        dlg.PostButtonClick(IDCANCEL);
    });
    run.Step([&] {
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_TRUE(run.m_seams.m_listMessages.empty());
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainCommands, DeleteAsksThroughTheTreeAndRefreshesTheReport)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    run.Step([&] {
        HTREEITEM hDir = tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"消す", {100}), TVI_SORT);
        ASSERT_NE(hDir, nullptr);
        run.m_seams.m_listMessageAnswers.push_back(IDCANCEL);
        ClickToolButton(dlg, ID_DELETE_DIR);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(run.m_seams.m_listMessages[0].strText, L"\"消す\" をﾃﾞｨﾚｸﾄﾘﾂﾘｰから削除します。\nよろしいですか ?");
        EXPECT_EQ(tree.GetCount(), 2u);
        EXPECT_FALSE(dlg.IsBusy());
        EXPECT_FALSE(tree.m_bLocked);
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        ClickToolButton(dlg, ID_DELETE_DIR);
    });
    run.Step([&] {
        EXPECT_EQ(tree.GetCount(), 1u);
        EXPECT_EQ(tree.GetSelectedItem(), tree.GetRootItem());
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"--- << [ root ] >> には複写対象ﾌｧｲﾙの情報はありません ---");
        EXPECT_FALSE(IsToolEnabled(dlg, ID_DELETE_DIR));
        EXPECT_FALSE(IsToolEnabled(dlg, ID_RUN_DIRS_ONLY));
        // Nothing selected: a beep and nothing else.
        tree.SelectItem(nullptr);
        dlg.DispatchCommand(ID_DELETE_DIR);
        EXPECT_EQ(run.m_seams.m_listBeeps, std::vector<UINT>{0});
        EXPECT_EQ(run.m_seams.m_listMessages.size(), 2u);
        EXPECT_EQ(tree.GetCount(), 1u);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainCommands, ClearAsksAndLeavesTheRootAlone)
{
    CMainDlgRun run(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    run.Step([&] {
        HTREEITEM hDir = tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"A", {1}), TVI_SORT);
        ASSERT_NE(tree.InsertItemData(hDir, MakeDirRecord(L"B"), TVI_SORT), nullptr);
        run.m_seams.m_listMessageAnswers.push_back(IDCANCEL);
        ClickToolButton(dlg, ID_CLEAR_TREE);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(run.m_seams.m_listMessages[0].strText, L"ﾃﾞｨﾚｸﾄﾘﾂﾘｰ/ﾌｧｲﾙ情報を消去します。\nよろしいですか ?");
        EXPECT_EQ(tree.GetCount(), 3u);
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        ClickToolButton(dlg, ID_CLEAR_TREE);
    });
    run.Step([&] {
        EXPECT_EQ(tree.GetCount(), 1u);
        EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), L"[ root ]");
        EXPECT_FALSE(IsToolEnabled(dlg, ID_RUN_DIRS_ONLY));
        EXPECT_FALSE(IsToolEnabled(dlg, ID_ADD_LOAD));
        EXPECT_TRUE(IsToolEnabled(dlg, ID_CLEAR_TREE));
        EXPECT_EQ(dlg.GetDlgItemText(IDC_FILEINFO), L"--- << [ root ] >> には複写対象ﾌｧｲﾙの情報はありません ---");
        // An empty root is cleared without a question.
        ClickToolButton(dlg, ID_CLEAR_TREE);
    });
    run.Step([&] {
        EXPECT_EQ(run.m_seams.m_listMessages.size(), 2u);
        EXPECT_EQ(tree.GetCount(), 1u);
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

// The about box: modal, owned by the main window, which is busy until it closes.
TEST(MainCommands, VersionInformationRunsModallyWhileBusy)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        run.m_seams.m_listDialogActions.push_back([&](CDialog &d) {
            auto *pVersion = dynamic_cast<CVersionDlg *>(&d);
            ASSERT_NE(pVersion, nullptr);
            EXPECT_EQ(pVersion->GetWindowText(), L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)");
            EXPECT_EQ(::GetWindow(d.m_hWnd, GW_OWNER), dlg.m_hWnd);
            EXPECT_EQ(pVersion->m_nCloseDelay, 30);
            EXPECT_TRUE(pVersion->m_bitmap);
            EXPECT_TRUE(dlg.IsBusy());
            EXPECT_FALSE(IsToolEnabled(dlg, ID_APP_ABOUT));
            EXPECT_FALSE(::IsWindowEnabled(dlg.GetDlgItem(IDC_DEST_PATH)));
            d.PostButtonClick(IDOK);
        });
        ClickToolButton(dlg, ID_APP_ABOUT);
    });
    run.Step([&] {
        EXPECT_EQ(run.m_seams.m_nDialogs, 2); // the main window and the about box
        EXPECT_FALSE(dlg.IsBusy());
        EXPECT_TRUE(IsToolEnabled(dlg, ID_APP_ABOUT));
        EXPECT_TRUE(::IsWindowEnabled(dlg.GetDlgItem(IDC_DEST_PATH)));
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainCommands, DestinationStartsAtTheTypedTextAndKeepsItOnCancel)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    run.Step([&] {
        dlg.SetDlgItemText(IDC_DEST_PATH, L"Z:\\打った\\先");
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CANCELLED, L""});
        dlg.PostButtonClick(IDC_SELECT_DEST);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listFolders.size(), 1u);
        const CFolderRequest &req = run.m_seams.m_listFolders[0].req;
        EXPECT_EQ(req.strCaption, L"複写先ﾃﾞｨﾚｸﾄﾘの選択");
        EXPECT_EQ(req.strPrompt, L"複写先ﾃﾞｨﾚｸﾄﾘを選択してください。");
        EXPECT_EQ(req.strInitialPath, L"Z:\\打った\\先");
        EXPECT_EQ(req.hOwner, dlg.m_hWnd);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_DEST_PATH), L"Z:\\打った\\先");
        EXPECT_EQ(dlg.m_strDestination, L"Z:\\打った\\先");
        run.m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, L"C:\\選んだ"});
        ClickToolButton(dlg, ID_SELECT_DEST);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listFolders.size(), 2u);
        EXPECT_EQ(run.m_seams.m_listFolders[1].req.strInitialPath, L"Z:\\打った\\先");
        EXPECT_EQ(dlg.GetDlgItemText(IDC_DEST_PATH), L"C:\\選んだ");
        EXPECT_EQ(dlg.m_strDestination, L"C:\\選んだ");
        EXPECT_FALSE(dlg.IsBusy());
        CloseConfirmed(run);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
}

TEST(MainCommands, ExitCancelledLeavesTheSettingsFileUntouchedAndConfirmedWritesIt)
{
    const std::wstring strIni = L"[CopyFile]\r\nNotCopyFile=0\r\nFileOverWriteMode=2\r\nUnknownKey=1\r\n"
                                L"[Mine]\r\nKeep=yes\r\n";
    CMainDlgRun run(strIni);
    CMainDlg &dlg = run.m_dlg;
    const std::string strBefore = FileBytes(run.IniPath());
    run.Step([&] {
        run.m_seams.m_listMessageAnswers.push_back(IDCANCEL);
        dlg.PostMessage(WM_CLOSE);
    });
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        const CAskedMessage &asked = run.m_seams.m_listMessages[0];
        EXPECT_EQ(asked.strText, L"Pelnixを終了します。");
        EXPECT_EQ(asked.strCaption, L"確認");
        EXPECT_EQ(asked.nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
        EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd));
        EXPECT_EQ(FileBytes(run.IniPath()), strBefore);
        // The exit button asks the same question.
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        ClickToolButton(dlg, ID_APP_EXIT);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
    ASSERT_EQ(run.m_seams.m_listMessages.size(), 2u);
    EXPECT_EQ(run.m_seams.m_listMessages[1].strText, L"Pelnixを終了します。");

    // Written: the program's sections in full, the unknown key and other sections kept.
    const std::string strAfter = FileBytes(run.IniPath());
    ASSERT_NE(strAfter, strBefore);
    std::wstring strText(reinterpret_cast<const wchar_t *>(strAfter.data() + 2), (strAfter.size() - 2) / 2);
    EXPECT_NE(strText.find(L"[Install]"), std::wstring::npos);
    EXPECT_NE(strText.find(L"WindowPos="), std::wstring::npos);
    EXPECT_NE(strText.find(L"FileOverWriteMode=2"), std::wstring::npos);
    EXPECT_NE(strText.find(L"NotCopyFile=0"), std::wstring::npos);
    EXPECT_NE(strText.find(L"UnknownKey"), std::wstring::npos);
    EXPECT_NE(strText.find(L"Keep=yes"), std::wstring::npos);
}

TEST(MainCommands, ExitOffersToDeleteTheErrorLogOfThisProcess)
{
    for (int nAnswer : {IDNO, IDYES}) {
        CTempDir logs;
        const std::wstring strLog = logs / (L"PLX[" + [] {
                                        wchar_t sz[16];
                                        swprintf(sz, 16, L"%08X", static_cast<unsigned>(::GetCurrentProcessId()));
                                        return std::wstring(sz);
                                    }() + L"].err");
        ASSERT_TRUE(logs.WriteFile(strLog.substr(logs.Path().size() + 1), "log\r\n"));
        // Logging is off: the file may be there from before it was switched off.
        CMainDlgRun run(L"[ErrorLog]\r\nUseErrorLog=0\r\nErrorLogFilePath=" + logs.Path() + L"\r\n");
        run.Step([&] {
            run.m_seams.m_listMessageAnswers.push_back(IDOK);
            run.m_seams.m_listMessageAnswers.push_back(nAnswer);
            run.m_dlg.PostMessage(WM_CLOSE);
        });
        EXPECT_EQ(run.Run(), IDCANCEL);
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 2u);
        const CAskedMessage &asked = run.m_seams.m_listMessages[1];
        EXPECT_EQ(asked.strText, L"※ ｴﾗｰﾛｸﾞﾌｧｲﾙを削除しますか ?\n\n   LogFile : " + strLog + L"\n");
        EXPECT_EQ(asked.strCaption, L"確認");
        EXPECT_EQ(asked.nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(::GetFileAttributesW(strLog.c_str()) != INVALID_FILE_ATTRIBUTES, nAnswer == IDNO);
        // The settings were saved before the question.
        EXPECT_NE(FileBytes(run.IniPath()).find("I\0n\0s\0t\0a\0l\0l\0", 0, 14), std::string::npos);
    }
}

TEST(MainCommands, ExitEndsNormallyWhenTheSettingsFileCannotBeWritten)
{
    // A directory where the file should be: nothing can be read from it or written to it. The
    // start says so; the exit asks its question only.
    CMainDlgRun run;
    ASSERT_TRUE(run.m_dir.MakeDir(L"Pelnix.ini"));
    run.m_seams.m_listMessageAnswers = {IDOK};
    run.Step([&] { CloseConfirmed(run); });
    EXPECT_EQ(run.Run(), IDCANCEL);
    ASSERT_EQ(run.m_seams.m_listMessages.size(), 2u);
    EXPECT_EQ(run.m_seams.m_listMessages[0].strText.find(L"※ 設定ﾌｧｲﾙを読み込む事ができませんでした。"), 0u);
    EXPECT_EQ(run.m_seams.m_listMessages[1].strText, L"Pelnixを終了します。");
    DWORD dwAttr = ::GetFileAttributesW(run.IniPath().c_str());
    EXPECT_TRUE(dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY));
}

} // namespace
