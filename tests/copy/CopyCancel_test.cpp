// The status window's cancel button pressed in each phase: the step under way is finished, marks
// go only to what was handled, and a later run of the unprocessed files finishes the job. The
// first item of a phase is always shown, so the button is pressed when it appears; in the copy
// phase it is pressed while the worker asks about a file.
#include "RunHost.h"

namespace {

using namespace runtest;

class CopyCancel : public CRunTest {
protected:
    void SetUp() override
    {
        CRunTest::SetUp();
        for (const wchar_t *pszFile : {L"d1\\a.txt", L"d1\\b.txt", L"d1\\c.txt", L"d2\\x.txt", L"d3\\y.txt"})
            ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\") + pszFile,
                                        "bytes of " + std::string(pszFile, pszFile + ::wcslen(pszFile))));
        LoadTree();
        for (const wchar_t *pszDir : {L"d1", L"d2", L"d3"})
            Dir(pszDir)->m_dwAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN;
    }

    void ExpectInterrupted()
    {
        const CAskedMessage result = m_seams.Only(L"Result ...");
        EXPECT_EQ(result.strText, L"処理は中断されました。");
        EXPECT_EQ(result.nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_FALSE(m_tree.m_pStatusWnd);
    }
    bool IsHidden(const std::wstring &strPath) const
    {
        const DWORD dw = ::GetFileAttributesW(strPath.c_str());
        return dw != INVALID_FILE_ATTRIBUTES && (dw & FILE_ATTRIBUTE_HIDDEN);
    }
};

TEST_F(CopyCancel, DuringCreationTheDirectoryUnderWayIsTheLast)
{
    CCancelWhen cancel([](const std::wstring &strLine1, const std::wstring &strLine2) {
        return strLine1 == L"Creating Sub Directory." && EndsWith(strLine2, L"\\d1");
    });
    ASSERT_TRUE(cancel.IsHooked());
    Run();
    EXPECT_TRUE(cancel.m_bPressed);
    ExpectInterrupted();
    EXPECT_TRUE(PathExists(Dst(L"d1")));
    EXPECT_FALSE(PathExists(Dst(L"d2")));
    EXPECT_FALSE(PathExists(Dst(L"d3")));
    EXPECT_FALSE(IsHidden(Dst(L"d1"))); // no attribute phase
    EXPECT_TRUE(TreeState(m_strDst).empty());
}

TEST_F(CopyCancel, EscapeInTheStatusWindowCancelsAsTheButtonDoes)
{
    CCancelWhen cancel(
        [](const std::wstring &strLine1, const std::wstring &strLine2) {
            return strLine1 == L"Creating Sub Directory." && EndsWith(strLine2, L"\\d1");
        },
        true);
    Run();
    EXPECT_TRUE(cancel.m_bPressed);
    EXPECT_TRUE(cancel.m_bFocusInStatus) << "the keys do not reach the status window";
    ExpectInterrupted();
    EXPECT_TRUE(PathExists(Dst(L"d1")));
    EXPECT_FALSE(PathExists(Dst(L"d2")));
}

TEST_F(CopyCancel, DuringAttributesTheDirectoryUnderWayIsTheLast)
{
    CCancelWhen cancel([](const std::wstring &strLine1, const std::wstring &strLine2) {
        return strLine1 == L"Setting Sub Directory Attribute." && EndsWith(strLine2, L"\\d1");
    });
    Run();
    EXPECT_TRUE(cancel.m_bPressed);
    ExpectInterrupted();
    EXPECT_TRUE(IsHidden(Dst(L"d1")));
    EXPECT_FALSE(IsHidden(Dst(L"d2")));
    EXPECT_FALSE(IsHidden(Dst(L"d3")));
    EXPECT_TRUE(TreeState(m_strDst).empty());
    EXPECT_FALSE(File(L"d1", L"a.txt")->IsProcessed());
}

TEST_F(CopyCancel, DuringCopyingTheFileUnderWayFinishesAndTheRerunCopiesTheRest)
{
    // b.txt is there already: while the worker asks about it, the button is pressed.
    ASSERT_TRUE(m_dir.WriteFile(L"dst\\d1\\b.txt", "old b"));
    m_tree.FileOverWriteMode = FOW_ASK;
    m_seams.m_listOverwriteAnswers = {IDYES};
    bool bPressed = false;
    m_seams.m_fnDuringQuestion = [&] {
        ASSERT_TRUE(m_tree.m_pStatusWnd && m_tree.m_pStatusWnd->m_hWnd);
        bPressed = ::PostMessageW(m_tree.m_pStatusWnd->GetDlgItem(IDC_STATUS_CANCEL), BM_CLICK, 0, 0) != FALSE;
        // The click is handled by the waiting user-interface thread while the question is open.
        for (int i = 0; i < 500 && !m_tree.m_bCancel; ++i)
            ::Sleep(10);
        EXPECT_TRUE(m_tree.m_bCancel);
    };
    Run();
    EXPECT_TRUE(bPressed);
    ExpectInterrupted();
    EXPECT_EQ(FileBytes(Dst(L"d1\\a.txt")), FileBytes(Src(L"d1\\a.txt")));
    EXPECT_EQ(FileBytes(Dst(L"d1\\b.txt")), FileBytes(Src(L"d1\\b.txt")));
    EXPECT_FALSE(PathExists(Dst(L"d1\\c.txt")));
    EXPECT_FALSE(PathExists(Dst(L"d2\\x.txt")));
    EXPECT_TRUE(File(L"d1", L"a.txt")->IsProcessed());
    EXPECT_TRUE(File(L"d1", L"b.txt")->IsProcessed());
    EXPECT_FALSE(File(L"d1", L"c.txt")->IsProcessed());
    EXPECT_FALSE(Dir(L"d1")->IsCopied());

    // The rerun takes only what is left: a changed copy of a handled file stays as it is.
    ASSERT_TRUE(m_dir.WriteFile(L"dst\\d1\\a.txt", "changed at the destination"));
    m_tree.FileOverWriteMode = FOW_ALWAYS;
    m_seams.m_listMessages.clear();
    Run(false, true);
    EXPECT_EQ(m_seams.Only(L"Result ...").strText, L"全て正常に処理できました。");
    EXPECT_EQ(FileBytes(Dst(L"d1\\a.txt")), "changed at the destination");
    for (const wchar_t *pszFile : {L"d1\\b.txt", L"d1\\c.txt", L"d2\\x.txt", L"d3\\y.txt"})
        EXPECT_EQ(FileBytes(Dst(pszFile)), FileBytes(Src(pszFile))) << pszFile;
    EXPECT_EQ(m_result.m_nProcessed, 3);
    for (const wchar_t *pszDir : {L"d1", L"d2", L"d3"})
        EXPECT_TRUE(Dir(pszDir)->IsCopied()) << pszDir;
}

// Cancelled while the worker is busy with a file: the interface goes on painting, a window without
// a cancel button says the run is stopping, and it goes with the run.
TEST_F(CopyCancel, WhileAFileIsUnderWayTheWindowSaysTheRunIsStoppingAndKeepsPainting)
{
    ASSERT_TRUE(m_dir.WriteFile(L"dst\\d1\\b.txt", "old b"));
    m_tree.FileOverWriteMode = FOW_ASK;
    m_seams.m_listOverwriteAnswers = {IDNO};
    const DWORD dwUiThread = ::GetCurrentThreadId();
    HWND hStopping = nullptr;
    bool bButtonShown = true, bPainted = false;
    std::wstring strItem;
    m_seams.m_fnDuringQuestion = [&] {
        ASSERT_TRUE(m_tree.m_pStatusWnd && m_tree.m_pStatusWnd->m_hWnd);
        ::PostMessageW(m_tree.m_pStatusWnd->GetDlgItem(IDC_STATUS_CANCEL), BM_CLICK, 0, 0);
        for (int i = 0; i < 500 && !hStopping; ++i) {
            ::EnumThreadWindows(
                dwUiThread,
                [](HWND hWnd, LPARAM lParam) {
                    wchar_t sz[64] = {};
                    ::GetDlgItemTextW(hWnd, IDC_STATUS_LINE1, sz, 64);
                    if (::IsWindowVisible(hWnd) && std::wstring(sz) == L"Canceling Copy File.")
                        *reinterpret_cast<HWND *>(lParam) = hWnd;
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&hStopping));
            ::Sleep(10);
        }
        if (!hStopping)
            return;
        bButtonShown = ::IsWindowVisible(::GetDlgItem(hStopping, IDC_STATUS_CANCEL)) != FALSE;
        wchar_t sz[64] = {};
        ::GetDlgItemTextW(hStopping, IDC_STATUS_LINE2, sz, 64);
        strItem = sz;
        ::InvalidateRect(hStopping, nullptr, TRUE);
        for (int i = 0; i < 500 && !bPainted; ++i) {
            bPainted = !::GetUpdateRect(hStopping, nullptr, FALSE);
            ::Sleep(10);
        }
    };
    Run();
    ASSERT_NE(hStopping, nullptr) << "nothing said the run is stopping";
    EXPECT_FALSE(bButtonShown);
    EXPECT_EQ(strItem, L"b.txt");
    EXPECT_TRUE(bPainted) << "the window was not painted while the file was under way";
    EXPECT_FALSE(::IsWindow(hStopping));
    ExpectInterrupted();
    EXPECT_EQ(FileBytes(Dst(L"d1\\b.txt")), "old b");
    EXPECT_FALSE(PathExists(Dst(L"d1\\c.txt")));
}

} // namespace
