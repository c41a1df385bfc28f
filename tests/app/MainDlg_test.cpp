#include "app/MainDlg.h"

#include "res/resource.h"
#include "tree/NodeImage.h"

#include "ScriptedSeams.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs a step from the dialog's own message loop once the messages posted before it are handled
// (a timer message comes only when no posted message is waiting).
std::function<void()> g_fnNextStep;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR idTimer, DWORD)
{
    ::KillTimer(nullptr, idTimer);
    auto fn = std::move(g_fnNextStep);
    g_fnNextStep = nullptr;
    if (fn)
        fn();
}

void AfterPostedMessages(std::function<void()> fn)
{
    g_fnNextStep = std::move(fn);
    ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, RunNextStep);
}

// Closes the dialog when a step stops at a failed assertion, so that the test ends instead of hanging.
struct CCloseOnFatalFailure {
    HWND hDlg;
    ~CCloseOnFatalFailure()
    {
        if (::testing::Test::HasFatalFailure())
            ::PostMessageW(hDlg, WM_CLOSE, 0, 0);
    }
};

TEST(MainDlg, SkeletonLayout)
{
    CScriptedSeams seams;
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
        dlg.PostMessage(WM_CLOSE);
    });
    CMainDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(MainDlg, HostsTheDirectoryTreeAndEndsLabelEditsWithEnterAndEscape)
{
    CScriptedSeams seams;
    CMainDlg dlg;
    CItemInfo *pDir = nullptr;
    HTREEITEM hDir = nullptr;
    int nSteps = 0;
    seams.m_listDialogActions.push_back([&](CDialog &) {
        CCloseOnFatalFailure guard{dlg.m_hWnd};
        // Control 1015 is the tree object, with its images, cursors and the single root.
        ASSERT_EQ(CWnd::FromHandle(dlg.GetDlgItem(IDC_DIRTREE)), &dlg.m_tree);
        CDirTreeCtrl &tree = dlg.m_tree;
        HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(tree.SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL));
        ASSERT_NE(hImages, nullptr);
        EXPECT_EQ(::ImageList_GetImageCount(hImages), NODE_IMAGE_COUNT);
        HTREEITEM hRoot = tree.GetRootItem();
        ASSERT_NE(hRoot, nullptr);
        EXPECT_EQ(tree.GetItemText(hRoot), L"[ root ]");
        EXPECT_EQ(tree.GetCount(), 1u);
        EXPECT_TRUE(seams.m_listMessages.empty());

        auto pNew = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
        pNew->m_strName = L"新規 SubDir";
        pDir = pNew.get();
        hDir = tree.InsertItemData(hRoot, std::move(pNew), TVI_SORT);
        ASSERT_NE(hDir, nullptr);
        ASSERT_NE(tree.EditLabel(hDir), nullptr);
        ::SetWindowTextW(tree.GetEditControl(), L"作業");
        dlg.PostButtonClick(IDOK); // Enter
        AfterPostedMessages([&] {
            CCloseOnFatalFailure guard2{dlg.m_hWnd};
            ++nSteps;
            EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
            EXPECT_EQ(dlg.m_tree.GetItemText(hDir), L"作業");
            EXPECT_EQ(pDir->m_strName, L"作業");
            ASSERT_NE(dlg.m_tree.EditLabel(hDir), nullptr);
            ::SetWindowTextW(dlg.m_tree.GetEditControl(), L"捨てる");
            dlg.PostButtonClick(IDCANCEL); // Escape
            AfterPostedMessages([&] {
                ++nSteps;
                EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
                EXPECT_EQ(dlg.m_tree.GetItemText(hDir), L"作業");
                EXPECT_FALSE(dlg.m_tree.m_bEditing);
                dlg.PostMessage(WM_CLOSE);
            });
        });
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(nSteps, 2);
    EXPECT_EQ(dlg.m_tree.m_hWnd, nullptr); // released when the control was destroyed
}

} // namespace
