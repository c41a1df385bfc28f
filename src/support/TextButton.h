// A push button with a text in its own copy of the parent's font (the panel's OK and cancel).
#pragma once
#include "framework/Handles.h"
#include "support/PushButtonWnd.h"

#include <string>

class CTextButton : public CPushButtonWnd {
public:
    bool Create(const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszText = nullptr);
    virtual void SetButtonText(const std::wstring &strText);
    virtual std::wstring GetButtonText() const { return m_strText; }

protected:
    void DrawButton(HDC hDC, int nState) override;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring m_strText;
    CFont m_font;
};
