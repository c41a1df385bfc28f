#include "support/FitToText.h"

#include "framework/Handles.h"
#include "support/Dpi.h"
#include "support/LabelFit.h"

#include <algorithm>
#include <string>

namespace {

std::wstring WindowText(HWND hWnd)
{
    std::wstring str(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    str.resize(static_cast<size_t>(::GetWindowTextW(hWnd, str.data(), static_cast<int>(str.size()))));
    return str;
}

bool IsClass(HWND hWnd, const wchar_t *pszClass)
{
    wchar_t sz[32] = {};
    ::GetClassNameW(hWnd, sz, 32);
    return ::lstrcmpiW(sz, pszClass) == 0;
}

RECT ChildRect(HWND hParent, HWND hChild)
{
    RECT rc = {};
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

// Measures texts in a control's own font.
class CTextMeter {
public:
    explicit CTextMeter(HWND hWnd) : m_dc(hWnd)
    {
        HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
        m_hOld = ::SelectObject(m_dc, hFont ? hFont : ::GetStockObject(SYSTEM_FONT));
        ::GetTextMetricsW(m_dc, &m_tm);
    }
    ~CTextMeter() { ::SelectObject(m_dc, m_hOld); }
    CTextMeter(const CTextMeter &) = delete;
    CTextMeter &operator=(const CTextMeter &) = delete;

    // cx 0: one line; otherwise the lines broken at that width.
    SIZE Measure(const std::wstring &str, UINT nFlags, int cx = 0) const
    {
        RECT rc = {0, 0, cx, 0};
        ::DrawTextW(m_dc, str.c_str(), static_cast<int>(str.size()), &rc,
                    DT_CALCRECT | nFlags | (cx ? DT_WORDBREAK : DT_SINGLELINE));
        return SIZE{rc.right, rc.bottom};
    }
    const TEXTMETRICW &Metrics() const { return m_tm; }

private:
    CClientDC m_dc;
    HGDIOBJ m_hOld;
    TEXTMETRICW m_tm = {};
};

SIZE StaticNeed(HWND hCtrl, const std::wstring &strText, LONG lStyle)
{
    const LONG lType = lStyle & SS_TYPEMASK;
    if (lType != SS_LEFT && lType != SS_CENTER && lType != SS_RIGHT && lType != SS_LEFTNOWORDWRAP && lType != SS_SIMPLE)
        return SIZE{0, 0};
    RECT rcWindow = {}, rcClient = {};
    ::GetWindowRect(hCtrl, &rcWindow);
    ::GetClientRect(hCtrl, &rcClient);
    const int cxFrame = (rcWindow.right - rcWindow.left) - rcClient.right;
    const int cyFrame = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
    const CTextMeter meter(hCtrl);
    const UINT nPrefix = (lStyle & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    const bool bWraps = lType == SS_LEFT || lType == SS_CENTER || lType == SS_RIGHT;
    if (bWraps && !(lStyle & SS_CENTERIMAGE) && rcClient.bottom >= 2 * meter.Metrics().tmHeight) {
        const SIZE size = meter.Measure(strText, nPrefix, std::max(1L, rcClient.right));
        return SIZE{0, size.cy + cyFrame};
    }
    return SIZE{meter.Measure(strText, nPrefix).cx + cxFrame, 0};
}

SIZE ButtonNeed(HWND hCtrl, const std::wstring &strText, LONG lStyle)
{
    const CTextMeter meter(hCtrl);
    const int cxText = meter.Measure(strText, 0).cx;
    const int cxChar = meter.Metrics().tmAveCharWidth;
    switch (lStyle & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        // The glyph, the gap after it, the focus frame round the text.
        const int cxGlyph = ScaleForDpi(13, GetWindowDpi(hCtrl));
        return SIZE{cxGlyph + cxText + cxChar + 2, 0};
    }
    case BS_GROUPBOX:
        // The caption sits inside the frame's corners.
        return SIZE{cxText + 2 * cxChar + 4, 0};
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return SIZE{cxText + cxChar + 6, 0};
    default: return SIZE{0, 0};
    }
}

} // namespace

SIZE LabelNeed(HWND hCtrl)
{
    const std::wstring strText = WindowText(hCtrl);
    if (strText.empty())
        return SIZE{0, 0};
    const LONG lStyle = ::GetWindowLongW(hCtrl, GWL_STYLE);
    if (IsClass(hCtrl, L"Static"))
        return StaticNeed(hCtrl, strText, lStyle);
    if (IsClass(hCtrl, L"Button"))
        return ButtonNeed(hCtrl, strText, lStyle);
    return SIZE{0, 0};
}

int DateTimeTextWidth(HWND hWnd)
{
    const CTextMeter meter(hWnd);
    int cx = 0;
    for (wchar_t d = L'0'; d <= L'9'; ++d) {
        std::wstring str = L"0000/00/00 00:00:00";
        std::replace(str.begin(), str.end(), L'0', d);
        cx = std::max(cx, static_cast<int>(meter.Measure(str, DT_NOPREFIX).cx));
    }
    return cx;
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

int CaptionNeed(HWND hWnd)
{
    const std::wstring strText = WindowText(hWnd);
    const LONG lStyle = ::GetWindowLongW(hWnd, GWL_STYLE);
    if (strText.empty() || (lStyle & WS_CAPTION) != WS_CAPTION)
        return 0;
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof ncm;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        return 0;
    CFont font(::CreateFontIndirectW(&ncm.lfCaptionFont));
    SIZE size = {};
    {
        CClientDC dc(nullptr);
        CSelectObject select(dc, font.Get());
        ::GetTextExtentPoint32W(dc, strText.c_str(), static_cast<int>(strText.size()), &size);
    }
    int nButtons = (lStyle & WS_SYSMENU) ? 1 : 0;
    if (lStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        nButtons += 2;
    RECT rcWindow = {}, rcClient = {};
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    const int cxFrame = (rcWindow.right - rcWindow.left) - rcClient.right;
    // The icon with its gaps, and a gap before the buttons.
    const int cxIcon = ::GetSystemMetrics(SM_CXSMICON) + 8;
    return cxFrame + cxIcon + size.cx + 8 + nButtons * ncm.iCaptionWidth;
}

namespace {

// One pass: the needs as they are now, on one axis.
bool FitPass(HWND hDlg, const std::vector<CTextNeed> &extra, bool bHeights)
{
    std::vector<HWND> children;
    std::vector<CFitBox> boxes;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CFitBox box;
        box.rc = ChildRect(hDlg, h);
        const SIZE need = LabelNeed(h);
        if (bHeights)
            box.cyNeed = need.cy;
        else
            box.cxNeed = need.cx;
        const int nID = ::GetDlgCtrlID(h);
        for (const CTextNeed &e : extra)
            if (!bHeights && e.nID == nID)
                box.cxNeed = std::max(box.cxNeed, e.cxNeed);
        children.push_back(h);
        boxes.push_back(box);
    }
    RECT rcClient = {};
    ::GetClientRect(hDlg, &rcClient);
    const CFitResult fit = FitBoxes(boxes, SIZE{rcClient.right, rcClient.bottom});
    if (!fit.bChanged)
        return false;
    for (size_t i = 0; i < children.size(); ++i) {
        const RECT &rc = fit.rects[i];
        if (::EqualRect(&rc, &boxes[i].rc))
            continue;
        int cy = rc.bottom - rc.top;
        // A drop-down list's window is as high as its open list.
        if (IsClass(children[i], L"ComboBox")) {
            RECT rcDrop = {};
            if (::SendMessageW(children[i], CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rcDrop)))
                cy = std::max(cy, static_cast<int>(rcDrop.bottom - rcDrop.top));
        }
        ::SetWindowPos(children[i], nullptr, rc.left, rc.top, rc.right - rc.left, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int dx = fit.sizeClient.cx - rcClient.right, dy = fit.sizeClient.cy - rcClient.bottom;
    RECT rcWindow = {};
    ::GetWindowRect(hDlg, &rcWindow);
    if (HWND hOwner = ::GetParent(hDlg); hOwner && (::GetWindowLongW(hDlg, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, hOwner, reinterpret_cast<POINT *>(&rcWindow), 2);
    ::SetWindowPos(hDlg, nullptr, rcWindow.left - dx / 2, rcWindow.top - dy / 2, rcWindow.right - rcWindow.left + dx,
                   rcWindow.bottom - rcWindow.top + dy, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

} // namespace

bool FitDialogToTexts(HWND hDlg, const std::vector<CTextNeed> &extra)
{
    // Heights after widths: a multi-line static wider now may need fewer lines.
    const bool bWidths = FitPass(hDlg, extra, false);
    const bool bHeights = FitPass(hDlg, extra, true);
    RECT rc = {};
    ::GetWindowRect(hDlg, &rc);
    const int dx = CaptionNeed(hDlg) - (rc.right - rc.left);
    if (dx <= 0)
        return bWidths || bHeights;
    // Only the frame grows: the controls keep their places, the margin at the right grows.
    ::SetWindowPos(hDlg, nullptr, rc.left - dx / 2, rc.top, rc.right - rc.left + dx, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}
