#include "framework/Dialog.h"

#include "ScriptedSeams.h"
#include "TemplateWriter.h"
#include "probe_resource.h"

#include <gtest/gtest.h>

namespace {

class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(IDD_FRAMEWORK_PROBE) {}
    int m_bCheck = 0;
    int m_nRadio = 1;
    std::wstring m_strText = L"初期値";
    int m_nCombo = 1;
    int m_nNumber = 0;
    bool m_bWithNumber = false;
    int m_nOKTries = 0;

protected:
    BOOL OnInitDialog() override
    {
        HWND hCombo = GetDlgItem(IDC_PROBE_COMBO);
        for (const wchar_t *s : {L"常に", L"新しい時", L"確認", L"しない"})
            ::SendMessageW(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange &dx) override
    {
        DDX_Check(dx, IDC_PROBE_CHECK, m_bCheck);
        DDX_Radio(dx, IDC_PROBE_RADIO1, m_nRadio);
        if (m_bWithNumber)
            DDX_Text(dx, IDC_PROBE_EDIT, m_nNumber);
        else
            DDX_Text(dx, IDC_PROBE_EDIT, m_strText);
        DDX_CBIndex(dx, IDC_PROBE_COMBO, m_nCombo);
    }
    void OnOK() override
    {
        ++m_nOKTries;
        CDialog::OnOK();
    }
};

TEST(Dialog, TickingTheCheckBoxAndPressingOKStoresOne)
{
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_PROBE_CHECK), 0u);
        dlg.CheckDlgButton(IDC_PROBE_CHECK, BST_CHECKED);
        dlg.PostButtonClick(IDOK);
    });
    CProbeDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(seams.m_nDialogs, 1);
    EXPECT_EQ(dlg.m_bCheck, 1);
}

TEST(Dialog, CancelLeavesTheMembersAsTheyWere)
{
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        dlg.CheckDlgButton(IDC_PROBE_CHECK, BST_CHECKED);
        dlg.SetDlgItemText(IDC_PROBE_EDIT, L"変更");
        dlg.PostButtonClick(IDCANCEL);
    });
    CProbeDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_bCheck, 0);
    EXPECT_EQ(dlg.m_strText, L"初期値");
}

TEST(Dialog, ExchangesRadioTextAndDropDownBothWays)
{
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        // Members reached the controls at initialisation.
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_PROBE_RADIO1), 0u);
        EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_PROBE_RADIO2), 1u);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_PROBE_EDIT), L"初期値");
        EXPECT_EQ(::SendMessageW(dlg.GetDlgItem(IDC_PROBE_COMBO), CB_GETCURSEL, 0, 0), 1);
        dlg.CheckDlgButton(IDC_PROBE_RADIO2, BST_UNCHECKED);
        dlg.CheckDlgButton(IDC_PROBE_RADIO1, BST_CHECKED);
        dlg.SetDlgItemText(IDC_PROBE_EDIT, L"ﾃﾞｨﾚｸﾄﾘ名");
        ::SendMessageW(dlg.GetDlgItem(IDC_PROBE_COMBO), CB_SETCURSEL, 3, 0);
        dlg.PostButtonClick(IDOK);
    });
    CProbeDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_strText, L"ﾃﾞｨﾚｸﾄﾘ名");
    EXPECT_EQ(dlg.m_nCombo, 3);
}

TEST(Dialog, FailedValidationKeepsTheDialogOpen)
{
    CScriptedSeams seams;
    seams.m_listMessageAnswers = {IDOK};
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        dlg.SetDlgItemText(IDC_PROBE_EDIT, L"12x");
        dlg.PostButtonClick(IDOK);
        // Runs after the refused OK: correct the number and try again.
        dlg.PostMessage(WM_APP, 0, 0);
    });
    struct CRetryDlg : CProbeDlg {
        LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
        {
            if (uMsg == WM_APP) {
                EXPECT_EQ(m_nOKTries, 1);
                EXPECT_EQ(::GetFocus(), GetDlgItem(IDC_PROBE_EDIT));
                SetDlgItemText(IDC_PROBE_EDIT, L" 42 ");
                PostButtonClick(IDOK);
                return 0;
            }
            return CProbeDlg::WindowProc(uMsg, wParam, lParam);
        }
    } dlg;
    dlg.m_bWithNumber = true;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nOKTries, 2);
    EXPECT_EQ(dlg.m_nNumber, 42);
    ASSERT_EQ(seams.m_listMessages.size(), 1u);
    EXPECT_EQ(seams.m_listMessages[0].strText, L"整数を入力してください。");
}

TEST(Dialog, InMemoryTemplateCreatesItsControls)
{
    CTemplateWriter tmpl(WS_POPUP | WS_CAPTION, 0, 0, 120, 60, L"メモリ");
    tmpl.AddControl(0x82, 101, SS_LEFT, 4, 4, 100, 10, L"一行目");
    tmpl.AddControl(0x80, 102, BS_PUSHBUTTON, 4, 20, 50, 14, L"取消");
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), nullptr));
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(dlg.m_hWnd), &dlg);
    EXPECT_EQ(dlg.GetWindowText(), L"メモリ");
    EXPECT_EQ(dlg.GetDlgItemText(101), L"一行目");
    EXPECT_EQ(dlg.GetDlgItemText(102), L"取消");
    wchar_t szClass[32];
    ::GetClassNameW(dlg.GetDlgItem(102), szClass, 32);
    EXPECT_EQ(_wcsicmp(szClass, L"Button"), 0);
    // A modeless dialog ends by destroying its window.
    HWND hWnd = dlg.m_hWnd;
    dlg.EndDialog(IDOK);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(Dialog, InMemoryTemplateRunsModally)
{
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([](CDialog &dlg) {
        EXPECT_NE(dlg.GetDlgItem(IDCANCEL), nullptr);
        dlg.PostButtonClick(IDCANCEL);
    });
    CTemplateWriter tmpl(WS_POPUP | WS_CAPTION, 0, 0, 80, 40, L"");
    tmpl.AddControl(0x80, IDCANCEL, BS_PUSHBUTTON, 4, 4, 50, 14, L"閉じる");
    CDialog dlg;
    EXPECT_EQ(dlg.DoModalIndirect(tmpl.Get()), IDCANCEL);
}

} // namespace
