#include "dialogs/ItemAttrDlg.h"
#include "dialogs/TimeField.h"

#include "datetime/DateTimeCmb.h"
#include "dialogs/ItemAttrRules.h"
#include "res/resource.h"
#include "support/Dpi.h"
#include "support/TimeText.h"

namespace {

const wchar_t NOT_AVAILABLE[] = L"(N/A)";

bool IsZero(const FILETIME &ft)
{
    return ft.dwLowDateTime == 0 && ft.dwHighDateTime == 0;
}

RECT ChildRect(HWND hDlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

void SetRight(HWND hDlg, int nID, int nRight)
{
    RECT rc = ChildRect(hDlg, nID);
    ::MoveWindow(::GetDlgItem(hDlg, nID), rc.left, rc.top, nRight - rc.left, rc.bottom - rc.top, TRUE);
}

} // namespace

CItemAttrDlg::CItemAttrDlg(HWND hParent) : CDialog(IDD_ITEM_ATTR, hParent) {}

CItemAttrDlg::~CItemAttrDlg() = default;

void CItemAttrDlg::DoDataExchange(CDataExchange &dx)
{
    DDX_Text(dx, IDC_ATTR_DIR_NAME, m_strDirName);
    DDX_Radio(dx, IDC_ATTR_TIME_SYSCLOCK, m_nTimeMode);
    DDX_Check(dx, IDC_ATTR_ARCHIVE, m_bArchive);
    DDX_Check(dx, IDC_ATTR_HIDE, m_bHide);
    DDX_Check(dx, IDC_ATTR_READONLY, m_bReadOnly);
    DDX_Check(dx, IDC_ATTR_SYSTEM, m_bSystem);
    DDX_Radio(dx, IDC_ATTR_MODE_DIR, m_nMode);
    DDX_Text(dx, IDC_ATTR_SOURCE_PATH, m_strSourcePath);
    DDX_LBIndex(dx, IDC_ATTR_FILE_LIST, m_nSelected);
    DDX_Check(dx, IDC_ATTR_PROCESSED, m_bProcessed);
    DDX_Check(dx, IDC_ATTR_DESCENDING, m_bDescending);
    DDX_Radio(dx, IDC_ATTR_SORT_BY_NAME, m_nSortKey);
}

BOOL CItemAttrDlg::OnInitDialog()
{
    m_icons.Apply(m_hWnd, IDI_ATTR, GetWindowDpi(m_hWnd));
    CheckDlgButton(IDC_ATTR_SORT_BY_NAME, BST_CHECKED);
    m_pDateTime = CreateTimeField(m_hWnd);
    // Before the texts change: the template's are the longest shown.
    FitAttrDialog(m_hWnd, m_pDateTime.get());
    m_nMinWidth = 0; // the fitted size is the least
    m_strDirName = m_item.m_strName;
    m_strSourcePath = m_item.m_strSourcePath.empty() ? NOT_AVAILABLE : m_item.m_strSourcePath;
    SyncTarget(false, true);
    FillFileList();
    UpdateControlStates();
    LayoutControls();
    return TRUE;
}

CItemInfo *CItemAttrDlg::GetTarget()
{
    if (m_nMode == 0)
        return &m_item;
    if (m_nSelected >= 0 && static_cast<size_t>(m_nSelected) < m_item.m_listFiles.size())
        return m_item.m_listFiles[static_cast<size_t>(m_nSelected)].get();
    return nullptr;
}

void CItemAttrDlg::SyncTarget(bool bStore, bool bDisplay)
{
    CItemInfo scratch(ITEM_KIND_FILE);
    scratch.m_strName = NOT_AVAILABLE;
    scratch.m_nTimeMode = TIME_MODE_SOURCE;
    CItemInfo *pTarget = GetTarget();
    if (!pTarget)
        pTarget = &scratch;
    const bool bFileMode = m_nMode != 0;

    if (bStore) {
        StoreAttributes(*pTarget, MakeAttributeWord(!bFileMode, m_bArchive, m_bHide, m_bSystem, m_bReadOnly), bFileMode,
                        m_bProcessed != 0);
        const std::wstring strField =
            m_nTimeMode == TIME_MODE_SPECIFIED && m_pDateTime ? m_pDateTime->GetValueText() : std::wstring();
        m_nTimeMode = StoreTimeChoice(*pTarget, m_nTimeMode, strField);
        return;
    }

    m_bArchive = (pTarget->m_dwAttributes & FILE_ATTRIBUTE_ARCHIVE) != 0;
    m_bHide = (pTarget->m_dwAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    m_bSystem = (pTarget->m_dwAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    m_bReadOnly = (pTarget->m_dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    m_nTimeMode = pTarget->m_nTimeMode;
    m_bProcessed = bFileMode && pTarget->IsProcessed();
    if (!bDisplay)
        return;

    SetDlgItemText(IDC_ATTR_FILES_GROUP, FilesGroupCaption(m_item.m_listFiles.size()));
    SetDlgItemText(IDC_ATTR_TOTAL_SIZE, SizeText(m_item.m_dwSize));
    SetDlgItemText(IDC_ATTR_SEL_SIZE, bFileMode && pTarget != &scratch ? SizeText(pTarget->m_dwSize) : NOT_AVAILABLE);
    m_ftShownSource = pTarget->m_ftSource;
    SetDlgItemText(IDC_ATTR_SOURCE_TIME, IsZero(m_ftShownSource)
                                             ? std::wstring(NOT_AVAILABLE)
                                             : FormatFileTime(&m_ftShownSource, TIME_PART_DATE | TIME_PART_TIME));
    if (m_pDateTime)
        m_pDateTime->SetValueText(IsZero(pTarget->m_ftSpecified)
                                      ? std::wstring()
                                      : FormatFileTime(&pTarget->m_ftSpecified, TIME_PART_DATE | TIME_PART_TIME));
    UpdateData(false);
}

void CItemAttrDlg::FillFileList()
{
    HWND hList = GetDlgItem(IDC_ATTR_FILE_LIST);
    ::SendMessageW(hList, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(hList, LB_RESETCONTENT, 0, 0);
    for (const auto &pEntry : m_item.m_listFiles)
        ::SendMessageW(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pEntry->m_strName.c_str()));
    ::SendMessageW(hList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hList, nullptr, TRUE);
}

void CItemAttrDlg::UpdateControlStates()
{
    CItemAttrStateInput in;
    in.bSourceTime = !IsZero(m_ftShownSource);
    in.bFileMode = m_nMode != 0;
    in.bRoot = m_item.IsKind(ITEM_KIND_ROOT);
    in.bNoSelection = m_nSelected < 0;
    in.bNoFiles = m_item.m_listFiles.empty();
    in.bSpecified = IsDlgButtonChecked(IDC_ATTR_TIME_SPECIFIED) == BST_CHECKED;
    const CItemAttrStates states = ComputeItemAttrStates(in);

    EnableDlgItem(IDC_ATTR_TIME_SYSCLOCK, states.bSysClock);
    EnableDlgItem(IDC_ATTR_TIME_SOURCE, states.bSourceAndSpecified);
    EnableDlgItem(IDC_ATTR_TIME_SPECIFIED, states.bSourceAndSpecified);
    for (int nID : {IDC_ATTR_ARCHIVE, IDC_ATTR_SYSTEM, IDC_ATTR_HIDE, IDC_ATTR_READONLY})
        EnableDlgItem(nID, states.bAttributes);
    EnableDlgItem(IDC_ATTR_DIR_NAME, states.bDirName);
    EnableDlgItem(IDC_ATTR_SOURCE_PATH, states.bFileList);
    EnableDlgItem(IDC_ATTR_FILE_LIST, states.bFileList);
    EnableDlgItem(IDC_ATTR_DELETE, states.bDeleteAndProcessed);
    EnableDlgItem(IDC_ATTR_PROCESSED, states.bDeleteAndProcessed);
    for (int nID : {IDC_ATTR_SORT, IDC_ATTR_DESCENDING, IDC_ATTR_SORT_BY_NAME, IDC_ATTR_SORT_BY_EXT})
        EnableDlgItem(nID, states.bSort);
    if (m_pDateTime && m_pDateTime->m_hWnd) {
        m_pDateTime->EnableWindow(states.bDateTime);
        if (states.bDateTime && m_pDateTime->GetText().empty())
            SetFieldToNow();
    }
}

void CItemAttrDlg::SetFieldToNow()
{
    if (m_pDateTime)
        m_pDateTime->SetValueTime(CTime::GetCurrentTime());
}

void CItemAttrDlg::LayoutControls()
{
    if (!GetDlgItem(IDOK))
        return;
    const RECT rcClient = GetClientRect();
    if (m_nMinWidth == 0) {
        const RECT rcWindow = GetWindowRect();
        m_nMinWidth = rcWindow.right - rcWindow.left;
        m_nMinHeight = rcWindow.bottom - rcWindow.top;
        m_nRightMargin = rcClient.right - ChildRect(m_hWnd, IDC_ATTR_ATTR_GROUP).right;
        return;
    }
    const CItemAttrStretch stretch =
        StretchItemAttrControls(rcClient.right, m_nRightMargin, ChildRect(m_hWnd, IDC_ATTR_FILES_GROUP).left,
                                ChildRect(m_hWnd, IDC_ATTR_FILE_LIST).left);
    for (int nID : {IDC_ATTR_DIR_NAME, IDC_ATTR_SOURCE_PATH, IDC_ATTR_FILES_GROUP})
        SetRight(m_hWnd, nID, stretch.nRight);
    SetRight(m_hWnd, IDC_ATTR_FILE_LIST, stretch.nListRight);
    // The group boxes leave their old frame behind otherwise; the dialog paints over its children,
    // so they (the date-time field with its button among them) are drawn again too.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CItemAttrDlg::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_SIZE: {
        LRESULT lResult = Default(uMsg, wParam, lParam);
        LayoutControls();
        return lResult;
    }
    case WM_SIZING:
        if (m_nMinWidth)
            KeepSizingRect(*reinterpret_cast<RECT *>(lParam), wParam, m_nMinWidth, m_nMinHeight);
        return TRUE;
    case WM_NCHITTEST: return HorizontalOnlyHitTest(Default(uMsg, wParam, lParam));
    default: return CDialog::WindowProc(uMsg, wParam, lParam);
    }
}
