#include "app/MainDlg.h"

#include "framework/TreeCtrl.h"
#include "res/resource.h"

#include "ScriptedSeams.h"

#include <gtest/gtest.h>

namespace {

// Stands in for the directory tree: attached to control 1015, handles its own notifications.
class CProbeTree : public CTreeCtrl {
public:
    int m_nSelChanged = 0;
    int m_nAliveChecks = 0;

protected:
    bool OnChildNotify(UINT uMsg, WPARAM, LPARAM lParam, LRESULT *pResult) override
    {
        if (uMsg == WM_NOTIFY && reinterpret_cast<NMHDR *>(lParam)->code == TVN_SELCHANGEDW) {
            ++m_nSelChanged;
            *pResult = 0;
            return true;
        }
        return false;
    }
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg == WM_APP) { // the dialog is still there: close it the user's way
            ++m_nAliveChecks;
            ::PostMessageW(GetParent(), WM_CLOSE, 0, 0);
            return 0;
        }
        return CTreeCtrl::WindowProc(uMsg, wParam, lParam);
    }
};

TEST(MainDlg, SkeletonLayoutAndReflectedTreeNotification)
{
    CScriptedSeams seams;
    CProbeTree tree;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        EXPECT_EQ(dlg.GetWindowText(), L"Ostrel:Halvorn");
        EXPECT_EQ(dlg.GetDlgItemText(IDC_SELECT_DEST), L"複写先 :");
        wchar_t szClass[64];
        ::GetClassNameW(dlg.GetDlgItem(IDC_DIRTREE), szClass, 64);
        EXPECT_STREQ(szClass, WC_TREEVIEWW);
        LONG style = ::GetWindowLongW(dlg.GetDlgItem(IDC_FILEINFO), GWL_STYLE);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & WS_HSCROLL);
        EXPECT_NE(dlg.GetDlgItem(IDC_DEST_PATH), nullptr);
        LONG frame = ::GetWindowLongW(dlg.m_hWnd, GWL_STYLE);
        EXPECT_TRUE(frame & WS_THICKFRAME);
        EXPECT_TRUE(frame & WS_MINIMIZEBOX);
        EXPECT_TRUE(frame & WS_MAXIMIZEBOX);
        EXPECT_NE(dlg.SendMessage(WM_GETICON, ICON_BIG), 0);

        ASSERT_TRUE(tree.SubclassDlgItem(IDC_DIRTREE, dlg.m_hWnd));
        HTREEITEM root = tree.InsertItem(L"[ root ]", 0, 0, TVI_ROOT, TVI_LAST);
        ASSERT_NE(root, nullptr);
        tree.SelectItem(root);
        EXPECT_EQ(tree.m_nSelChanged, 1);

        // Enter and Escape leave the main window open; the close box ends it.
        dlg.PostButtonClick(IDOK);
        dlg.PostButtonClick(IDCANCEL);
        tree.PostMessage(WM_APP);
    });
    CMainDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(tree.m_nAliveChecks, 1);
    EXPECT_EQ(tree.m_hWnd, nullptr); // released when the control was destroyed
}

} // namespace
