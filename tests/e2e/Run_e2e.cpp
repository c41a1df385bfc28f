// The two run buttons as a person uses them: a destination typed in, the confirmation, the summary,
// and what is on disk afterwards.
#include "Controls.h"
#include "Dialogs.h"
#include "Program.h"
#include "SampleTree.h"
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

namespace {

const DWORD WAIT_RUN_MS = 60000;

bool IsDirectory(const std::wstring &strPath)
{
    const DWORD dw = ::GetFileAttributesW(strPath.c_str());
    return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_DIRECTORY);
}

uint64_t FileSize(const std::wstring &strPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(strPath.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return UINT64_MAX;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

class Run : public CPelnixScenario {
protected:
    // Dir追加 with the label typed and Enter: the new node is below the selected one.
    void AddDirectory(const std::wstring &strName)
    {
        PressToolButton(Control(IDC_TOOLBAR), ID_ADD_DIR);
        HWND hEdit = WaitFor<HWND>(
            [&] { return reinterpret_cast<HWND>(::SendMessageW(Control(IDC_DIRTREE), TVM_GETEDITCONTROL, 0, 0)); },
            L"the new directory's label edit");
        TypeText(hEdit, strName);
        PressKey(hEdit, VK_RETURN);
    }

    // Presses a run button, confirms, pictures the summary and closes it; returns the summary's text.
    std::wstring RunAndConfirm(int nCommand, const std::wstring &strConfirm, const std::wstring &strShot)
    {
        PressToolButton(Control(IDC_TOOLBAR), nCommand);
        EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDOK), strConfirm);
        WaitForDialog(m_app, L"Result ...", WAIT_RUN_MS);
        Shot(strShot);
        const std::wstring strText = AnswerMessageBox(m_app, L"Result ...", IDOK);
        WaitUntilIdle();
        return strText;
    }
};

TEST_F(Run, DirectoriesOnlyIntoATypedDestination)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE);
    AddDirectory(L"作業 ﾌｫﾙﾀﾞ");
    AddDirectory(L"下位");
    ASSERT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  作業 ﾌｫﾙﾀﾞ", L"    下位"}));

    const std::wstring strDest = *m_pFolder / L"新しい複写先";
    TypeText(Control(IDC_DEST_PATH), strDest);
    EXPECT_EQ(GetText(Control(IDC_DEST_PATH)), strDest);
    EXPECT_EQ(
        RunAndConfirm(ID_RUN_DIRS_ONLY, L"\"" + strDest + L"\"に作成します。\nよろしいですか ?", L"run-dirs-result"),
        L"全て正常に処理できました。");
    EXPECT_TRUE(IsDirectory(strDest + L"\\作業 ﾌｫﾙﾀﾞ\\下位"));
    EXPECT_TRUE(IsToolButtonEnabled(Control(IDC_TOOLBAR), ID_RUN_DIRS_ONLY));
    ExitConfirmed();
}

TEST_F(Run, WithFilesFromAScannedSource)
{
    StartOnScannedSample();
    HWND hTree = Control(IDC_DIRTREE);
    ASSERT_GT(GetTreeOutline(hTree).size(), 1u) << "the source scan filled no tree";
    ASSERT_NE(FindTreeItem(hTree, {L"[ root ]", L"資料", L"画像", L"2024年"}), nullptr);

    const std::wstring strDest = *m_pFolder / L"複写先";
    TypeText(Control(IDC_DEST_PATH), strDest);
    EXPECT_EQ(RunAndConfirm(ID_RUN_WITH_FILES, L"\"" + strDest + L"\"に作成/複写します。\nよろしいですか ?",
                            L"run-files-result"),
              L"全て正常に処理できました。");
    for (const std::wstring strDir : {L"", L"Documents", L"資料\\画像", L"資料\\画像\\2024年"})
        for (const CSampleFile &file : SampleFilesIn(strDir)) {
            const std::wstring strPath = strDest + L"\\" + file.pszPath;
            EXPECT_EQ(FileSize(strPath), file.nSize) << Utf8(strPath);
        }
    ExitConfirmed();
}

// While the worker asks whether to overwrite a file, the run's status window stays up beside the
// question (moved off it for the picture).
TEST_F(Run, TheStatusWindowStaysWhileAnOverwriteQuestionWaits)
{
    StartOnScannedSample(L"FileOverWriteMode=2\r\n"); // ask
    const std::wstring strDest = *m_pFolder / L"複写先";
    ASSERT_TRUE(::CreateDirectoryW(strDest.c_str(), nullptr));
    WriteUnicodeFile(strDest + L"\\readme.txt", L"older");
    TypeText(Control(IDC_DEST_PATH), strDest);

    PressToolButton(Control(IDC_TOOLBAR), ID_RUN_WITH_FILES);
    AnswerMessageBox(m_app, L"確認", IDOK);
    HWND hQuestion = WaitForDialog(m_app, L"上書き確認", WAIT_RUN_MS);
    std::vector<HWND> listStatus;
    for (HWND hWnd : TopLevelWindows(m_app.ProcessId(), L"#32770"))
        if (hWnd != m_hMain && hWnd != hQuestion && WindowText(hWnd) == PELNIX_CAPTION)
            listStatus.push_back(hWnd);
    ASSERT_EQ(listStatus.size(), 1u) << "the run's status window is not showing";
    RECT rcStatus = {};
    ::GetWindowRect(listStatus[0], &rcStatus);
    ::SetWindowPos(hQuestion, nullptr, rcStatus.left, rcStatus.bottom + 8, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Shot(L"run-status");
    AnswerMessageBox(m_app, L"上書き確認", IDNO);
    AnswerMessageBox(m_app, L"Result ...", IDOK, WAIT_RUN_MS);
    WaitUntilIdle();
    EXPECT_FALSE(::IsWindow(listStatus[0]));
    ExitConfirmed();
}

} // namespace
