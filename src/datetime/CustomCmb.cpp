#include "datetime/CustomCmb.h"

#include "support/DrawHelpers.h"

#include <windowsx.h>

namespace {
const wchar_t kFieldClass[] = L"PlxDropField";
}

LRESULT CFieldEdit::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_GETDLGCODE: {
        LRESULT lCode = Default(uMsg, wParam, lParam);
        const MSG *pMsg = reinterpret_cast<const MSG *>(lParam);
        if (pMsg && pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN) &&
            m_pField && m_pField->IsDroppedDown())
            lCode |= DLGC_WANTMESSAGE;
        return lCode;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // WM_SYSKEYDOWN of an arrow comes only with Alt held.
        if (m_pField && m_pField->OnEditKey(static_cast<UINT>(wParam), uMsg == WM_SYSKEYDOWN)) {
            m_bSwallowChar = true;
            return 0;
        }
        m_bSwallowChar = false;
        break;
    case WM_CHAR:
        if (m_bSwallowChar && (wParam == VK_ESCAPE || wParam == VK_RETURN)) {
            m_bSwallowChar = false;
            return 0;
        }
        m_bSwallowChar = false;
        break;
    default: break;
    }
    return CWnd::WindowProc(uMsg, wParam, lParam);
}

CCustomCmb::CCustomCmb()
{
    m_edit.m_pField = this;
}

CCustomCmb::~CCustomCmb()
{
    // The panel goes first; then the window, while this class still sees its messages.
    if (m_hWnd)
        DestroyWindow();
}

bool CCustomCmb::CreateField(const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace, int nPoints)
{
    m_font.Close();
    m_font.Attach(CopyFont(reinterpret_cast<HFONT>(::SendMessageW(hParent, WM_GETFONT, 0, 0))));
    if (!m_font)
        m_font.Attach(CreatePointFont(kDefaultFontFace, 9, hParent));
    if (!m_font)
        return false;
    if (!RegisterWndClass(kFieldClass, CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), nullptr))
        return false;
    if (!CreateEx(m_dwExStyle, kFieldClass, L"", m_dwStyle, rc, hParent, nID))
        return false;

    const RECT rcClient = GetClientRect();
    const SIZE size = m_btnDrop.GetBitmapSize();
    const RECT rcButton = {rcClient.right - size.cx, 0, rcClient.right, rcClient.bottom};
    if (!m_btnDrop.Create(rcButton, IDC_FIELD_DROP, m_hWnd))
        return false;
    // The button's press reaches the field, which opens the panel; the capture comes back after.
    m_btnDrop.m_bForwardMouse = 1;
    m_btnDrop.m_bReturnCapture = 1;
    const RECT rcEdit = {rcClient.left + 1, rcClient.top + 1, rcButton.left, rcClient.bottom};
    if (!m_edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rcEdit, m_hWnd,
                         IDC_FIELD_EDIT))
        return false;
    m_edit.SetFont(m_font, false);
    if (pszFace && *pszFace)
        m_strFontFace = pszFace;
    m_nFontSize = nPoints;
    return true;
}

void CCustomCmb::LayOut()
{
    if (!m_btnDrop.m_hWnd || !m_edit.m_hWnd)
        return;
    const RECT rc = GetClientRect();
    const int cx = m_btnDrop.GetBitmapSize().cx;
    m_btnDrop.MoveWindow(RECT{rc.right - cx, 0, rc.right, rc.bottom});
    m_edit.MoveWindow(RECT{rc.left + 1, rc.top + 1, rc.right - cx, rc.bottom});
}

void CCustomCmb::SetText(const std::wstring &strText)
{
    m_edit.SetWindowText(strText);
}

std::wstring CCustomCmb::GetText() const
{
    return m_edit.GetWindowText();
}

RECT CCustomCmb::GetDropButtonRect() const
{
    return m_btnDrop.GetWindowRect();
}

bool CCustomCmb::IsDroppedDown() const
{
    return m_pDropDown && m_pDropDown->m_hWnd && m_pDropDown->IsWindowVisible();
}

void CCustomCmb::DropDown()
{
    if (m_pDropDown) {
        CloseUp();
        return;
    }
    m_pDropDown = std::make_unique<CCustomCmbDropDownWnd>();
    m_pDropDown->CreatePopup(m_hWnd, m_strFontFace.empty() ? nullptr : m_strFontFace.c_str(), m_nFontSize);
    m_pDropDown->m_nNotifyMessage = WM_DROPDOWN_RESULT;
    m_pDropDown->ShowDropDown();
}

void CCustomCmb::CloseUp()
{
    m_btnDrop.m_bForwardMouse = 1;
    if (!m_pDropDown)
        return;
    if (m_pDropDown->m_hWnd) {
        m_pDropDown->HideDropDown();
        m_pDropDown->DestroyWindow();
    }
    m_pDropDown.reset();
}

void CCustomCmb::OnDropResult(int, LPARAM)
{
    CloseUp();
}

bool CCustomCmb::OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y)
{
    if (IsDroppedDown()) {
        const POINT pt = MapClientPoint(x, y, m_hWnd, *m_pDropDown);
        m_pDropDown->PostMessage(uMsg, wKeys, MAKELPARAM(pt.x, pt.y));
        return true;
    }
    if (uMsg != WM_LBUTTONDOWN)
        return false;
    RECT rcButton = GetDropButtonRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT *>(&rcButton), 2);
    if (!::PtInRect(&rcButton, POINT{x, y}))
        return false;
    // The release of this press must not reach the panel it opens.
    m_btnDrop.m_bForwardMouse = 0;
    DropDown();
    return true;
}

bool CCustomCmb::OnEditKey(UINT nVirtKey, bool bAlt)
{
    const bool bOpen = IsDroppedDown();
    if ((nVirtKey == VK_F4 && !bAlt) || (bAlt && (nVirtKey == VK_DOWN || nVirtKey == VK_UP))) {
        if (bOpen)
            AcceptDropDown();
        else
            DropDown();
        return true;
    }
    if (!bOpen || bAlt)
        return false;
    if (nVirtKey == VK_ESCAPE) {
        SendMessage(WM_DROPDOWN_RESULT, DROP_CANCEL);
        return true;
    }
    if (nVirtKey == VK_RETURN) {
        AcceptDropDown();
        return true;
    }
    return false;
}

void CCustomCmb::AcceptDropDown()
{
    SendMessage(WM_DROPDOWN_RESULT, DROP_ACCEPT);
}

LRESULT CCustomCmb::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_SIZE: {
        LRESULT lResult = Default(uMsg, wParam, lParam);
        LayOut();
        return lResult;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        const RECT rc = GetClientRect();
        ::FillRect(hDC, &rc, ::GetSysColorBrush(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_ENABLE:
        // No result: the text written so far stays.
        if (IsDroppedDown())
            CloseUp();
        Invalidate();
        m_edit.EnableWindow(wParam != 0);
        m_btnDrop.EnableWindow(wParam != 0);
        return 0;
    case WM_SETFOCUS: {
        LRESULT lResult = Default(uMsg, wParam, lParam);
        ::SetFocus(m_edit);
        return lResult;
    }
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font.Get());
    case WM_SETFONT: return SetControlFont(m_hWnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0, m_font);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        OnMouseMessage(uMsg, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return Default(uMsg, wParam, lParam);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_FIELD_EDIT && HIWORD(wParam) == EN_KILLFOCUS) {
            OnEditKillFocus();
            return 0;
        }
        break;
    case WM_DROPDOWN_RESULT:
        if (wParam == DROP_CANCEL || wParam == DROP_ACCEPT)
            m_btnDrop.m_bForwardMouse = 1;
        OnDropResult(static_cast<int>(wParam), lParam);
        return 0;
    case WM_DESTROY:
        // No panel may outlive its field, nor keep the capture for it.
        CloseUp();
        break;
    default: break;
    }
    return CWnd::WindowProc(uMsg, wParam, lParam);
}
