// The item attributes dialog's handlers. Every change of what is shown first stores the shown
// entry, so edits of one entry survive showing another.
#include "dialogs/ItemAttrDlg.h"

#include "datetime/DateTimeCmb.h"
#include "dialogs/ItemAttrRules.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/ItemName.h"
#include "support/SortList.h"
#include "tree/FileNameCompare.h"

bool CItemAttrDlg::OnCommand(UINT nID, UINT nCode, HWND)
{
    if (nID == IDC_ATTR_FILE_LIST) {
        if (nCode != LBN_SELCHANGE)
            return false;
        OnSelectionChange();
        return true;
    }
    if (nCode != BN_CLICKED)
        return false;
    switch (nID) {
    case IDC_ATTR_TIME_SYSCLOCK:
    case IDC_ATTR_TIME_SOURCE: UpdateControlStates(); return true;
    case IDC_ATTR_TIME_SPECIFIED: OnSpecifiedClicked(); return true;
    case IDC_ATTR_MODE_DIR:
    case IDC_ATTR_MODE_FILE: {
        const int nShown = m_nMode;
        if (!UpdateData(true))
            return true;
        const int nNewMode = m_nMode;
        m_nMode = nShown;
        SwitchMode(nNewMode);
        return true;
    }
    case IDC_ATTR_DELETE: OnDelete(); return true;
    case IDC_ATTR_SORT: OnSort(); return true;
    default: return false;
    }
}

void CItemAttrDlg::OnSpecifiedClicked()
{
    UpdateControlStates();
    if (m_pDateTime && m_pDateTime->GetText().empty())
        SetFieldToNow();
}

// Expects the members read from the controls, with m_nMode still the mode shown.
void CItemAttrDlg::SwitchMode(int nNewMode)
{
    SyncTarget(true, false);
    m_nMode = nNewMode;
    SyncTarget(false, true);
    SetDlgItemText(IDC_ATTR_TIME_SYSCLOCK, m_nMode == 0 ? L"作成時のｼｽﾃﾑｸﾛｯｸ" : L"複写時のｼｽﾃﾑｸﾛｯｸ");
    UpdateControlStates();
}

void CItemAttrDlg::OnSelectionChange()
{
    const int nShown = m_nSelected;
    if (!UpdateData(true))
        return;
    const int nNewSelection = m_nSelected;
    m_nSelected = nShown;
    SyncTarget(true, false);
    m_nSelected = nNewSelection;
    SyncTarget(false, true);
    UpdateControlStates();
}

void CItemAttrDlg::OnDelete()
{
    if (!UpdateData(true) || m_nSelected < 0)
        return;
    ::SendMessageW(GetDlgItem(IDC_ATTR_FILE_LIST), LB_DELETESTRING, static_cast<WPARAM>(m_nSelected), 0);
    m_item.RemoveFileAt(static_cast<size_t>(m_nSelected));
    m_nSelected = -1;
    ::SendMessageW(GetDlgItem(IDC_ATTR_FILE_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SyncTarget(false, true);
    UpdateControlStates();
    // The delete button is disabled now; the focus must not stay on it.
    ::SetFocus(GetDlgItem(IDC_ATTR_FILE_LIST));
}

void CItemAttrDlg::OnSort()
{
    if (m_item.m_listFiles.empty() || !UpdateData(true))
        return;
    SyncTarget(true, false);
    const DWORD dwMode = FileSortModeFromControls(IsDlgButtonChecked(IDC_ATTR_SORT_BY_NAME) == BST_CHECKED,
                                                  IsDlgButtonChecked(IDC_ATTR_DESCENDING) == BST_CHECKED);
    SortFileList(m_item.m_listFiles, CFileNameCompare(dwMode), false);
    FillFileList();
    m_nSelected = -1;
    SyncTarget(false, true);
    UpdateControlStates();
}

bool CItemAttrDlg::CheckDirectoryName()
{
    // The root's name is not the user's; a directory's becomes a path below the destination.
    if (!m_item.IsKind(ITEM_KIND_DIR))
        return true;
    const ItemNameCheck nCheck = CheckItemName(m_strDirName);
    if (nCheck == NAME_OK)
        return true;
    UiMessageBeep(0);
    UiMessageBox(m_hWnd, ItemNameErrorText(nCheck), CAPTION_ERROR, MB_OK | MB_ICONSTOP);
    // The name can be corrected only where it is editable.
    if (m_nMode != 0) {
        CheckDlgButton(IDC_ATTR_MODE_DIR, BST_CHECKED);
        CheckDlgButton(IDC_ATTR_MODE_FILE, BST_UNCHECKED);
        SwitchMode(0);
    }
    HWND hName = GetDlgItem(IDC_ATTR_DIR_NAME);
    ::SetFocus(hName);
    ::SendMessageW(hName, EM_SETSEL, 0, -1);
    return false;
}

void CItemAttrDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    SyncTarget(true, false);
    if (!CheckDirectoryName())
        return;
    m_item.m_strName = m_strDirName;
    if (m_item.m_nTimeMode != TIME_MODE_SYSCLOCK)
        UiMessageBox(m_hWnd, L"現ﾊﾞｰｼﾞｮﾝでは、\nｻﾌﾞﾃﾞｨﾚｸﾄﾘのﾀｲﾑｽﾀﾝﾌﾟ任意設定は\n機能しません。", L"御免なさい m(_ _)m",
                     MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}
