// Where a run may write, checked before its confirmation, and commands that arrive while another
// is under way, on the real main window.
#include "MainDlgRun.h"
#include "FileHelpers.h"

#include "app/ToolCommands.h"
#include "support/Pump.h"

namespace {

// Answers in order and can act while a question is up.
class CActingSeams : public CMainWindowSeams {
public:
    using CMainWindowSeams::CMainWindowSeams;
    std::function<void(const std::wstring &strCaption)> m_fnWhileAsked;
    int MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType) override
    {
        if (m_fnWhileAsked)
            m_fnWhileAsked(strCaption);
        return CScriptedSeams::MessageBox(hOwner, strText, strCaption, nType);
    }
};

class RunDestination : public CMainWindowTest<CActingSeams> {
protected:
    // The tree as a scan of m_dir\src leaves it: the root read from there, one directory "a".
    void LoadTree()
    {
        ASSERT_TRUE(m_dir.MakeDir(L"src\\sub"));
        Tree().GetItemRecord(Tree().GetRootItem())->m_strSourcePath = m_dir / L"src";
        ASSERT_NE(Tree().InsertItemData(nullptr, MakeDirRecord(L"a", {}, m_dir / L"src\\sub"), TVI_SORT), nullptr);
    }
    void Close()
    {
        m_seams.m_fnWhileAsked = nullptr;
        m_seams.m_listMessageAnswers.push_back(IDOK);
        m_run.m_dlg.PostMessage(WM_CLOSE);
    }
};

TEST_F(RunDestination, OnlyAnAbsoluteDestinationOutsideTheSourceReachesTheConfirmation)
{
    // Relative forms would land below the current directory: make it one the test watches.
    ASSERT_TRUE(m_dir.MakeDir(L"cwd"));
    wchar_t szBefore[MAX_PATH] = L"";
    ::GetCurrentDirectoryW(MAX_PATH, szBefore);
    ASSERT_TRUE(::SetCurrentDirectoryW((m_dir / L"cwd").c_str()));
    m_run.Step([&] {
        LoadTree();
        struct {
            std::wstring strInput;
            const wchar_t *pszInText; // a part of the error message
        } refused[] = {
            {L"backup", L"ﾄﾞﾗｲﾌﾞ名から始まる"},
            {L"C:backup", L"ﾄﾞﾗｲﾌﾞ名から始まる"},
            {L"\\backup", L"ﾄﾞﾗｲﾌﾞ名から始まる"},
            {m_dir / L"src", L"複写元ﾃﾞｨﾚｸﾄﾘと同じか"},
            {m_dir / L"src\\", L"複写元ﾃﾞｨﾚｸﾄﾘと同じか"},
            {m_dir / L"src\\sub\\out", L"複写元ﾃﾞｨﾚｸﾄﾘと同じか"},
            {m_dir / L"SRC\\new", L"複写元ﾃﾞｨﾚｸﾄﾘと同じか"},
            {m_dir / L"cwd\\..\\src\\x", L"複写元ﾃﾞｨﾚｸﾄﾘと同じか"},
            {m_dir / L"bad*name", L"使えません"},
        };
        for (const auto &c : refused) {
            for (UINT nCommand : {ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES}) {
                m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, c.strInput);
                // Cancel, whatever is asked: a confirmation would not run.
                Command(nCommand, {IDCANCEL});
                ASSERT_EQ(m_seams.m_listMessages.size(), 1u) << c.strInput;
                const CAskedMessage &m = m_seams.m_listMessages[0];
                EXPECT_EQ(m.strCaption, L"Error") << c.strInput;
                EXPECT_EQ(m.nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
                EXPECT_NE(m.strText.find(c.pszInText), std::wstring::npos) << c.strInput << L" / " << m.strText;
            }
        }
        // A picker's choice inside the source is refused the same way.
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, L"  ");
        m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, m_dir / L"src\\sub"});
        Command(ID_RUN_DIRS_ONLY, {IDCANCEL});
        EXPECT_EQ(m_seams.m_listFolders.size(), 1u);
        EXPECT_EQ(Captions(), std::vector<std::wstring>{L"Error"});

        EXPECT_TRUE(ListDir(m_dir / L"cwd").empty());
        EXPECT_EQ(ListDir(m_dir / L"src").size(), 1u);
        EXPECT_TRUE(ListDir(m_dir / L"src\\sub").empty());
        EXPECT_FALSE(PathExists(m_dir / L"bad*name"));

        // Blanks around it are dropped; the confirmation and the edit show the path that is run.
        const std::wstring strDst = m_dir / L"dst";
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, L" " + m_dir.Path() + L"\\cwd\\..\\dst\\ ");
        Command(ID_RUN_DIRS_ONLY, {IDOK, IDOK});
        ASSERT_EQ(Captions(), (std::vector<std::wstring>{L"確認", L"Result ..."}));
        EXPECT_EQ(m_seams.m_listMessages[0].strText, L"\"" + strDst + L"\"に作成します。\nよろしいですか ?");
        EXPECT_EQ(m_seams.m_listMessages[1].strText, L"全て正常に処理できました。");
        EXPECT_EQ(m_run.m_dlg.GetDlgItemText(IDC_DEST_PATH), strDst);
        EXPECT_TRUE(PathExists(strDst + L"\\a"));
        EXPECT_TRUE(ListDir(m_dir / L"cwd").empty());
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
    ::SetCurrentDirectoryW(szBefore);
}

TEST_F(RunDestination, ACommandArrivingWhileAnotherIsUnderWayIsIgnored)
{
    const std::wstring strDst = m_dir / L"dst";
    m_run.Step([&] {
        LoadTree();
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, strDst);

        // Posted while the confirmation is up: the run pumps them while busy.
        m_seams.m_fnWhileAsked = [&](const std::wstring &strCaption) {
            if (strCaption == L"確認") {
                m_run.m_dlg.PostMessage(WM_TOOLCOMMAND, ID_RUN_DIRS_ONLY);
                m_run.m_dlg.PostMessage(WM_TOOLCOMMAND, ID_CLEAR_TREE);
            }
        };
        Command(ID_RUN_DIRS_ONLY, {IDOK, IDOK});
        EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"確認", L"Result ..."}));
        PumpMessages();
        EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"確認", L"Result ..."}));
        EXPECT_EQ(Tree().GetCount(), 2u);
        EXPECT_TRUE(PathExists(strDst + L"\\a"));

        // Handled while a question of a command is up, as a message box's own loop does.
        m_seams.m_fnWhileAsked = [&](const std::wstring &strCaption) {
            if (strCaption == L"確認") {
                m_run.m_dlg.PostMessage(WM_TOOLCOMMAND, ID_CLEAR_TREE);
                PumpMessages();
            }
        };
        Command(ID_RUN_DIRS_ONLY, {IDCANCEL});
        EXPECT_EQ(Captions(), std::vector<std::wstring>{L"確認"});
        EXPECT_EQ(Tree().GetCount(), 2u);

        // Once idle, the same command runs.
        m_seams.m_fnWhileAsked = nullptr;
        m_seams.m_listMessageAnswers = {IDOK};
        m_run.m_dlg.PostMessage(WM_TOOLCOMMAND, ID_CLEAR_TREE);
        PumpMessages();
        EXPECT_EQ(Tree().GetCount(), 1u);
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

} // namespace
