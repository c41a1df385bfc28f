// A field that looks like a drop-down combo box: an edit box with an arrow button at its right
// end that opens a window below it. While that window is open the field holds the mouse capture
// and passes every mouse message on to it.
#pragma once
#include "datetime/DropDownWnd.h"
#include "framework/Handles.h"
#include "framework/Wnd.h"
#include "support/ArrowButton.h"

#include <memory>
#include <string>

// Private messages between the field, its panel and the panel's calendar and clock.
constexpr UINT WM_DROPDOWN_RESULT = 0x501; // panel → field: the result; field → itself: focus lost
constexpr UINT WM_CALENDAR_PICKED = 0x502; // calendar → panel
constexpr UINT WM_CLOCK_CHANGED = 0x503;   // clock → panel
constexpr UINT WM_FIELD_REFOCUS = 0x504;   // field → itself: the edit box takes the focus back

enum : UINT { IDC_FIELD_EDIT = 9999, IDC_FIELD_DROP = 9998 };

class CCustomCmb;

// The field's edit box: while the panel is open, Esc and Enter are the panel's and never reach the
// dialog; F4 and Alt+Down open and close the panel as a combo box's do.
class CFieldEdit : public CWnd {
public:
    CCustomCmb *m_pField = nullptr;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    bool m_bSwallowChar = false; // the character of a key the field took
};

class CCustomCmb : public CWnd {
public:
    CCustomCmb();
    ~CCustomCmb() override;

    // Creates the field window with its edit box and drop button in rc of the parent.
    bool CreateField(const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace, int nPoints);

    virtual void SetText(const std::wstring &strText);
    virtual std::wstring GetText() const;
    // The drop button in screen coordinates.
    virtual RECT GetDropButtonRect() const;
    virtual void DropDown();
    virtual void CloseUp();
    virtual void OnDropResult(int nResult, LPARAM lParam);
    virtual bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y);
    // A key pressed in the edit box (bAlt: with Alt held); true when the field took it.
    virtual bool OnEditKey(UINT nVirtKey, bool bAlt);
    // Closes the panel keeping the value (Enter, F4, Alt+Down while it is open).
    virtual void AcceptDropDown();

    bool IsDroppedDown() const;
    HWND GetEdit() const { return m_edit.m_hWnd; }
    HWND GetDropButton() const { return m_btnDrop.m_hWnd; }
    CCustomCmbDropDownWnd *GetDropDownWnd() const { return m_pDropDown.get(); }

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    // The edit box lost the focus.
    virtual void OnEditKillFocus() {}
    void LayOut();

    DWORD m_dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP;
    DWORD m_dwExStyle = WS_EX_CLIENTEDGE;
    CFont m_font;
    std::wstring m_strFontFace;
    int m_nFontSize = 9;
    CFieldEdit m_edit;
    CArrowButton m_btnDrop;
    std::unique_ptr<CCustomCmbDropDownWnd> m_pDropDown;
};
