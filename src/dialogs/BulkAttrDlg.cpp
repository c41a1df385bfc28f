#include "dialogs/BulkAttrDlg.h"
#include "dialogs/TimeField.h"

#include "datetime/DateTimeCmb.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/Dpi.h"
#include "support/TimeConvert.h"

namespace {
const wchar_t kNoTimeMessage[] = L"設定するﾀｲﾑｽﾀﾝﾌﾟを入力してください。";
} // namespace

CBulkAttrDlg::CBulkAttrDlg(HWND hParent) : CDialog(IDD_BULK_ATTR, hParent) {}

CBulkAttrDlg::~CBulkAttrDlg() = default;

void CBulkAttrDlg::DoDataExchange(CDataExchange &dx)
{
    DDX_Check(dx, IDC_BULK_DIR_GROUP, m_choices.m_bDirGroup);
    DDX_Check(dx, IDC_BULK_DIR_ARCHIVE, m_choices.m_bDirArchive);
    DDX_Check(dx, IDC_BULK_DIR_SYSTEM, m_choices.m_bDirSystem);
    DDX_Check(dx, IDC_BULK_DIR_HIDE, m_choices.m_bDirHide);
    DDX_Check(dx, IDC_BULK_DIR_READONLY, m_choices.m_bDirReadOnly);
    DDX_Check(dx, IDC_BULK_TIME_GROUP, m_choices.m_bTimeGroup);
    DDX_Radio(dx, IDC_ATTR_TIME_SYSCLOCK, m_choices.m_nTimeMode);
    DDX_Check(dx, IDC_BULK_ATTR_GROUP, m_choices.m_bAttrGroup);
    DDX_Check(dx, IDC_ATTR_ARCHIVE, m_choices.m_bArchive);
    DDX_Check(dx, IDC_ATTR_SYSTEM, m_choices.m_bSystem);
    DDX_Check(dx, IDC_ATTR_HIDE, m_choices.m_bHide);
    DDX_Check(dx, IDC_ATTR_READONLY, m_choices.m_bReadOnly);
    DDX_Check(dx, IDC_BULK_SORT_GROUP, m_choices.m_bSortGroup);
    DDX_Radio(dx, IDC_BULK_SORT_ASCENDING, m_choices.m_nSortOrder);
    DDX_Radio(dx, IDC_ATTR_SORT_BY_NAME, m_choices.m_nSortKey);
    DDX_Check(dx, IDC_BULK_CLEAR_PROCESSED, m_choices.m_bClearProcessed);
}

BOOL CBulkAttrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_icons.Apply(m_hWnd, IDI_ATTR, GetWindowDpi(m_hWnd));
    m_pTimeField = CreateTimeField(m_hWnd);
    FitAttrDialog(m_hWnd, m_pTimeField.get());
    UpdateControlStates();
    return TRUE;
}

bool CBulkAttrDlg::OnCommand(UINT nID, UINT nCode, HWND)
{
    if (nCode != BN_CLICKED)
        return false;
    switch (nID) {
    case IDC_ATTR_TIME_SYSCLOCK:
    case IDC_ATTR_TIME_SOURCE:
    case IDC_ATTR_TIME_SPECIFIED:
    case IDC_BULK_SORT_ASCENDING:
    case IDC_BULK_SORT_DESCENDING:
    case IDC_BULK_DIR_GROUP:
    case IDC_BULK_TIME_GROUP:
    case IDC_BULK_ATTR_GROUP:
    case IDC_BULK_SORT_GROUP:
        if (UpdateData(true))
            UpdateControlStates();
        return true;
    default: return false;
    }
}

void CBulkAttrDlg::UpdateControlStates()
{
    const CBulkControlStates states = BulkControlStates(m_choices);
    for (int nID : {IDC_BULK_DIR_ARCHIVE, IDC_BULK_DIR_SYSTEM, IDC_BULK_DIR_HIDE, IDC_BULK_DIR_READONLY})
        EnableDlgItem(nID, states.bDirAttributes);
    for (int nID : {IDC_ATTR_TIME_SYSCLOCK, IDC_ATTR_TIME_SOURCE, IDC_ATTR_TIME_SPECIFIED})
        EnableDlgItem(nID, states.bTimeChoices);
    if (m_pTimeField && m_pTimeField->m_hWnd) {
        m_pTimeField->EnableWindow(states.bDateTime);
        if (states.bFillEmptyTime && m_pTimeField->GetValueText().empty())
            m_pTimeField->SetValueTime(CTime::GetCurrentTime());
    }
    for (int nID : {IDC_ATTR_ARCHIVE, IDC_ATTR_SYSTEM, IDC_ATTR_HIDE, IDC_ATTR_READONLY})
        EnableDlgItem(nID, states.bFileAttributes);
    for (int nID : {IDC_BULK_SORT_ASCENDING, IDC_BULK_SORT_DESCENDING, IDC_ATTR_SORT_BY_NAME, IDC_ATTR_SORT_BY_EXT})
        EnableDlgItem(nID, states.bSort);
}

void CBulkAttrDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    m_choices.m_ftSpecified = {};
    if (m_choices.m_nTimeMode == TIME_MODE_SPECIFIED) {
        const std::wstring strText = m_pTimeField ? m_pTimeField->GetValueText() : std::wstring();
        const FILETIME ft = strText.empty() ? FILETIME{} : TextToFileTime(strText);
        // A time the system cannot hold would reach every entry as "no time": ask again instead.
        if (ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0) {
            UiMessageBox(m_hWnd, kNoTimeMessage, CAPTION_ERROR, MB_OK | MB_ICONSTOP);
            return;
        }
        m_choices.m_ftSpecified = ft;
    }
    EndDialog(IDOK);
}
