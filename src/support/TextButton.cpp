#include "support/TextButton.h"
#include "support/DrawHelpers.h"

bool CTextButton::Create(const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszText)
{
    if (!CPushButtonWnd::Create(rc, nID, hParent))
        return false;
    if (pszText)
        m_strText = pszText;
    HFONT hParentFont = reinterpret_cast<HFONT>(::SendMessageW(hParent, WM_GETFONT, 0, 0));
    if (hParentFont)
        m_font.Attach(CopyFont(hParentFont));
    return true;
}

void CTextButton::SetButtonText(const std::wstring &strText)
{
    m_strText = strText;
    if (m_hWnd)
        SetDrawState(nullptr, BUTTON_NOT_DRAWN);
}

void CTextButton::DrawButton(HDC hDC, int nState)
{
    DrawFrame(hDC, nState);
    if (m_strText.empty())
        return;
    HGDIOBJ hOldFont = m_font ? ::SelectObject(hDC, m_font) : nullptr;
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    const RECT rc = GetClientRect();
    const int nOffset = nState == BUTTON_PRESSED ? 1 : 0;
    const UINT nFlags = DTR_HCENTER | DTR_VCENTER | (nState == BUTTON_DISABLED ? DTR_DISABLED : 0);
    DrawTextInRect(hDC, m_strText, rc.left, rc.top, rc.right, rc.bottom, nOffset, nOffset, nFlags);
    ::SetBkMode(hDC, nOldMode);
    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
}

LRESULT CTextButton::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font.Get());
    case WM_SETFONT: return SetControlFont(m_hWnd, reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0, m_font);
    default: return CPushButtonWnd::WindowProc(uMsg, wParam, lParam);
    }
}
