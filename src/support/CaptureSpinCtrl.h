// A spin control that gives the mouse capture to a chosen window after each click, so that a
// field holding the capture while its panel is open keeps it.
#pragma once
#include "framework/Wnd.h"

class CCaptureSpinCtrl : public CWnd {
public:
    // With bReturnCapture the parent gets the capture back after each click.
    bool Create(const RECT &rc, UINT nID, HWND hParent, int nLower, int nUpper, bool bReturnCapture);

    HWND m_hWndCaptureReturn = nullptr;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
};
