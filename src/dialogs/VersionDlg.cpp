#include "dialogs/VersionDlg.h"

#include "dialogs/VersionLayout.h"
#include "res/resource.h"
#include "support/FitToText.h"
#include "support/VerInfo.h"

#include <algorithm>

namespace {

const int LINE_IDS[] = {IDC_VERSION_PRODUCT, IDC_VERSION_COPYRIGHT, IDC_VERSION_COMMENTS, IDC_VERSION_BUILD};

void Place(HWND hWnd, const RECT &rc)
{
    ::MoveWindow(hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

} // namespace

CVersionDlg::CVersionDlg(const std::wstring &strCaption, UINT nBitmapID, HWND hParent, int nCloseDelay)
    : CVersionDlg(strCaption, nBitmapID, hParent, nCloseDelay, CVerInfo())
{
}

CVersionDlg::CVersionDlg(const std::wstring &strCaption, UINT nBitmapID, HWND hParent, int nCloseDelay,
                         const CVerInfo &info)
    : m_nCloseDelay(nCloseDelay), m_nClosePeriodMs(nCloseDelay > 0 ? static_cast<UINT>(nCloseDelay) * 1000 : 0)
{
    m_strCaption = strCaption;
    m_dwStyle |= WS_SYSMENU;
    BuildTemplate(info, nBitmapID, hParent);
}

void CVersionDlg::BuildTemplate(const CVerInfo &info, UINT nBitmapID, HWND hParent)
{
    m_strLine1 = info.GetProductLine();
    m_strLine2 = info.LegalCopyright();
    m_strLine3 = info.Comments();
    m_strLine4 = info.GetBuildLine();
    if (nBitmapID != 0) {
        m_bitmap.Attach(static_cast<HBITMAP>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapID), IMAGE_BITMAP, 0, 0, 0)));
        AddItem(TEMPLATE_CLASS_STATIC, IDC_VERSION_BITMAP, nullptr, nullptr, SS_BITMAP | WS_BORDER, WS_EX_CLIENTEDGE);
    }
    // Copyright and comment texts may hold "&": shown as it is, never as a mnemonic.
    for (int nID : LINE_IDS)
        AddItem(TEMPLATE_CLASS_STATIC, static_cast<WORD>(nID), nullptr, nullptr, SS_NOPREFIX);
    AddItem(TEMPLATE_CLASS_BUTTON, IDOK, nullptr, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP);
    InitModal(0, 0, 128, 64, m_strCaption.c_str(), hParent);
}

void CVersionDlg::DoDataExchange(CDataExchange &dx)
{
    DDX_Text(dx, IDC_VERSION_PRODUCT, m_strLine1);
    DDX_Text(dx, IDC_VERSION_COPYRIGHT, m_strLine2);
    DDX_Text(dx, IDC_VERSION_COMMENTS, m_strLine3);
    DDX_Text(dx, IDC_VERSION_BUILD, m_strLine4);
}

BOOL CVersionDlg::OnInitDialog()
{
    CTemplateDialog::OnInitDialog();
    ArrangeControls();
    SetWindowText(m_strCaption);
    FitDialogToTexts(m_hWnd);
    if (m_nClosePeriodMs > 0)
        ::SetTimer(m_hWnd, kCloseTimerID, m_nClosePeriodMs, nullptr);
    return TRUE;
}

void CVersionDlg::ArrangeControls()
{
    CVersionMeasure m;
    {
        CClientDC dc(m_hWnd);
        CSelectObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        for (const std::wstring *pLine : {&m_strLine1, &m_strLine2, &m_strLine3, &m_strLine4}) {
            SIZE size = {};
            ::GetTextExtentPoint32W(dc, pLine->c_str(), static_cast<int>(pLine->size()), &size);
            m.cxText = std::max(m.cxText, static_cast<int>(size.cx));
            m.cyText = std::max(m.cyText, static_cast<int>(size.cy));
        }
    }
    m.sizeButton = WindowSize(GetDlgItem(IDOK));
    HWND hBitmap = GetDlgItem(IDC_VERSION_BITMAP);
    if (hBitmap) {
        m.bBitmap = true;
        if (m_bitmap) {
            ::SendMessageW(hBitmap, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bitmap.Get()));
            // The whole picture inside the border: the control sizes itself differently from system
            // to system, so it is sized here.
            BITMAP bm = {};
            ::GetObjectW(m_bitmap, sizeof bm, &bm);
            RECT rc = {0, 0, bm.bmWidth, bm.bmHeight};
            ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongW(hBitmap, GWL_STYLE)), FALSE,
                                 static_cast<DWORD>(::GetWindowLongW(hBitmap, GWL_EXSTYLE)));
            ::SetWindowPos(hBitmap, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        m.sizeBitmapCtrl = WindowSize(hBitmap);
    }
    const CVersionLayout layout = ComputeVersionLayout(m);

    // The client area to the layout's size, the top-left corner where it is.
    RECT rcWindow = {}, rcClient = {};
    ::GetWindowRect(m_hWnd, &rcWindow);
    ::GetClientRect(m_hWnd, &rcClient);
    const int cxFrame = (rcWindow.right - rcWindow.left) - rcClient.right;
    const int cyFrame = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, layout.sizeClient.cx + cxFrame, layout.sizeClient.cy + cyFrame,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    if (hBitmap)
        Place(hBitmap, layout.rcBitmap);
    for (int i = 0; i < 4; ++i)
        Place(GetDlgItem(LINE_IDS[i]), layout.rcLines[i]);
    Place(GetDlgItem(IDOK), layout.rcOK);
}

LRESULT CVersionDlg::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_TIMER && wParam == kCloseTimerID) {
        ::KillTimer(m_hWnd, kCloseTimerID);
        OnCancel();
        return 0;
    }
    return CTemplateDialog::WindowProc(uMsg, wParam, lParam);
}

void ShowVersionDialog(HWND hOwner)
{
    CVersionDlg dlg(L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)", IDB_VERSION, hOwner, 30);
    dlg.DoModal();
}
