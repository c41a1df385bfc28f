// The main window as a person meets it: its controls and tool bar, which commands it offers when,
// new directories named at once with Enter or Escape, deleting one, and leaving through the exit
// question with or without the settings written.
#include "Controls.h"
#include "Dialogs.h"
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

namespace {

class MainWindow : public CPelnixScenario {
protected:
    // The five commands that depend on the tree: run (directories), run (files), add-load, delete, attributes.
    std::vector<bool> TreeCommandStates() const
    {
        HWND hBar = Control(IDC_TOOLBAR);
        std::vector<bool> list;
        for (int nID : {ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES, ID_ADD_LOAD, ID_DELETE_DIR, ID_EDIT_ATTRIBUTES})
            list.push_back(IsToolButtonEnabled(hBar, nID));
        return list;
    }
    bool OthersEnabled() const
    {
        HWND hBar = Control(IDC_TOOLBAR);
        for (int nID :
             {ID_CLEAR_TREE, ID_SELECT_SOURCE, ID_SELECT_DEST, ID_APP_EXIT, ID_ADD_DIR, ID_APP_ABOUT, ID_OPTIONS})
            if (!IsToolButtonEnabled(hBar, nID))
                return false;
        return true;
    }
    // Dir追加: the new node, its label open for editing.
    HWND AddDirectory()
    {
        PressToolButton(Control(IDC_TOOLBAR), ID_ADD_DIR);
        return WaitFor<HWND>(
            [&] { return reinterpret_cast<HWND>(::SendMessageW(Control(IDC_DIRTREE), TVM_GETEDITCONTROL, 0, 0)); },
            L"the new directory's label edit");
    }
};

TEST_F(MainWindow, StartsWithTheToolBarAndOnlyTheCommandsThatApply)
{
    ASSERT_NE(StartPelnix(), nullptr);
    ASSERT_TRUE(::IsWindowVisible(m_hMain));
    EXPECT_EQ(GetText(m_hMain), PELNIX_CAPTION);
    EXPECT_EQ(WindowClass(Control(IDC_DIRTREE)), WC_TREEVIEWW);
    EXPECT_EQ(WindowClass(Control(IDC_TOOLBAR)), TOOLBARCLASSNAMEW);
    EXPECT_EQ(GetText(Control(IDC_SELECT_DEST)), L"複写先 :");
    // Files are off by default: the report pane is hidden.
    EXPECT_FALSE(::IsWindowVisible(Control(IDC_FILEINFO)));

    std::vector<int> listCommands;
    for (const CToolButton &b : GetToolButtons(Control(IDC_TOOLBAR)))
        listCommands.push_back(b.IsSeparator() ? 0 : b.nCommand);
    EXPECT_EQ(listCommands, (std::vector<int>{ID_CLEAR_TREE, ID_SELECT_SOURCE, ID_ADD_LOAD, ID_SELECT_DEST, 0,
                                              ID_ADD_DIR, ID_DELETE_DIR, 0, ID_EDIT_ATTRIBUTES, ID_OPTIONS, 0,
                                              ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES, 0, ID_APP_EXIT, 0, ID_APP_ABOUT}));

    // Fresh start: nothing to run, add to or delete.
    EXPECT_EQ(TreeCommandStates(), (std::vector<bool>{false, false, false, false, false}));
    EXPECT_TRUE(OthersEnabled());
    Shot(L"main-window");

    // A directory is content; with files off the run with files stays off.
    HWND hEdit = AddDirectory();
    PressKey(hEdit, VK_ESCAPE);
    EXPECT_EQ(TreeCommandStates(), (std::vector<bool>{true, false, true, true, true}));
    ExitConfirmed();
}

TEST_F(MainWindow, WithFilesOnTheReportShowsAndTheRunWithFilesIsOffered)
{
    WriteSettings(L"[CopyFile]\r\nNotCopyFile=0\r\n");
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hReport = Control(IDC_FILEINFO);
    EXPECT_TRUE(::IsWindowVisible(hReport));
    EXPECT_EQ(GetText(hReport), L"--- << [ root ] >> には複写対象ﾌｧｲﾙの情報はありません ---");
    EXPECT_EQ(TreeCommandStates(), (std::vector<bool>{false, false, false, false, false}));

    HWND hEdit = AddDirectory();
    PressKey(hEdit, VK_RETURN);
    EXPECT_EQ(TreeCommandStates(), (std::vector<bool>{true, true, true, true, true}));
    EXPECT_EQ(GetText(hReport), L"--- << 新規 SubDir >> には複写対象ﾌｧｲﾙの情報はありません ---");
    Shot(L"main-window-files");
    ExitConfirmed();
}

TEST_F(MainWindow, NewDirectoryIsNamedWithEnterOrKeepsItsNameWithEscapeAndTheWindowStays)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE);

    HWND hEdit = AddDirectory();
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  新規 SubDir"}));
    TypeText(hEdit, L"作業 ﾌｫﾙﾀﾞ");
    PressKey(hEdit, VK_RETURN);
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  作業 ﾌｫﾙﾀﾞ"}));

    // A second one below the selected new node; Escape keeps its first name.
    hEdit = AddDirectory();
    TypeText(hEdit, L"捨てる名前");
    PressKey(hEdit, VK_ESCAPE);
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  作業 ﾌｫﾙﾀﾞ", L"    新規 SubDir"}));
    EXPECT_EQ(::SendMessageW(hTree, TVM_GETEDITCONTROL, 0, 0), 0);

    // Enter and Escape with no edit open leave the window as it is.
    PressKey(m_hMain, VK_RETURN);
    PressKey(m_hMain, VK_ESCAPE);
    EXPECT_TRUE(::IsWindowVisible(m_hMain));
    EXPECT_TRUE(m_app.IsRunning());
    ExitConfirmed();
}

TEST_F(MainWindow, DeletesADirectoryAfterItsQuestion)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE), hBar = Control(IDC_TOOLBAR);
    TypeText(AddDirectory(), L"消す");
    PressKey(m_hMain, VK_RETURN);
    ASSERT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  消す"}));
    SelectTreeItem(hTree, FindTreeItem(hTree, {L"[ root ]", L"消す"}));

    PressToolButton(hBar, ID_DELETE_DIR);
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDCANCEL), L"\"消す\" をﾃﾞｨﾚｸﾄﾘﾂﾘｰから削除します。\nよろしいですか ?");
    m_app.Sync();
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  消す"}));

    PressToolButton(hBar, ID_DELETE_DIR);
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDOK), L"\"消す\" をﾃﾞｨﾚｸﾄﾘﾂﾘｰから削除します。\nよろしいですか ?");
    m_app.Sync();
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]"}));
    EXPECT_EQ(TreeCommandStates(), (std::vector<bool>{false, false, false, false, false}));
    ExitConfirmed();
}

TEST_F(MainWindow, ExitCancelledKeepsTheSettingsFileAndConfirmedWritesIt)
{
    WriteSettings(L"[CopyFile]\r\nFileOverWriteMode=3\r\n[Common]\r\nWindowPos=60,50,660,530\r\n");
    const std::string strBefore = SettingsBytes();
    ASSERT_NE(StartPelnix(), nullptr);
    RECT rc = {};
    ::GetWindowRect(m_hMain, &rc);
    EXPECT_EQ(rc.right - rc.left, 600);
    EXPECT_EQ(rc.bottom - rc.top, 480);

    m_app.PostClose();
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDCANCEL), L"Pelnixを終了します。");
    m_app.Sync();
    EXPECT_TRUE(m_app.IsRunning());
    EXPECT_EQ(SettingsBytes(), strBefore);

    PressToolButton(Control(IDC_TOOLBAR), ID_APP_EXIT);
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDOK), L"Pelnixを終了します。");
    EXPECT_EQ(m_app.WaitExit(), 0u);
    const std::string strAfter = SettingsBytes();
    ASSERT_NE(strAfter, strBefore);
    ASSERT_GT(strAfter.size(), 2u);
    std::wstring strText(reinterpret_cast<const wchar_t *>(strAfter.data() + 2), (strAfter.size() - 2) / 2);
    for (const wchar_t *pszKey :
         {L"[Install]", L"[Common]", L"[CopyFile]", L"[ErrorLog]", L"FileOverWriteMode=3", L"NotCopyFile=1"})
        EXPECT_NE(strText.find(pszKey), std::wstring::npos) << Utf8(pszKey);
}

} // namespace
