#include "app/MainDlg.h"

#include "app/MainTexts.h"
#include "app/ToolCommands.h"
#include "app/WindowPlacement.h"
#include "copy/ErrorLog.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/Dpi.h"
#include "support/DpiArt.h"
#include "support/FileSystem.h"
#include "support/FitToText.h"
#include "tree/NodeImage.h"

#include <iterator>

namespace {

// 9 points of a fixed-pitch face at the window's DPI, for the report's columns.
HFONT CreateReportFont(int nDpi)
{
    LOGFONTW lf = {};
    lf.lfHeight = -::MulDiv(9, nDpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    wcscpy_s(lf.lfFaceName, L"ＭＳ ゴシック");
    return ::CreateFontIndirectW(&lf);
}

} // namespace

CMainDlg::CMainDlg(HWND hParent) : CDialog(IDD_PELNIX_DIALOG, hParent), m_strSettingsPath(GetSettingsFilePath()) {}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CSettingsFileStatus read = LoadSettings(m_strSettingsPath, m_tree, m_settings);
    m_bSettingsUnread = !read.bOk;

    m_wndToolBar.Create(m_hWnd, IDC_TOOLBAR);

    m_tree.SubclassDlgItem(IDC_DIRTREE, m_hWnd);
    m_nDpi = GetWindowDpi(m_hWnd);
    ApplyDpi(m_nDpi);
    FitDialogToTexts(m_hWnd);
    m_tree.EnsureRootItem();

    const RECT &rc = m_settings.m_rcWindow;
    if (IsSavedWindowRectUsable(m_hWnd, rc))
        ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);

    InitJobCommands();
    ArrangeControls();
    UpdateCommandStates();
    RefreshReport();
    if (m_bSettingsUnread)
        UiMessageBox(m_hWnd, SettingsUnreadableText(m_strSettingsPath, SettingsFailureReason(read)), CAPTION_PROGRAM,
                     MB_OK | MB_ICONEXCLAMATION);
    return TRUE;
}

LRESULT CMainDlg::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (OnJobMessage(uMsg, wParam, lParam))
        return 0;
    switch (uMsg) {
    case WM_PAINT:
        if (!::IsIconic(m_hWnd))
            break;
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(m_icons.GetLarge());
    case WM_SIZE: {
        LRESULT lResult = CDialog::WindowProc(uMsg, wParam, lParam);
        ArrangeControls();
        return lResult;
    }
    case WM_DPICHANGED_MSG: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam)); return 0;
    case WM_CLOSE: ExitSequence(); return 0;
    case WM_TOOLCOMMAND: DispatchCommand(static_cast<UINT>(wParam)); return 0;
    case WM_SETCURSOR:
        if (m_bBusy) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    default: break;
    }
    return CDialog::WindowProc(uMsg, wParam, lParam);
}

void CMainDlg::ApplyDpi(int nDpi)
{
    m_nDpi = nDpi;
    // The pane lets go of the old font before it is deleted.
    HFONT hFont = CreateReportFont(nDpi);
    ::SendDlgItemMessageW(m_hWnd, IDC_FILEINFO, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    m_fontReport.Attach(hFont);
    m_tree.SetItemImageList(PickArtResource(nDpi, IDB_DIRTREE, IDB_DIRTREE_150, IDB_DIRTREE_200),
                            ArtSizeForDpi(NODE_IMAGE_SIZE, nDpi), NODE_IMAGE_MASK);
    m_icons.Apply(m_hWnd, IDR_MAINFRAME, nDpi);
    // The tree borrows the cursors: it gets the new ones before the old ones go.
    CCursor cursorMove(LoadCursorForDpi(IDC_DRAG_MOVE, nDpi)), cursorNoDrop(LoadCursorForDpi(IDC_DRAG_NODROP, nDpi));
    CCursor cursorCopy(LoadCursorForDpi(IDC_DRAG_COPY, nDpi));
    m_tree.SetDragCursors(cursorMove, cursorNoDrop, cursorCopy);
    m_cursorMove = std::move(cursorMove);
    m_cursorNoDrop = std::move(cursorNoDrop);
    m_cursorCopy = std::move(cursorCopy);
}

void CMainDlg::OnDpiChanged(int nDpi, const RECT &rcSuggested)
{
    ApplyDpi(nDpi);
    m_wndToolBar.SetImagesForDpi(nDpi);
    // The move sends WM_SIZE, which lays the controls out again; a move that keeps the size does not.
    ::SetWindowPos(m_hWnd, nullptr, rcSuggested.left, rcSuggested.top, rcSuggested.right - rcSuggested.left,
                   rcSuggested.bottom - rcSuggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ArrangeControls();
}

void CMainDlg::OnPaint()
{
    // Minimised: the icon in the middle of what is left of the window.
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    RECT rc = GetClientRect();
    int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(hdc, (rc.right - rc.left - cx + 1) / 2, (rc.bottom - rc.top - cy + 1) / 2, m_icons.GetLarge());
    ::EndPaint(m_hWnd, &ps);
}

bool CMainDlg::OnCommand(UINT nID, UINT nCode, HWND)
{
    if (nID == IDC_SELECT_DEST && nCode == BN_CLICKED) {
        SelectDestination();
        return true;
    }
    // The tool bar's commands go on to the application object, which posts them back.
    return false;
}

bool CMainDlg::OnNotify(NMHDR *pHdr, LRESULT *pResult)
{
    if (pHdr->idFrom == IDC_DIRTREE && pHdr->code == TVN_SELCHANGEDW) {
        UpdateCommandStates();
        RefreshReport();
        *pResult = 0;
        return true;
    }
    if (pHdr->code == TTN_GETDISPINFOW && m_wndToolBar.m_hWnd &&
        pHdr->hwndFrom == reinterpret_cast<HWND>(m_wndToolBar.SendMessage(TB_GETTOOLTIPS))) {
        *pResult = 0;
        return OnToolTipText(*reinterpret_cast<NMTTDISPINFOW *>(pHdr));
    }
    return false;
}

bool CMainDlg::OnToolTipText(NMTTDISPINFOW &info)
{
    // The hovered button's command id is the string's id.
    int nLength = ::LoadStringW(::GetModuleHandleW(nullptr), static_cast<UINT>(info.hdr.idFrom), info.szText,
                                static_cast<int>(std::size(info.szText)));
    if (nLength <= 0)
        return false;
    info.lpszText = info.szText;
    info.hinst = nullptr;
    return true;
}

void CMainDlg::ExitSequence()
{
    if (m_bBusy)
        return;
    if (UiMessageBox(m_hWnd, kExitQuestion, CAPTION_CONFIRM, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    if (!m_bSettingsUnread) {
        const CSettingsFileStatus saved = SaveSettings(m_strSettingsPath, m_hWnd, m_tree, m_settings);
        if (!saved.bOk)
            UiMessageBox(m_hWnd, SettingsNotSavedText(m_strSettingsPath, SettingsFailureReason(saved)), CAPTION_PROGRAM,
                         MB_OK | MB_ICONEXCLAMATION);
    }
    // Asked whether or not logging is on: a log of this process may exist from before it was switched off.
    const std::wstring strLog = GetErrorLogFileName(m_tree);
    if (FindFileEntry(strLog) &&
        UiMessageBox(m_hWnd, DeleteErrorLogQuestion(strLog), CAPTION_CONFIRM, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ::DeleteFileW(strLog.c_str());
    EndDialog(IDCANCEL);
}
