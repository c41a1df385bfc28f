#include "support/CaptureSpinCtrl.h"

#include <commctrl.h>

bool CCaptureSpinCtrl::Create(const RECT &rc, UINT nID, HWND hParent, int nLower, int nUpper, bool bReturnCapture)
{
    if (!CreateEx(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, rc, hParent, nID))
        return false;
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
    if (bReturnCapture)
        m_hWndCaptureReturn = hParent;
    return true;
}

LRESULT CCaptureSpinCtrl::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_LBUTTONUP)
        return CWnd::WindowProc(uMsg, wParam, lParam);
    LRESULT lResult = Default(uMsg, wParam, lParam);
    if (m_hWndCaptureReturn && ::IsWindow(m_hWndCaptureReturn))
        ::SetCapture(m_hWndCaptureReturn);
    return lResult;
}
