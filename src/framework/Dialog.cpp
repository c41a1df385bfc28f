#include "framework/Dialog.h"

#include "framework/App.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "framework/WorkArea.h"

#include <cwchar>
#include <cwctype>
#include <vector>

// ---- data exchange ----

HWND CDataExchange::PrepareCtrl(int nID)
{
    m_hLastCtrl = m_dlg.GetDlgItem(nID);
    return m_hLastCtrl;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (!m_bSaveAndValidate || !m_hLastCtrl)
        return;
    ::SetFocus(m_hLastCtrl);
    wchar_t szClass[16];
    if (::GetClassNameW(m_hLastCtrl, szClass, 16) && _wcsicmp(szClass, L"Edit") == 0)
        ::SendMessageW(m_hLastCtrl, EM_SETSEL, 0, -1);
}

void DDX_Check(CDataExchange &dx, int nID, int &value)
{
    HWND hCtrl = dx.PrepareCtrl(nID);
    if (dx.m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange &dx, int nID, int &value)
{
    HWND hCtrl = dx.PrepareCtrl(nID);
    if (dx.m_bSaveAndValidate)
        value = -1;
    int nIndex = 0;
    // The group runs from the first button to the next control that starts a group.
    for (HWND h = hCtrl; h; h = ::GetWindow(h, GW_HWNDNEXT), ++nIndex) {
        if (h != hCtrl && (::GetWindowLongW(h, GWL_STYLE) & WS_GROUP))
            break;
        if (dx.m_bSaveAndValidate) {
            if (::SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED && value < 0)
                value = nIndex;
        } else {
            ::SendMessageW(h, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_Text(CDataExchange &dx, int nID, std::wstring &value)
{
    HWND hCtrl = dx.PrepareCtrl(nID);
    if (dx.m_bSaveAndValidate) {
        int n = ::GetWindowTextLengthW(hCtrl);
        std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
        int got = ::GetWindowTextW(hCtrl, buf.data(), n + 1);
        value.assign(buf.data(), static_cast<size_t>(got > 0 ? got : 0));
    } else {
        ::SetWindowTextW(hCtrl, value.c_str());
    }
}

void DDX_Text(CDataExchange &dx, int nID, int &value)
{
    if (!dx.m_bSaveAndValidate) {
        std::wstring s = std::to_wstring(value);
        DDX_Text(dx, nID, s);
        return;
    }
    std::wstring s;
    DDX_Text(dx, nID, s);
    const wchar_t *p = s.c_str();
    while (std::iswspace(*p))
        ++p;
    wchar_t *pEnd = nullptr;
    errno = 0;
    long v = std::wcstol(p, &pEnd, 10);
    while (pEnd && std::iswspace(*pEnd))
        ++pEnd;
    if (pEnd == p || *pEnd || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
        UiMessageBox(dx.m_dlg.m_hWnd, L"整数を入力してください。", CAPTION_ERROR, MB_OK | MB_ICONEXCLAMATION);
        dx.Fail();
        return;
    }
    value = static_cast<int>(v);
}

void DDX_CBIndex(CDataExchange &dx, int nID, int &value)
{
    HWND hCtrl = dx.PrepareCtrl(nID);
    if (dx.m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hCtrl, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDX_LBIndex(CDataExchange &dx, int nID, int &value)
{
    HWND hCtrl = dx.PrepareCtrl(nID);
    if (dx.m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hCtrl, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

// ---- dialog ----

CDialog::CDialog(UINT nIDTemplate, HWND hParent) : m_nIDTemplate(nIDTemplate), m_hParentWnd(hParent) {}

CDialog::~CDialog()
{
    if (m_hWnd && !m_bModal)
        ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal()
{
    m_bModal = true;
    INT_PTR n = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), m_hParentWnd,
                                  StaticDlgProc, reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return n;
}

INT_PTR CDialog::DoModalIndirect(const DLGTEMPLATE *pTemplate)
{
    m_bModal = true;
    INT_PTR n = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), pTemplate, m_hParentWnd, StaticDlgProc,
                                          reinterpret_cast<LPARAM>(this));
    m_bModal = false;
    return n;
}

bool CDialog::Create(UINT nIDTemplate, HWND hParent)
{
    m_nIDTemplate = nIDTemplate;
    m_hParentWnd = hParent;
    m_bModal = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIDTemplate), hParent, StaticDlgProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialog::CreateIndirect(const DLGTEMPLATE *pTemplate, HWND hParent)
{
    m_hParentWnd = hParent;
    m_bModal = false;
    return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), pTemplate, hParent, StaticDlgProc,
                                        reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR nResult)
{
    if (!m_hWnd)
        return;
    if (m_bModal)
        ::EndDialog(m_hWnd, nResult);
    else
        ::DestroyWindow(m_hWnd);
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(dx);
    return !dx.m_bFailed;
}

std::wstring CDialog::GetDlgItemText(int nID) const
{
    CDataExchange dx(const_cast<CDialog &>(*this), true);
    std::wstring s;
    DDX_Text(dx, nID, s);
    return s;
}

void CDialog::PostButtonClick(int nID) const
{
    PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(nID)));
}

void CDialog::DoDataExchange(CDataExchange &) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(UINT, UINT, HWND)
{
    return false;
}

bool CDialog::OnNotify(NMHDR *, LRESULT *)
{
    return false;
}

LRESULT CDialog::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_COMMAND: {
        UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
        HWND hCtrl = reinterpret_cast<HWND>(lParam);
        if (OnCommand(nID, nCode, hCtrl))
            return 0;
        if (nID == IDOK && nCode == BN_CLICKED) {
            OnOK();
            return 0;
        }
        if (nID == IDCANCEL && nCode == BN_CLICKED) {
            OnCancel();
            return 0;
        }
        // Menu, accelerator and tool bar commands the dialog leaves alone go to the application.
        if (nCode == BN_CLICKED || nCode == 1) {
            if (CWinApp *pApp = CWinApp::GetApp(); pApp && pApp->OnCommand(nID))
                return 0;
        }
        break;
    }
    case WM_NOTIFY: {
        LRESULT lResult = 0;
        if (OnNotify(reinterpret_cast<NMHDR *>(lParam), &lResult))
            return lResult;
        break;
    }
    default: break;
    }
    return Default(uMsg, wParam, lParam);
}

INT_PTR CALLBACK CDialog::StaticDlgProc(HWND hDlg, UINT uMsg, WPARAM, LPARAM lParam)
{
    if (uMsg != WM_INITDIALOG)
        return FALSE;
    auto *pDlg = reinterpret_cast<CDialog *>(lParam);
    try {
        // From here on every message goes through the object's window procedure.
        if (!pDlg || !pDlg->InstallSubclass(hDlg))
            return TRUE;
        BOOL bFocus = pDlg->OnInitDialog();
        // After the dialog placed and sized itself. Modeless windows (the status window) and the
        // main window (a window of the task bar, placed from the settings) follow rules of their own.
        if (pDlg->m_bModal && pDlg->m_hWnd && !(::GetWindowLongW(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW))
            KeepWindowInWorkArea(hDlg, ::GetWindow(hDlg, GW_OWNER));
        if (pDlg->m_bModal && pDlg->m_hWnd)
            UiSeams().OnModalDialogInit(*pDlg);
        return bFocus;
    } catch (...) {
        return TRUE;
    }
}
