#include "TextFit.h"

#include "WindowText.h"

#include <algorithm>

namespace {

struct CMeasured {
    SIZE sizeLine = {}; // the text on one line
    int cyWrapped = 0;  // its lines broken at the client width
    int nLineHeight = 0;
    int nAveChar = 0;
};

CMeasured MeasureIn(HWND hCtrl, const std::wstring &str, int cxWrap, UINT nPrefix)
{
    CMeasured m;
    HDC hDC = ::GetDC(hCtrl);
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hCtrl, WM_GETFONT, 0, 0));
    HGDIOBJ hOld = ::SelectObject(hDC, hFont ? hFont : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hDC, &tm);
    m.nLineHeight = tm.tmHeight;
    m.nAveChar = tm.tmAveCharWidth;
    RECT rc = {};
    ::DrawTextW(hDC, str.c_str(), -1, &rc, DT_CALCRECT | DT_SINGLELINE | nPrefix);
    m.sizeLine = SIZE{rc.right, rc.bottom};
    RECT rcWrap = {0, 0, cxWrap, 0};
    ::DrawTextW(hDC, str.c_str(), -1, &rcWrap, DT_CALCRECT | DT_WORDBREAK | nPrefix);
    m.cyWrapped = rcWrap.bottom;
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hCtrl, hDC);
    return m;
}

std::wstring Problem(HWND hCtrl, const std::wstring &strText, int nNeed, int nHave, const wchar_t *pszAxis)
{
    if (nNeed <= nHave)
        return std::wstring();
    return L"\"" + strText + L"\" needs " + pszAxis + L" " + std::to_wstring(nNeed) + L", has " +
           std::to_wstring(nHave) + L" (id " + std::to_wstring(static_cast<short>(::GetDlgCtrlID(hCtrl))) + L")\n";
}

int Dpi(HWND hWnd)
{
    HDC hDC = ::GetDC(hWnd);
    const int nDpi = ::GetDeviceCaps(hDC, LOGPIXELSX);
    ::ReleaseDC(hWnd, hDC);
    return nDpi;
}

} // namespace

std::wstring TextFitProblem(HWND hCtrl)
{
    const std::wstring strText = Text(hCtrl);
    // The control's own style: a dialog not shown yet still has its labels to check.
    if (strText.empty() || !(::GetWindowLongW(hCtrl, GWL_STYLE) & WS_VISIBLE))
        return std::wstring();
    RECT rc = {};
    ::GetClientRect(hCtrl, &rc);
    const LONG lStyle = ::GetWindowLongW(hCtrl, GWL_STYLE);
    const std::wstring strClass = ClassOf(hCtrl);
    if (_wcsicmp(strClass.c_str(), L"Static") == 0) {
        const LONG lType = lStyle & SS_TYPEMASK;
        if (lType != SS_LEFT && lType != SS_CENTER && lType != SS_RIGHT && lType != SS_LEFTNOWORDWRAP)
            return std::wstring();
        const CMeasured m = MeasureIn(hCtrl, strText, rc.right, (lStyle & SS_NOPREFIX) ? DT_NOPREFIX : 0);
        // A static with room for two lines breaks its text; the others show one line.
        if (rc.bottom >= 2 * m.nLineHeight && !(lStyle & SS_CENTERIMAGE) && lType != SS_LEFTNOWORDWRAP)
            return Problem(hCtrl, strText, m.cyWrapped, rc.bottom, L"height");
        return Problem(hCtrl, strText, m.sizeLine.cx, rc.right, L"width") +
               Problem(hCtrl, strText, m.sizeLine.cy, rc.bottom, L"height");
    }
    if (_wcsicmp(strClass.c_str(), L"Button") != 0)
        return std::wstring();
    const CMeasured m = MeasureIn(hCtrl, strText, rc.right, 0);
    const int nGlyph = ::MulDiv(13, Dpi(hCtrl), 96);
    switch (lStyle & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        // The glyph, the gap after it (6 pixels at 96 DPI where themes draw it), the text.
        return Problem(hCtrl, strText, nGlyph + std::max(::MulDiv(6, Dpi(hCtrl), 96), m.nAveChar / 2) + m.sizeLine.cx,
                       rc.right, L"width");
    case BS_GROUPBOX:
        // The caption starts a character in from the corner.
        return Problem(hCtrl, strText, m.nAveChar + m.sizeLine.cx, rc.right, L"width");
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        // Inside the button's raised edges.
        return Problem(hCtrl, strText, m.sizeLine.cx + 4, rc.right, L"width");
    default: return std::wstring();
    }
}

std::wstring TextFitProblems(HWND hParent)
{
    std::wstring str;
    for (HWND h : ChildWindows(hParent))
        str += TextFitProblem(h);
    return str;
}

std::wstring CaptionFitProblem(HWND hWnd)
{
    const std::wstring strText = Text(hWnd);
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof ncm;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    HFONT hFont = ::CreateFontIndirectW(&ncm.lfCaptionFont);
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, strText.c_str(), static_cast<int>(strText.size()), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    ::DeleteObject(hFont);
    RECT rcWindow = {};
    ::GetWindowRect(hWnd, &rcWindow);
    // The frame on both sides, the small icon, the close button.
    const int nNeed =
        2 * ::GetSystemMetrics(SM_CXDLGFRAME) + ::GetSystemMetrics(SM_CXSMICON) + size.cx + ncm.iCaptionWidth;
    return Problem(hWnd, L"caption " + strText, nNeed, rcWindow.right - rcWindow.left, L"width");
}

std::wstring FieldShowsWholeText(HWND hEdit)
{
    const std::wstring strText = Text(hEdit);
    if (strText.empty())
        return L"the field is empty";
    RECT rc = {};
    ::SendMessageW(hEdit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rc));
    const LRESULT lFirst = ::SendMessageW(hEdit, EM_POSFROMCHAR, 0, 0);
    const int xFirst = static_cast<short>(LOWORD(lFirst));
    const CMeasured m = MeasureIn(hEdit, strText, rc.right, DT_NOPREFIX);
    if (xFirst < rc.left)
        return L"the field shows \"" + strText + L"\" from x " + std::to_wstring(xFirst) + L", not from its start";
    if (xFirst + m.sizeLine.cx > rc.right)
        return L"the field's \"" + strText + L"\" ends at " + std::to_wstring(xFirst + m.sizeLine.cx) + L", beyond " +
               std::to_wstring(rc.right);
    return std::wstring();
}
