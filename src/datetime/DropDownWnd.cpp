#include "datetime/DropDownWnd.h"

#include "support/DrawHelpers.h"

#include <windowsx.h>

CCustomCmbDropDownWnd::CCustomCmbDropDownWnd()
    : m_strClassName(L"PlxDropDown"), m_hCursor(::LoadCursorW(nullptr, IDC_ARROW))
{
}

CCustomCmbDropDownWnd::~CCustomCmbDropDownWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

bool CCustomCmbDropDownWnd::CreatePopup(HWND hOwner, const wchar_t *pszFace, int nPoints)
{
    m_bPopup = true;
    const RECT rcEmpty = {0, 0, 0, 0};
    return Create(0, WS_POPUP | WS_BORDER, rcEmpty, 0, hOwner, pszFace, nPoints);
}

bool CCustomCmbDropDownWnd::Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent,
                                   const wchar_t *pszFace, int nPoints)
{
    m_hWndOwner = hParent;
    m_font.Close();
    if (pszFace && *pszFace) {
        m_font.Attach(CreatePointFont(pszFace, nPoints, hParent));
        if (!m_font)
            return false;
    } else {
        m_font.Attach(CopyFont(reinterpret_cast<HFONT>(::SendMessageW(hParent, WM_GETFONT, 0, 0))));
        if (!m_font)
            m_font.Attach(CreatePointFont(kDefaultFontFace, 9, hParent));
    }
    if (!RegisterWndClass(m_strClassName.c_str(), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr, nullptr))
        return false;
    if (!CreateEx(dwExStyle, m_strClassName.c_str(), L"", dwStyle | WS_CLIPCHILDREN, rc, hParent, nID))
        return false;
    m_bChild = (dwStyle & WS_CHILD) != 0;
    RECT rcIdeal = GetIdealRect();
    if (rcIdeal.right - rcIdeal.left < rc.right - rc.left || rcIdeal.bottom - rcIdeal.top < rc.bottom - rc.top)
        rcIdeal = rc;
    MoveWindow(rcIdeal);
    return true;
}

SIZE CCustomCmbDropDownWnd::MeasureText(const std::wstring &strText) const
{
    SIZE size = {0, 0};
    CClientDC dc(m_hWnd);
    if (!dc)
        return size;
    HGDIOBJ hOld = m_font ? ::SelectObject(dc, m_font) : nullptr;
    ::GetTextExtentPoint32W(dc, strText.c_str(), static_cast<int>(strText.size()), &size);
    if (hOld)
        ::SelectObject(dc, hOld);
    return size;
}

RECT CCustomCmbDropDownWnd::GetIdealRect()
{
    return CalcDropRect(0, MeasureText(L"Aj").cy);
}

RECT CCustomCmbDropDownWnd::CalcDropRect(int cx, int cy) const
{
    RECT rcOwner = {};
    ::GetWindowRect(m_hWndOwner, &rcOwner);
    const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
    const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
    RECT rcSize = {0, 0, cx ? cx : rcOwner.right - rcOwner.left, cy};
    ::AdjustWindowRectEx(&rcSize, dwStyle, FALSE, dwExStyle & ~WS_EX_CLIENTEDGE);
    int nWidth = rcSize.right - rcSize.left, nHeight = rcSize.bottom - rcSize.top;
    if (dwExStyle & WS_EX_CLIENTEDGE) {
        nWidth += 4;
        nHeight += 4;
    }
    RECT rc = {};
    if (!m_bChild) {
        // Right-aligned under the field, overlapping its bottom edge by a pixel; not moved back
        // onto the screen.
        rc.right = rcOwner.right - 2;
        rc.left = rc.right - nWidth;
        rc.top = rcOwner.bottom - 1;
    } else {
        RECT rcNow = GetWindowRect();
        ::MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT *>(&rcNow), 2);
        rc.left = rcNow.left;
        rc.top = rcNow.top;
        rc.right = rc.left + nWidth;
    }
    rc.bottom = rc.top + nHeight;
    return rc;
}

void CCustomCmbDropDownWnd::ShowDropDown()
{
    if (m_bChild) {
        ShowWindow(SW_SHOW);
        return;
    }
    ::SetCapture(m_hWndOwner);
    ::SetFocus(m_hWndOwner);
    const RECT rc = GetIdealRect();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CCustomCmbDropDownWnd::HideDropDown()
{
    if (!m_bChild)
        ::ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CCustomCmbDropDownWnd::EndDropDown(int nResult)
{
    if (m_nNotifyMessage)
        ::PostMessageW(m_hWndOwner, m_nNotifyMessage, static_cast<WPARAM>(nResult), 0);
}

bool CCustomCmbDropDownWnd::OnMouseMessage(UINT uMsg, WPARAM, int x, int y)
{
    if (!m_bPopup || (uMsg != WM_LBUTTONDOWN && uMsg != WM_RBUTTONDOWN))
        return false;
    const RECT rc = GetClientRect();
    if (::PtInRect(&rc, POINT{x, y}))
        return false;
    EndDropDown(DROP_CANCEL);
    return true;
}

LRESULT CCustomCmbDropDownWnd::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_MOUSEMOVE:
        if (::GetCursor() != m_hCursor)
            ::SetCursor(m_hCursor);
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        if (OnMouseMessage(uMsg, wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
            return 0;
        return Default(uMsg, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        const RECT rc = GetClientRect();
        ::FillRect(hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_MOVE: Invalidate(); return Default(uMsg, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font.Get());
    case WM_SETFONT: return SetControlFont(m_hWnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0, m_font);
    case WM_DESTROY:
    case WM_CLOSE:
        // A popup made some other way has no owner watching for its end: tell it now, once (closing
        // goes on to destroying).
        if ((::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_POPUP) && !m_bPopup && !m_bEndTold) {
            m_bEndTold = true;
            EndDropDown(DROP_CANCEL);
        }
        return Default(uMsg, wParam, lParam);
    default: return CWnd::WindowProc(uMsg, wParam, lParam);
    }
}
