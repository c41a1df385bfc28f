// The window that drops down below a field (the date-time panel), or lives as a child inside
// another (the calendar and the clock in that panel). As a popup it lets its owner hold the mouse
// capture, cancels itself on a press outside and tells its owner the outcome by a posted message.
#pragma once
#include "framework/Handles.h"
#include "framework/Wnd.h"

#include <string>

// Results posted as wParam of the notification message.
enum { DROP_CANCEL = 0, DROP_ACCEPT = 1, DROP_CHANGED = 2 };

class CCustomCmbDropDownWnd : public CWnd {
public:
    CCustomCmbDropDownWnd();
    // Destroys the window here, while this class still sees its messages.
    ~CCustomCmbDropDownWnd() override;

    // A bordered popup owned by hOwner, placed at GetIdealRect. No face: the owner's font.
    bool CreatePopup(HWND hOwner, const wchar_t *pszFace, int nPoints);
    // The given rectangle is kept when the ideal one is narrower or lower.
    virtual bool Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace,
                        int nPoints);
    // Popup: screen coordinates below the owner. Child: the parent's client coordinates.
    virtual RECT GetIdealRect();
    // The window rectangle for a client area of cx (0: the owner's width) by cy.
    RECT CalcDropRect(int cx, int cy) const;

    void ShowDropDown();
    void HideDropDown();
    virtual void EndDropDown(int nResult);
    // True when the message is dealt with and goes no further.
    virtual bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y);

    bool IsPopupMode() const { return m_bPopup; }
    HFONT GetFontHandle() const { return m_font; }

    HWND m_hWndOwner = nullptr;
    std::wstring m_strClassName;
    UINT m_nNotifyMessage = 0; // 0: the outcome is told to nobody
    bool m_bChild = false;
    bool m_bPopup = false; // made by CreatePopup
    CFont m_font;
    HCURSOR m_hCursor;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    // Text size in the window's font.
    SIZE MeasureText(const std::wstring &strText) const;

private:
    bool m_bEndTold = false; // a popup not made by CreatePopup told its end on closing
};
