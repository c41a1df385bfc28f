// The run command: its texts and space rule as values, then the real main window's checks,
// questions and both runs on real directories.
#include "MainDlgRun.h"
#include "FileHelpers.h"
#include "SmallDrive.h"

#include "app/RunChecks.h"
#include "app/ToolCommands.h"
#include "copy/CopyWorker.h"

namespace {

const wchar_t kUnprocessedParagraph[] =
    L"\n※ 前回実行した時に、複写先容量不足等のｴﾗｰや\n※ 処理の中止が原因で処理されなかったﾌｧｲﾙのみ\n"
    L"※ 複写対象にします。\n※ (上書きﾁｪｯｸの結果複写されなかったﾌｧｲﾙは除きます)\n\n";

TEST(RunChecks, ConfirmationTexts)
{
    struct {
        bool bDirectoryOnly, bOnlyUnprocessed;
        std::wstring strExpected;
    } cases[] = {
        {true, false, L"\"D:\\先\"に作成します。\nよろしいですか ?"},
        {false, false, L"\"D:\\先\"に作成/複写します。\nよろしいですか ?"},
        {false, true, L"\"D:\\先\"に作成/複写します。\n" + std::wstring(kUnprocessedParagraph) + L"よろしいですか ?"},
        // A directories-only run never has the paragraph.
        {true, true, L"\"D:\\先\"に作成します。\nよろしいですか ?"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RunConfirmText(L"D:\\先", c.bDirectoryOnly, c.bOnlyUnprocessed), c.strExpected)
            << c.bDirectoryOnly << c.bOnlyUnprocessed;
}

TEST(RunChecks, DiskShortQuestionGroupsBothFigures)
{
    EXPECT_EQ(DiskShortQuestion(1234567, 4096), L"※ 複写先ﾃﾞｨｽｸに充分な空き容量がありません。\n\n"
                                                L"   複写予定ﾌｧｲﾙｻｲｽﾞ合計 : 1,234,567 byte(s)\n"
                                                L"   複写先の空きﾃﾞｨｽｸ容量 : 4,096 byte(s)\n\n"
                                                L"処理を実行してもよろしいですか ?");
    // Past 4 GiB the figures do not wrap.
    const std::wstring str = DiskShortQuestion(5000000000ull, 0);
    EXPECT_NE(str.find(L": 5,000,000,000 byte(s)\n"), std::wstring::npos) << str;
    EXPECT_NE(str.find(L": 0 byte(s)\n"), std::wstring::npos) << str;
}

TEST(RunChecks, SpaceQuestionByTotalFreeSpaceAndMode)
{
    struct {
        uint64_t nTotal, nFree;
        bool bOnlyUnprocessed;
        RunSpaceQuestion expected;
    } cases[] = {
        {1001, 1000, false, RUN_SPACE_SHORT},
        {1000, 1000, false, RUN_SPACE_NONE}, // an exact fit is enough
        {0, 0, false, RUN_SPACE_NONE},
        {0, 0, true, RUN_SPACE_NOTHING_LEFT},
        {0, 1000, true, RUN_SPACE_NOTHING_LEFT},
        {1, 1000, true, RUN_SPACE_NONE},
        {1001, 1000, true, RUN_SPACE_SHORT},
        {0x100000000ull, 0xFFFFFFFFull, false, RUN_SPACE_SHORT},    // no 32-bit wrap
        {UINT64_MAX - 1, DISK_FREE_UNKNOWN, false, RUN_SPACE_NONE}, // unknown space is never short
    };
    for (const auto &c : cases)
        EXPECT_EQ(RunSpaceCheck(c.nTotal, c.nFree, c.bOnlyUnprocessed), c.expected)
            << c.nTotal << " " << c.nFree << " " << c.bOnlyUnprocessed;
}

bool IsDirectory(const std::wstring &strPath)
{
    const DWORD dw = ::GetFileAttributesW(strPath.c_str());
    return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_DIRECTORY);
}

// Records what was asked, and whether the window was busy when the run's summary came.
class CRunCommandSeams : public CMainWindowSeams {
public:
    using CMainWindowSeams::CMainWindowSeams;
    std::vector<bool> m_listBusyAtResult;
    int MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType) override
    {
        if (strCaption == L"Result ...")
            m_listBusyAtResult.push_back(m_run.m_dlg.IsBusy() && m_run.m_dlg.m_tree.m_bLocked);
        return CScriptedSeams::MessageBox(hOwner, strText, strCaption, nType);
    }
};

// The main window with its own seams answering (they replace the run's while installed).
class RunCommand : public CMainWindowTest<CRunCommandSeams> {
protected:
    HTREEITEM Insert(HTREEITEM hParent, std::unique_ptr<CItemInfo> pRecord)
    {
        HTREEITEM h = Tree().InsertItemData(hParent, std::move(pRecord), TVI_SORT);
        EXPECT_NE(h, nullptr);
        return h;
    }
    // A step that waits until the window is no longer busy: a run's own message loop may deliver
    // the step's timer while the run is under way.
    void StepWhenIdle(std::function<void()> fn)
    {
        m_run.Step([this, fn] {
            if (m_run.m_dlg.IsBusy())
                StepWhenIdle(fn);
            else
                fn();
        });
    }
    void Close()
    {
        m_seams.m_listMessageAnswers.push_back(IDOK);
        m_run.m_dlg.PostMessage(WM_CLOSE);
    }
};

TEST_F(RunCommand, AnEmptyTreeIsRefusedAndOnlyTheRootWithFilesMayRunWithFiles)
{
    m_run.Step([&] {
        Command(ID_RUN_DIRS_ONLY, {IDOK});
        ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(m_seams.m_listMessages[0].strText, L"作成するﾃﾞｨﾚｸﾄﾘを設定してください。");
        EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));

        Command(ID_RUN_WITH_FILES, {IDOK});
        ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(m_seams.m_listMessages[0].strText, L"作成するﾃﾞｨﾚｸﾄﾘ/複写するﾌｧｲﾙを設定してください。");
        EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        EXPECT_TRUE(m_seams.m_listFolders.empty());

        // The root holding a file: a file run goes on to the confirmation, a directories-only run does not.
        auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
        pFile->m_strName = L"r.txt";
        Tree().GetItemRecord(Tree().GetRootItem())->AppendFile(std::move(pFile));
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, m_dir / L"dst");
        Command(ID_RUN_WITH_FILES, {IDCANCEL});
        ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"確認");
        EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
        Command(ID_RUN_DIRS_ONLY, {IDOK});
        EXPECT_EQ(Texts(), std::vector<std::wstring>{L"作成するﾃﾞｨﾚｸﾄﾘを設定してください。"});
        EXPECT_FALSE(PathExists(m_dir / L"dst"));
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

TEST_F(RunCommand, NoDestinationAsksForOneAndADeclinedConfirmationChangesNothing)
{
    const std::wstring strDst = m_dir / L"選んだ先";
    m_run.Step([&] {
        Insert(nullptr, MakeDirRecord(L"a"));
        // Cancelled picker: no message, nothing made.
        m_seams.m_listFolderAnswers.push_back({FOLDER_CANCELLED, L""});
        Command(ID_RUN_DIRS_ONLY, {});
        EXPECT_EQ(m_seams.m_listFolders.size(), 1u);
        EXPECT_TRUE(m_seams.m_listMessages.empty());
        EXPECT_EQ(m_run.m_dlg.GetDlgItemText(IDC_DEST_PATH), L"");

        // Chosen: it is the confirmation's destination; declining it leaves the disk alone.
        m_seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, strDst});
        Command(ID_RUN_DIRS_ONLY, {IDCANCEL});
        EXPECT_EQ(m_seams.m_listFolders.size(), 2u);
        EXPECT_EQ(Texts(), std::vector<std::wstring>{L"\"" + strDst + L"\"に作成します。\nよろしいですか ?"});
        EXPECT_EQ(m_run.m_dlg.GetDlgItemText(IDC_DEST_PATH), strDst);
        EXPECT_EQ(m_run.m_dlg.m_strDestination, strDst);
        EXPECT_FALSE(PathExists(strDst));
        EXPECT_FALSE(m_run.m_dlg.IsBusy());

        // A typed destination is taken as it is, without the picker.
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, m_dir / L"typed");
        Command(ID_RUN_DIRS_ONLY, {IDCANCEL});
        EXPECT_EQ(m_seams.m_listFolders.size(), 2u);
        EXPECT_EQ(m_run.m_dlg.m_strDestination, m_dir / L"typed");
        EXPECT_FALSE(PathExists(m_dir / L"typed"));
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

TEST_F(RunCommand, ShiftOrTheRightButtonMakesAFileRunUnprocessedOnly)
{
    const std::wstring strDst = m_dir / L"dst";
    const std::wstring strPlain = L"\"" + strDst + L"\"に作成/複写します。\nよろしいですか ?";
    const std::wstring strOnly =
        L"\"" + strDst + L"\"に作成/複写します。\n" + kUnprocessedParagraph + L"よろしいですか ?";
    m_run.Step([&] {
        auto pDir = MakeDirRecord(L"a", {10, 20});
        for (auto &pFile : pDir->m_listFiles)
            pFile->SetProcessed(true);
        Insert(nullptr, std::move(pDir));
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, strDst);

        Command(ID_RUN_WITH_FILES, {IDCANCEL});
        EXPECT_EQ(Texts(), std::vector<std::wstring>{strPlain});
        for (int vk : {VK_SHIFT, VK_RBUTTON}) {
            m_seams.m_mapKeysDown = {{vk, true}};
            Command(ID_RUN_WITH_FILES, {IDCANCEL});
            EXPECT_EQ(Texts(), std::vector<std::wstring>{strOnly}) << vk;
            // Every entry processed: the nothing-left question, No ends it.
            Command(ID_RUN_WITH_FILES, {IDOK, IDNO});
            ASSERT_EQ(m_seams.m_listMessages.size(), 2u) << vk;
            EXPECT_EQ(m_seams.m_listMessages[1].strText,
                      L"※ 現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰ情報の中には\n   未処理のﾌｧｲﾙ情報はありません。\n\n"
                      L"処理を実行してもよろしいですか ?");
            EXPECT_EQ(m_seams.m_listMessages[1].strCaption, L"確認");
            EXPECT_EQ(m_seams.m_listMessages[1].nType, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
            // The directories-only run ignores the keys.
            Command(ID_RUN_DIRS_ONLY, {IDCANCEL});
            EXPECT_EQ(Texts(), std::vector<std::wstring>{L"\"" + strDst + L"\"に作成します。\nよろしいですか ?"});
        }
        EXPECT_FALSE(PathExists(strDst));
        m_seams.m_mapKeysDown.clear();
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

TEST_F(RunCommand, TooLittleFreeSpaceAsksWithTheTotalOfWhatIsToBeCopied)
{
    std::wstring strRoot;
    PELNIX_REQUIRE_SMALL_DRIVE(strRoot);
    const std::wstring strDst = strRoot + L"plx-runcmd-" + std::to_wstring(::GetCurrentProcessId());
    m_run.Step([&] {
        // 20,000,000 bytes unprocessed and as many processed, on a 16 MiB drive.
        auto pDir = MakeDirRecord(L"big", {20000000, 20000000});
        pDir->m_listFiles[0]->SetProcessed(true);
        Insert(nullptr, std::move(pDir));
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, strDst);
        uint64_t nCluster = 1;
        const uint64_t nFree = GetDiskFreeBytes(strDst, nCluster);
        ASSERT_LT(nFree, 20000000u);

        Command(ID_RUN_WITH_FILES, {IDOK, IDNO});
        ASSERT_EQ(m_seams.m_listMessages.size(), 2u);
        EXPECT_EQ(m_seams.m_listMessages[1].strText, DiskShortQuestion(40000000, nFree));
        EXPECT_EQ(m_seams.m_listMessages[1].strCaption, L"確認");
        EXPECT_EQ(m_seams.m_listMessages[1].nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        // Unprocessed only: the processed entry does not count.
        m_seams.m_mapKeysDown = {{VK_SHIFT, true}};
        Command(ID_RUN_WITH_FILES, {IDOK, IDNO});
        ASSERT_EQ(m_seams.m_listMessages.size(), 2u);
        EXPECT_NE(m_seams.m_listMessages[1].strText.find(L": 20,000,000 byte(s)\n"), std::wstring::npos);
        m_seams.m_mapKeysDown.clear();
        // Directories only: never asked.
        Command(ID_RUN_DIRS_ONLY, {IDCANCEL});
        EXPECT_EQ(m_seams.m_listMessages.size(), 1u);
        EXPECT_FALSE(PathExists(strDst));
        EXPECT_FALSE(m_run.m_dlg.IsBusy());
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

TEST_F(RunCommand, ADirectoriesOnlyRunFromTheToolBarBuildsTheTreeBusyAndComesBack)
{
    const std::wstring strDst = m_dir / L"新しい先";
    m_run.Step([&] {
        HTREEITEM hA = Insert(nullptr, MakeDirRecord(L"a", {5}));
        Insert(hA, MakeDirRecord(L"b"));
        Insert(Tree().GetRootItem(), MakeDirRecord(L"c ｶﾅ"));
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, strDst);
        m_seams.m_listMessageAnswers = {IDOK, IDOK};
        ClickToolButton(m_run.m_dlg, ID_RUN_DIRS_ONLY);
    });
    StepWhenIdle([&] {
        ASSERT_EQ(m_seams.m_listMessages.size(), 2u);
        EXPECT_EQ(m_seams.m_listMessages[1].strCaption, L"Result ...");
        EXPECT_EQ(m_seams.m_listMessages[1].strText, L"全て正常に処理できました。");
        EXPECT_EQ(m_seams.m_listBusyAtResult, std::vector<bool>{true});
        EXPECT_TRUE(IsDirectory(strDst + L"\\a\\b"));
        EXPECT_TRUE(IsDirectory(strDst + L"\\c ｶﾅ"));
        EXPECT_FALSE(PathExists(strDst + L"\\a\\f1.dat")); // no files in a directories-only run
        EXPECT_FALSE(m_run.m_dlg.IsBusy());
        EXPECT_FALSE(Tree().m_bLocked);
        EXPECT_TRUE(IsToolEnabled(m_run.m_dlg, ID_RUN_DIRS_ONLY));
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

// A directory's files as records, read from the real directory.
std::unique_ptr<CItemInfo> ScannedDir(const std::wstring &strName, const std::wstring &strSource)
{
    auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pDir->m_strName = strName;
    AddFileEntries(*pDir, strSource);
    return pDir;
}

TEST_F(RunCommand, ARunWithFilesCopiesThemAndAShiftRerunFindsNothingLeft)
{
    ASSERT_TRUE(m_dir.WriteFile(L"src\\one\\a.txt", "alpha"));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\one\\漢字.bin", std::string(70000, 'k')));
    ASSERT_TRUE(m_dir.WriteFile(L"src\\two\\b.txt", "beta"));
    const std::wstring strDst = m_dir / L"dst";
    m_run.Step([&] {
        Tree().NotCopyFile = 0;
        HTREEITEM hOne = Insert(nullptr, ScannedDir(L"one", m_dir / L"src\\one"));
        Insert(hOne, ScannedDir(L"two", m_dir / L"src\\two"));
        m_run.m_dlg.SetDlgItemText(IDC_DEST_PATH, strDst);
        m_run.m_dlg.UpdateCommandStates();
        ASSERT_TRUE(IsToolEnabled(m_run.m_dlg, ID_RUN_WITH_FILES));
        Command(ID_RUN_WITH_FILES, {IDOK, IDOK});
        EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"\"" + strDst + L"\"に作成/複写します。\nよろしいですか ?",
                                                      L"全て正常に処理できました。"}));
        EXPECT_EQ(m_seams.m_listBusyAtResult, std::vector<bool>{true});
        EXPECT_EQ(FileBytes(strDst + L"\\one\\a.txt"), "alpha");
        EXPECT_EQ(FileBytes(strDst + L"\\one\\漢字.bin"), std::string(70000, 'k'));
        EXPECT_EQ(FileBytes(strDst + L"\\one\\two\\b.txt"), "beta");
        EXPECT_EQ(FileBytes(m_dir / L"src\\one\\a.txt"), "alpha");
        EXPECT_FALSE(m_run.m_dlg.IsBusy());

        // Every entry is processed now: Shift finds nothing left.
        DWORD dwCount = 0;
        EXPECT_EQ(Tree().CountFiles(Tree().GetRootItem(), dwCount, true), 0u);
        m_seams.m_mapKeysDown = {{VK_SHIFT, true}};
        Command(ID_RUN_WITH_FILES, {IDOK, IDNO});
        EXPECT_EQ(m_seams.m_listMessages.size(), 2u);
        EXPECT_EQ(m_seams.m_listBusyAtResult.size(), 1u);
        m_seams.m_mapKeysDown.clear();
        Close();
    });
    EXPECT_EQ(m_run.Run(), IDCANCEL);
}

} // namespace
