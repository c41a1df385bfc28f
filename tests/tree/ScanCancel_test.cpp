// The status window of a scan: how the tree opens it, what it shows while a deep source is being
// read, and its cancel button, pressed in the middle of the scan.
#include "tree/ScanDisplay.h"

#include "ScanHost.h"

namespace {

class ScanStatus : public ScanTest {
protected:
    // A chain 30 levels deep, each level with six empty siblings of the chain (listed before it)
    // and two files.
    void MakeDeepSource()
    {
        std::wstring strLevel;
        for (int d = 0; d < 30; ++d) {
            strLevel += L"z" + std::to_wstring(d) + L"\\";
            for (int s = 0; s < 6; ++s)
                Make(strLevel + L"s" + std::to_wstring(s) + L"\\");
            Make(strLevel + L"f1.txt", 1);
            Make(strLevel + L"f2.txt", 2);
        }
    }

    // Run from the scan's own message pumping: once the tree holds a few nodes, presses the status
    // window's cancel button as a person would.
    static void CALLBACK PressCancel(HWND, UINT, UINT_PTR, DWORD)
    {
        ScanStatus *pTest = s_pRunning;
        CDirTreeCtrl &tree = pTest->Tree();
        if (pTest->m_hStatus || tree.GetCount() < 12 || !tree.m_pStatusWnd)
            return;
        pTest->m_hStatus = tree.m_pStatusWnd->m_hWnd;
        // Drawn now, the tree shows the node selected last among its rows.
        if (tree.m_pScanDisplay)
            tree.m_pScanDisplay->Flush();
        RECT rcCaret = {};
        const RECT rcClient = tree.GetClientRect();
        pTest->m_bCaretShown = tree.GetItemRect(tree.GetSelectedItem(), rcCaret, false) && rcCaret.top >= 0 &&
                               rcCaret.bottom <= rcClient.bottom;
        pTest->m_strLine1 = tree.m_pStatusWnd->GetLine1();
        pTest->m_strLine2 = tree.m_pStatusWnd->GetLine2();
        pTest->m_bStatusVisible = ::IsWindowVisible(pTest->m_hStatus) != FALSE;
        HWND hButton = ::GetDlgItem(pTest->m_hStatus, IDC_STATUS_CANCEL);
        pTest->m_bButtonVisible = ::IsWindowVisible(hButton) != FALSE;
        ::SendMessageW(hButton, BM_CLICK, 0, 0);
        pTest->m_bClosedAtOnce = !::IsWindow(pTest->m_hStatus);
        pTest->m_nCancelFlag = tree.m_bCancel;
        pTest->m_nNodesAtCancel = tree.GetCount();
    }

    // The same moment, with the Escape key: its messages go where the keyboard focus is.
    static void CALLBACK PressEscape(HWND, UINT, UINT_PTR, DWORD)
    {
        ScanStatus *pTest = s_pRunning;
        CDirTreeCtrl &tree = pTest->Tree();
        if (pTest->m_hStatus || tree.GetCount() < 12 || !tree.m_pStatusWnd)
            return;
        pTest->m_hStatus = tree.m_pStatusWnd->m_hWnd;
        const HWND hFocus = ::GetFocus();
        pTest->m_bFocusInStatus = hFocus && (hFocus == pTest->m_hStatus || ::IsChild(pTest->m_hStatus, hFocus));
        ::PostMessageW(hFocus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        ::PostMessageW(hFocus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        pTest->m_nNodesAtCancel = tree.GetCount();
    }

    static inline ScanStatus *s_pRunning = nullptr;
    HWND m_hStatus = nullptr;
    std::wstring m_strLine1, m_strLine2;
    bool m_bStatusVisible = false, m_bButtonVisible = false, m_bClosedAtOnce = false, m_bCaretShown = false;
    bool m_bFocusInStatus = false;
    int m_nCancelFlag = 0;
    UINT m_nNodesAtCancel = 0;
};

TEST_F(ScanStatus, OpenedCentredOverTheMainWindowWithTheCancelButtonAndShortenedPaths)
{
    ASSERT_TRUE(Tree().OpenStatusWnd());
    ASSERT_NE(Tree().m_pStatusWnd, nullptr);
    CStatusWnd &status = *Tree().m_pStatusWnd;
    HWND hStatus = status.m_hWnd;
    ASSERT_TRUE(::IsWindow(hStatus));
    EXPECT_TRUE(::IsWindowVisible(hStatus));
    EXPECT_EQ(status.GetWindowText(), L"Ostrel:Halvorn");
    EXPECT_EQ(::GetWindow(hStatus, GW_OWNER), m_dlg.m_hWnd);
    EXPECT_TRUE(m_dlg.IsWindowEnabled());
    EXPECT_FALSE(::GetWindowLongW(hStatus, GWL_EXSTYLE) & WS_EX_TOPMOST); // not system-modal
    EXPECT_TRUE(::IsWindowVisible(status.GetDlgItem(IDC_STATUS_CANCEL)));
    EXPECT_EQ(status.GetFrameCount(), 15);
    EXPECT_EQ(status.GetFramePeriod(), 250);
    const RECT rcOwner = m_dlg.GetWindowRect(), rc = status.GetWindowRect();
    EXPECT_NEAR((rc.left + rc.right) / 2, (rcOwner.left + rcOwner.right) / 2, 1);
    EXPECT_NEAR((rc.top + rc.bottom) / 2, (rcOwner.top + rcOwner.bottom) / 2, 1);

    const std::wstring strLong = L"D:\\データ\\プロジェクト\\2000年度\\報告書\\各部門\\集計\\summary.txt";
    Tree().SetStatus(L"Searching Sub Directory...", strLong.c_str());
    const std::wstring strShown = status.GetDlgItemText(IDC_STATUS_LINE2);
    EXPECT_EQ(status.GetLine2(), strLong);
    EXPECT_LT(strShown.size(), strLong.size());
    EXPECT_EQ(strShown.substr(0, 3), L"D:\\");
    EXPECT_EQ(strShown.substr(strShown.size() - 15), L"...\\summary.txt");

    // Opening again replaces the window; closing deletes it.
    ASSERT_TRUE(Tree().OpenStatusWnd());
    EXPECT_FALSE(::IsWindow(hStatus));
    Tree().CloseStatusWnd();
    EXPECT_EQ(Tree().m_pStatusWnd, nullptr);
    Tree().SetStatus(L"nothing to show it in");
}

TEST_F(ScanStatus, CancelDuringADeepScanStopsEveryLevelAndStillEndsTheScan)
{
    MakeDeepSource();
    Tree().NotCopyFile = 0;
    const int nFull = Scan(m_src.Path());
    const UINT nFullNodes = Tree().GetCount();
    ASSERT_EQ(nFull, 1 + 30 * 8 + 29); // z0 at the top; each level its siblings, files and next level
    ASSERT_EQ(nFullNodes, 1u + 30 * 7);
    m_seams.m_listBeeps.clear();

    m_seams.m_listMessageAnswers.push_back(IDOK); // replace the tree
    s_pRunning = this;
    ::SetTimer(m_dlg.m_hWnd, 1, USER_TIMER_MINIMUM, &ScanStatus::PressCancel);
    const int nCancelled = Scan(m_src.Path());
    ::KillTimer(m_dlg.m_hWnd, 1);
    s_pRunning = nullptr;

    ASSERT_NE(m_hStatus, nullptr) << "the scan ended before the button could be pressed";
    EXPECT_TRUE(m_bStatusVisible);
    EXPECT_TRUE(m_bCaretShown);
    EXPECT_TRUE(m_bButtonVisible);
    EXPECT_EQ(m_strLine1, L"Searching Sub Directory...");
    EXPECT_EQ(m_strLine2.substr(0, m_src.Path().size()), m_src.Path());
    EXPECT_TRUE(m_bClosedAtOnce);
    EXPECT_EQ(m_nCancelFlag, 1);

    // Every level returned at its next entry: at most the node whose turn it was came after.
    EXPECT_LE(nCancelled, nFull);
    EXPECT_GE(Tree().GetCount(), m_nNodesAtCancel);
    EXPECT_LE(Tree().GetCount(), m_nNodesAtCancel + 1);
    EXPECT_LT(Tree().GetCount(), nFullNodes);
    // What was inserted stays, the root is selected, the sound is made and the window is gone.
    EXPECT_EQ(Tree().GetSelectedItem(), Root());
    EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{MB_ICONINFORMATION});
    ExpectScanEnded();
    ExpectTotalsAreSums();

    // The next scan starts afresh.
    m_seams.m_listMessageAnswers.push_back(IDOK);
    EXPECT_EQ(Scan(m_src.Path()), nFull);
    EXPECT_EQ(Tree().m_bCancel, 0);
}

TEST_F(ScanStatus, EscapeInTheStatusWindowCancelsTheScan)
{
    MakeDeepSource();
    Tree().NotCopyFile = 0;
    const int nFull = Scan(m_src.Path());
    m_seams.m_listMessageAnswers.push_back(IDOK); // replace the tree
    s_pRunning = this;
    ::SetTimer(m_dlg.m_hWnd, 1, USER_TIMER_MINIMUM, &ScanStatus::PressEscape);
    const int nCancelled = Scan(m_src.Path());
    ::KillTimer(m_dlg.m_hWnd, 1);
    s_pRunning = nullptr;

    ASSERT_NE(m_hStatus, nullptr) << "the scan ended before the key could be pressed";
    EXPECT_TRUE(m_bFocusInStatus) << "the keys do not reach the status window";
    EXPECT_EQ(Tree().m_bCancel, 1);
    EXPECT_LT(nCancelled, nFull);
    EXPECT_LE(Tree().GetCount(), m_nNodesAtCancel + 1);
    EXPECT_FALSE(::IsWindow(m_hStatus));
    ExpectScanEnded();
}

} // namespace
