// A push button that draws itself, can pass its mouse input on to its parent (the drop button of a
// field) and can give the mouse capture back to whoever held it before the press.
#pragma once
#include "framework/Wnd.h"

// Drawn states.
enum { BUTTON_NOT_DRAWN = 0, BUTTON_NORMAL = 1, BUTTON_PRESSED = 2, BUTTON_DISABLED = 3 };

class CPushButtonWnd : public CWnd {
public:
    bool Create(const RECT &rc, UINT nID, HWND hParent);
    // Draws the state unless it is already drawn; 0 draws the drawn state again. No DC: the window's.
    void SetDrawState(HDC hDC, int nState);

    int m_bForwardMouse = 0;              // mouse messages are also sent to the parent
    int m_bReturnCapture = 0;             // the capture goes back after a click
    HWND m_hWndPreviousCapture = nullptr; // who had the capture before the press
    int m_nDrawState = BUTTON_NOT_DRAWN;

protected:
    virtual void DrawButton(HDC hDC, int nState);
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void DrawFrame(HDC hDC, int nState);

private:
    void ForwardToParent(UINT uMsg, WPARAM wParam, int x, int y);
    bool IsInClient(int x, int y) const;
};
