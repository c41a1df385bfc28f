#include "support/PushButtonWnd.h"
#include "support/DrawHelpers.h"

#include "framework/Handles.h"

#include <windowsx.h>

namespace {
const wchar_t kButtonClass[] = L"PlxPushButton";
}

bool CPushButtonWnd::Create(const RECT &rc, UINT nID, HWND hParent)
{
    if (!RegisterWndClass(kButtonClass, CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW), nullptr))
        return false;
    return CreateEx(0, kButtonClass, L"", WS_CHILD | WS_VISIBLE, rc, hParent, nID);
}

void CPushButtonWnd::SetDrawState(HDC hDC, int nState)
{
    if (nState == m_nDrawState && nState != BUTTON_NOT_DRAWN)
        return;
    if (nState != BUTTON_NOT_DRAWN)
        m_nDrawState = nState;
    else if (m_nDrawState == BUTTON_NOT_DRAWN)
        m_nDrawState = BUTTON_NORMAL;
    if (hDC) {
        DrawButton(hDC, m_nDrawState);
        return;
    }
    CClientDC dc(m_hWnd);
    if (dc)
        DrawButton(dc, m_nDrawState);
}

void CPushButtonWnd::DrawFrame(HDC hDC, int nState)
{
    RECT rc = GetClientRect();
    UINT nFlags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (nState == BUTTON_PRESSED)
        nFlags |= DFCS_PUSHED;
    else if (nState == BUTTON_DISABLED)
        nFlags |= DFCS_INACTIVE;
    ::DrawFrameControl(hDC, &rc, DFC_BUTTON, nFlags);
}

void CPushButtonWnd::DrawButton(HDC hDC, int nState)
{
    DrawFrame(hDC, nState);
}

bool CPushButtonWnd::IsInClient(int x, int y) const
{
    RECT rc = GetClientRect();
    POINT pt = {x, y};
    return ::PtInRect(&rc, pt) != FALSE;
}

void CPushButtonWnd::ForwardToParent(UINT uMsg, WPARAM wParam, int x, int y)
{
    HWND hParent = GetParent();
    if (m_bForwardMouse != 1 || !hParent)
        return;
    POINT pt = MapClientPoint(x, y, m_hWnd, hParent);
    ::SendMessageW(hParent, uMsg, wParam, MAKELPARAM(pt.x, pt.y));
}

LRESULT CPushButtonWnd::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(m_hWnd, &ps);
        m_nDrawState = BUTTON_NOT_DRAWN;
        SetDrawState(hDC, IsWindowEnabled() ? BUTTON_NORMAL : BUTTON_DISABLED);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_ENABLE:
        m_nDrawState = BUTTON_NOT_DRAWN;
        SetDrawState(nullptr, wParam ? BUTTON_NORMAL : BUTTON_DISABLED);
        return 0;
    case WM_LBUTTONDOWN: {
        SetDrawState(nullptr, BUTTON_PRESSED);
        ForwardToParent(uMsg, wParam, x, y);
        // The forwarded press may have moved the capture (a field opening its panel): remember that.
        HWND hPrevious = ::GetCapture();
        ::SetCapture(m_hWnd);
        if (m_bReturnCapture)
            m_hWndPreviousCapture = hPrevious != m_hWnd ? hPrevious : nullptr;
        return 0;
    }
    case WM_MOUSEMOVE:
        if (::GetCapture() == m_hWnd) {
            if (wParam & MK_LBUTTON)
                SetDrawState(nullptr, IsInClient(x, y) ? BUTTON_PRESSED : BUTTON_NORMAL);
            ForwardToParent(uMsg, wParam, x, y);
        }
        return 0;
    case WM_LBUTTONUP:
        if (::GetCapture() == m_hWnd) {
            SetDrawState(nullptr, BUTTON_NORMAL);
            ForwardToParent(uMsg, wParam, x, y);
            if (m_bReturnCapture && m_hWndPreviousCapture && ::IsWindow(m_hWndPreviousCapture))
                ::SetCapture(m_hWndPreviousCapture);
            else
                ::ReleaseCapture();
            m_hWndPreviousCapture = nullptr;
            if (IsInClient(x, y))
                ::PostMessageW(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0),
                               reinterpret_cast<LPARAM>(m_hWnd));
        }
        return 0;
    default: return CWnd::WindowProc(uMsg, wParam, lParam);
    }
}
