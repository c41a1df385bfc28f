#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/TreeCtrl.h"

#include "res/resource.h"

#include "ScriptedSeams.h"
#include "probe_resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window of our own class that counts what reaches its window procedure.
class CCountingWnd : public CWnd {
public:
    int m_nPaints = 0;
    int m_nDestroyed = 0;
    std::vector<UINT> m_listReflected;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg == WM_USER + 7)
            return 1234;
        if (uMsg == WM_DESTROY)
            ++m_nDestroyed;
        return CWnd::WindowProc(uMsg, wParam, lParam);
    }
};

TEST(Wnd, OwnClassWindowDispatchesToItsObjectAndIsDestroyedWithIt)
{
    ASSERT_TRUE(CWnd::RegisterWndClass(L"PelnixProbeWnd", 0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr));
    HWND hWnd;
    {
        CCountingWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, L"PelnixProbeWnd", L"probe", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
        hWnd = wnd.m_hWnd;
        EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
        EXPECT_EQ(wnd.SendMessage(WM_USER + 7), 1234);
        EXPECT_EQ(wnd.GetWindowText(), L"probe");
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

// A tree view control object that handles its own selection notifications.
class CReflectingTree : public CTreeCtrl {
public:
    std::vector<UINT> m_listCodes;

protected:
    bool OnChildNotify(UINT uMsg, WPARAM, LPARAM lParam, LRESULT *pResult) override
    {
        if (uMsg != WM_NOTIFY)
            return false;
        auto *pHdr = reinterpret_cast<NMHDR *>(lParam);
        m_listCodes.push_back(pHdr->code);
        *pResult = 0;
        return pHdr->code == TVN_SELCHANGEDW;
    }
};

class CNotifyCountingDlg : public CDialog {
public:
    CNotifyCountingDlg() : CDialog(IDD_FRAMEWORK_PROBE) {}
    std::vector<UINT> m_listCodes;

protected:
    bool OnNotify(NMHDR *pHdr, LRESULT *) override
    {
        m_listCodes.push_back(pHdr->code);
        return false;
    }
};

TEST(Wnd, SubclassedControlCreatedByOurselvesGetsItsNotificationsFirst)
{
    CNotifyCountingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_PROBE, nullptr));
    CReflectingTree tree;
    ASSERT_TRUE(tree.CreateEx(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES, RECT{0, 0, 100, 100},
                              dlg.m_hWnd, 77));
    HTREEITEM a = tree.InsertItem(L"あ", 0, 0, TVI_ROOT, TVI_LAST);
    HTREEITEM b = tree.InsertItem(L"い", 0, 0, TVI_ROOT, TVI_LAST);
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(tree.SelectItem(b));
    EXPECT_NE(std::find(tree.m_listCodes.begin(), tree.m_listCodes.end(), TVN_SELCHANGEDW), tree.m_listCodes.end());
    // Handled by the child, so the dialog never saw it; what the child declined still reached the dialog.
    EXPECT_EQ(std::find(dlg.m_listCodes.begin(), dlg.m_listCodes.end(), TVN_SELCHANGEDW), dlg.m_listCodes.end());
    EXPECT_NE(std::find(dlg.m_listCodes.begin(), dlg.m_listCodes.end(), TVN_SELCHANGINGW), dlg.m_listCodes.end());
    EXPECT_EQ(tree.GetItemText(b), L"い");
    EXPECT_EQ(tree.GetSelectedItem(), b);
}

TEST(Wnd, ObjectAttachedToTheMainWindowsTreeGetsItsNotificationsReflected)
{
    CNotifyCountingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PELNIX_DIALOG, nullptr));
    CReflectingTree tree;
    ASSERT_TRUE(tree.SubclassDlgItem(IDC_DIRTREE, dlg.m_hWnd));
    HTREEITEM hRoot = tree.InsertItem(L"[ root ]", 0, 0, TVI_ROOT, TVI_LAST);
    ASSERT_NE(hRoot, nullptr);
    ASSERT_TRUE(tree.SelectItem(hRoot));
    EXPECT_NE(std::find(tree.m_listCodes.begin(), tree.m_listCodes.end(), TVN_SELCHANGEDW), tree.m_listCodes.end());
    EXPECT_EQ(std::find(dlg.m_listCodes.begin(), dlg.m_listCodes.end(), TVN_SELCHANGEDW), dlg.m_listCodes.end());
}

TEST(Wnd, UnsubclassingReleasesTheControl)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_FRAMEWORK_PROBE, nullptr));
    HWND hEdit = dlg.GetDlgItem(IDC_PROBE_EDIT);
    {
        CWnd edit;
        ASSERT_TRUE(edit.SubclassDlgItem(IDC_PROBE_EDIT, dlg.m_hWnd));
        EXPECT_EQ(CWnd::FromHandle(hEdit), &edit);
        CWnd second;
        EXPECT_FALSE(second.SubclassWindow(hEdit)); // one object per window
    }
    EXPECT_TRUE(::IsWindow(hEdit)); // borrowed: the control outlives the object
    EXPECT_EQ(CWnd::FromHandle(hEdit), nullptr);
    ::SetWindowTextW(hEdit, L"まだ動く");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_PROBE_EDIT), L"まだ動く");
}

class CRecordingApp : public CWinApp {
public:
    std::vector<UINT> m_listCommands;
    bool OnCommand(UINT nID) override
    {
        m_listCommands.push_back(nID);
        return nID >= 32771 && nID <= 32782;
    }
};

TEST(Wnd, CommandsTheDialogLeavesGoOnToTheApplicationObject)
{
    CRecordingApp app;
    ASSERT_EQ(CWinApp::GetApp(), &app);
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        // As a tool bar sends its button command: id, BN_CLICKED, the tool bar's window.
        HWND hFrom = dlg.GetDlgItem(IDC_PROBE_COMBO);
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(32775, BN_CLICKED), reinterpret_cast<LPARAM>(hFrom));
        dlg.PostMessage(WM_COMMAND, MAKEWPARAM(32781, BN_CLICKED), reinterpret_cast<LPARAM>(hFrom));
        dlg.PostButtonClick(IDCANCEL);
    });
    CDialog dlg(IDD_FRAMEWORK_PROBE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(app.m_listCommands, (std::vector<UINT>{32775, 32781}));
}

} // namespace
