#include "support/StatusWnd.h"
#include "support/Dpi.h"
#include "support/FitToText.h"
#include "support/Pump.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// Nominal template size in dialog units; the real size is set at initialisation.
constexpr int kTemplateCx = 123, kTemplateCy = 17;

SIZE TextExtent(HDC hDC, const std::wstring &str)
{
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, str.c_str(), static_cast<int>(str.size()), &size);
    return size;
}

} // namespace

CStatusWnd::CStatusWnd(const std::wstring &strCaption, int *pCancel, UINT nBitmapID, COLORREF crMask, int nFramePeriod,
                       int nShortenMode, int nPlacement, bool bDisableOwner)
    : m_pCancel(pCancel), m_nShortenMode(nShortenMode), m_nPlacement(nPlacement), m_bDisableOwner(bDisableOwner)
{
    m_strCaption = strCaption;
    m_dwStyle = (m_dwStyle & ~WS_VISIBLE) | WS_THICKFRAME | DS_SYSMODAL;

    // A DIB section keeps the artwork's colours; a screen bitmap could lose them.
    CBitmap hStrip(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nBitmapID),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP bm = {};
    if (hStrip && ::GetObjectW(hStrip, sizeof bm, &bm) && bm.bmHeight > 0)
        m_nFrameSize = bm.bmHeight;
    CImageList hImages(m_nFrameSize ? ::ImageList_Create(m_nFrameSize, m_nFrameSize, ILC_COLOR24 | ILC_MASK, 16, 0)
                                    : nullptr);
    if (hImages && ::ImageList_AddMasked(hImages, hStrip, crMask) >= 0) {
        int n = ::ImageList_GetImageCount(hImages);
        for (int i = 0; i < n; ++i) {
            CIcon hIcon(::ImageList_GetIcon(hImages, i, ILD_NORMAL));
            if (hIcon)
                m_listFrames.push_back(std::move(hIcon));
        }
    }
    m_nFramePeriod = m_listFrames.size() > 1 ? nFramePeriod : 0;

    if (!m_listFrames.empty())
        AddItem(TEMPLATE_CLASS_STATIC, IDC_STATUS_ICON, nullptr, nullptr, SS_ICON | SS_CENTERIMAGE);
    AddItem(TEMPLATE_CLASS_STATIC, IDC_STATUS_LINE1, nullptr, nullptr, SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE);
    AddItem(TEMPLATE_CLASS_STATIC, IDC_STATUS_LINE2, nullptr, nullptr,
            WS_BORDER | SS_CENTER | SS_NOPREFIX | SS_CENTERIMAGE);
    AddItem(TEMPLATE_CLASS_BUTTON, IDC_STATUS_CANCEL, nullptr, L"ｷｬﾝｾﾙ", BS_DEFPUSHBUTTON);
}

CStatusWnd::~CStatusWnd()
{
    // The window goes before the icons it shows.
    DestroyWindow();
}

bool CStatusWnd::Create(HWND hOwner, int nPointSize, int nClientWidth)
{
    m_nClientWidth = nClientWidth;
    m_nPointSize = static_cast<WORD>(nPointSize);
    m_hOwner = hOwner;
    return CreateModeless(0, 0, kTemplateCx, kTemplateCy, nullptr, hOwner, 0, 0);
}

bool CStatusWnd::DestroyWindow()
{
    if (!m_hWnd)
        return false;
    // The owner must be enabled before this window goes, or activation passes to another program.
    EnableOwnerAgain();
    return ::DestroyWindow(m_hWnd) != FALSE;
}

BOOL CStatusWnd::OnInitDialog()
{
    CTemplateDialog::OnInitDialog();
    if (HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER))
        m_hOwner = hOwner;
    m_nLineHeight = MeasureLineHeight();
    m_nDpi = GetWindowDpi(m_hWnd);
    RECT rcButton = {};
    ::GetWindowRect(GetDlgItem(IDC_STATUS_CANCEL), &rcButton);
    m_sizeButton = SIZE{rcButton.right - rcButton.left, rcButton.bottom - rcButton.top};

    RECT rc = {0, 0, ScaleForDpi(m_nClientWidth, m_nDpi),
               CalcStatusClientHeight(m_nLineHeight, !m_listFrames.empty(), m_pCancel != nullptr, m_sizeButton.cy,
                                      m_nFrameSize, m_nDpi)};
    ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)));
    m_cyWindow = rc.bottom - rc.top;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left, m_cyWindow, SWP_NOZORDER | SWP_NOACTIVATE);

    SetWindowText(m_strCaption);
    Layout();
    if (FitDialogToTexts(m_hWnd)) {
        // The layout keeps the button's size and the window's height: take the fitted ones.
        m_sizeButton = WindowSize(GetDlgItem(IDC_STATUS_CANCEL));
        m_cyWindow = WindowSize(m_hWnd).cy;
        Layout();
    }
    if (m_bDisableOwner && m_hOwner)
        m_bOwnerDisabled = ::EnableWindow(m_hOwner, FALSE) == FALSE; // it was enabled before
    if (!m_pCancel) {
        HWND hButton = GetDlgItem(IDC_STATUS_CANCEL);
        ::EnableWindow(hButton, FALSE);
        ::ShowWindow(hButton, SW_HIDE);
    }
    if (m_nPlacement)
        ApplyPlacement(m_nPlacement);
    else
        CenterOnOwner();
    ShowWindow(SW_SHOW);
    // The owner's loop drains the queue while this window is shown: Escape must reach it there.
    AddPumpDialog(m_hWnd);
    SetStatus(m_strLine1.c_str(), m_strLine2.c_str(), 0, 0);
    if (m_nFramePeriod > 0)
        ::SetTimer(m_hWnd, kTimerID, static_cast<UINT>(m_nFramePeriod), nullptr);
    return TRUE;
}

void CStatusWnd::SetStatus(const wchar_t *pszLine1, const wchar_t *pszLine2, int nPlacement, int nFrame)
{
    if (!m_hWnd)
        return;
    if (pszLine1) {
        m_strLine1 = pszLine1;
        ShowLine(IDC_STATUS_LINE1, m_strLine1, m_strShown1);
    }
    if (pszLine2) {
        m_strLine2 = pszLine2;
        ShowLine(IDC_STATUS_LINE2, m_strLine2, m_strShown2);
    }
    if (nPlacement) {
        ApplyPlacement(nPlacement);
        m_nPlacement = nPlacement;
    }
    if (nFrame != -1)
        ShowFrame(nFrame);
}

LRESULT CStatusWnd::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_SIZE:
        if (m_nLineHeight)
            Layout();
        break;
    case WM_GETMINMAXINFO:
        // Only the width can be dragged: pin the height once it is known.
        if (m_cyWindow) {
            auto *pInfo = reinterpret_cast<MINMAXINFO *>(lParam);
            pInfo->ptMinTrackSize.y = m_cyWindow;
            pInfo->ptMaxTrackSize.y = m_cyWindow;
            return 0;
        }
        break;
    case WM_NCHITTEST: {
        LRESULT nHit = CTemplateDialog::WindowProc(uMsg, wParam, lParam);
        switch (nHit) {
        case HTTOPLEFT:
        case HTBOTTOMLEFT: return HTLEFT;
        case HTTOPRIGHT:
        case HTBOTTOMRIGHT: return HTRIGHT;
        case HTTOP:
        case HTBOTTOM: return HTBORDER;
        default: return nHit;
        }
    }
    case WM_TIMER:
        if (wParam == kTimerID) {
            ::KillTimer(m_hWnd, kTimerID);
            ShowFrame(m_nCurrentFrame);
            ::SetTimer(m_hWnd, kTimerID, static_cast<UINT>(m_nFramePeriod), nullptr);
            return 0;
        }
        break;
    case WM_DESTROY:
        RemovePumpDialog(m_hWnd);
        ::KillTimer(m_hWnd, kTimerID);
        EnableOwnerAgain();
        break;
    default: break;
    }
    return CTemplateDialog::WindowProc(uMsg, wParam, lParam);
}

bool CStatusWnd::OnCommand(UINT nID, UINT nCode, HWND)
{
    if (nID != IDC_STATUS_CANCEL)
        return false;
    if (nCode == BN_CLICKED && m_pCancel)
        Cancel();
    return true;
}

void CStatusWnd::OnOK() {}

// Escape and Alt+F4 act as the cancel button; without one they do nothing,
// since the owner alone ends a window it cannot be told about.
void CStatusWnd::OnCancel()
{
    if (m_pCancel)
        Cancel();
}

void CStatusWnd::Cancel()
{
    *m_pCancel = 1;
    DestroyWindow();
}

void CStatusWnd::EnableOwnerAgain()
{
    if (!m_bOwnerDisabled)
        return;
    m_bOwnerDisabled = false;
    ::EnableWindow(m_hOwner, TRUE);
}

int CStatusWnd::MeasureLineHeight() const
{
    CClientDC dc(m_hWnd);
    CSelectObject font(dc, GetFont());
    return static_cast<int>(TextExtent(dc, L"QWERT").cy) + 4;
}

void CStatusWnd::Layout()
{
    HWND hButton = GetDlgItem(IDC_STATUS_CANCEL);
    CStatusLayout lay = LayoutStatusControls(GetClientRect(), m_nLineHeight, !m_listFrames.empty(),
                                             m_pCancel != nullptr, m_sizeButton, m_nFrameSize, m_nDpi);
    auto place = [](HWND hCtrl, const RECT &rc) {
        if (hCtrl)
            ::MoveWindow(hCtrl, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    };
    if (!m_listFrames.empty())
        place(GetDlgItem(IDC_STATUS_ICON), lay.rcIcon);
    place(GetDlgItem(IDC_STATUS_LINE1), lay.rcLine1);
    place(GetDlgItem(IDC_STATUS_LINE2), lay.rcLine2);
    if (m_pCancel)
        place(hButton, lay.rcButton);
    SetStatus(m_strLine1.c_str(), m_strLine2.c_str(), 0, -1);
}

void CStatusWnd::ShowLine(int nID, const std::wstring &strText, std::wstring &strShown)
{
    HWND hCtrl = GetDlgItem(nID);
    if (!hCtrl)
        return;
    RECT rc = {};
    ::GetClientRect(hCtrl, &rc);
    CClientDC dc(hCtrl);
    CSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(hCtrl, WM_GETFONT, 0, 0)));
    std::wstring strFit = ShortenPath(strText, m_nShortenMode, rc.right - rc.left,
                                      [&dc](const std::wstring &s) { return static_cast<int>(TextExtent(dc, s).cx); });
    // Unchanged text is not set again: the line would flicker on every update of a scan.
    if (strFit == strShown)
        return;
    strShown = strFit;
    ::SetWindowTextW(hCtrl, strShown.c_str());
}

void CStatusWnd::ShowFrame(int nIndex)
{
    HWND hIcon = GetDlgItem(IDC_STATUS_ICON);
    if (!hIcon || m_listFrames.empty())
        return;
    if (nIndex < 0 || nIndex >= GetFrameCount())
        nIndex = 0;
    ::SendMessageW(hIcon, STM_SETICON, reinterpret_cast<WPARAM>(GetFrame(nIndex)), 0);
    m_nCurrentFrame = (nIndex + 1) % GetFrameCount();
}

void CStatusWnd::ApplyPlacement(int nFlags)
{
    RECT rcWork = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    POINT pt = PlaceOnWorkArea(GetWindowRect(), rcWork, nFlags);
    ::SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CStatusWnd::CenterOnOwner()
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromWindow(m_hOwner ? m_hOwner : m_hWnd, MONITOR_DEFAULTTONEAREST);
    ::GetMonitorInfoW(hMonitor, &mi);
    RECT rcCenter = mi.rcWork;
    // A hidden or minimised owner has no useful middle: use the screen's.
    if (m_hOwner && ::IsWindowVisible(m_hOwner) && !::IsIconic(m_hOwner))
        ::GetWindowRect(m_hOwner, &rcCenter);
    RECT rc = GetWindowRect();
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = (rcCenter.left + rcCenter.right - cx) / 2;
    int y = (rcCenter.top + rcCenter.bottom - cy) / 2;
    // Kept on the screen, as a dialog centred on its owner is.
    x = std::max(static_cast<int>(mi.rcWork.left), std::min(x, static_cast<int>(mi.rcWork.right) - cx));
    y = std::max(static_cast<int>(mi.rcWork.top), std::min(y, static_cast<int>(mi.rcWork.bottom) - cy));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
