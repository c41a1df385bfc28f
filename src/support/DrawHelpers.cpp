#include "support/DrawHelpers.h"

#include "support/Dpi.h"

const wchar_t *const kDefaultFontFace = L"ＭＳ Ｐゴシック";

POINT MapClientPoint(int x, int y, HWND hFrom, HWND hTo)
{
    POINT ptFrom = {0, 0}, ptTo = {0, 0};
    ::ClientToScreen(hFrom, &ptFrom);
    ::ClientToScreen(hTo, &ptTo);
    return POINT{x + ptFrom.x - ptTo.x, y + ptFrom.y - ptTo.y};
}

HFONT CreatePointFont(const wchar_t *pszFace, int nPoints, HWND hWnd)
{
    const int nDpi = GetWindowDpi(hWnd);
    LOGFONTW lf = {};
    lf.lfHeight = -::MulDiv(nPoints, nDpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, pszFace, LF_FACESIZE);
    return ::CreateFontIndirectW(&lf);
}

HFONT CopyFont(HFONT hFont)
{
    LOGFONTW lf = {};
    if (!hFont || ::GetObjectType(hFont) != OBJ_FONT || !::GetObjectW(hFont, sizeof lf, &lf))
        return nullptr;
    return ::CreateFontIndirectW(&lf);
}

namespace {

struct CFontMessage {
    HFONT hFont;
    bool bRedraw;
};

BOOL CALLBACK SendFontToChild(HWND hChild, LPARAM lParam)
{
    const auto *p = reinterpret_cast<const CFontMessage *>(lParam);
    ::SendMessageW(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(p->hFont), p->bRedraw);
    return TRUE;
}

} // namespace

int SetControlFont(HWND hWnd, HFONT hFont, bool bRedraw, CFont &font)
{
    font.Close();
    HFONT hNew = CopyFont(hFont);
    if (!hNew) {
        HWND hParent = ::GetParent(hWnd);
        if (!hParent)
            return 0;
        hNew = CreatePointFont(kDefaultFontFace, 9, hParent);
        if (!hNew)
            return 0;
    }
    font.Attach(hNew);
    // EnumChildWindows reaches every depth, not only the direct children.
    CFontMessage msg = {hNew, bRedraw};
    ::EnumChildWindows(hWnd, SendFontToChild, reinterpret_cast<LPARAM>(&msg));
    if (bRedraw)
        ::InvalidateRect(hWnd, nullptr, TRUE);
    return 0;
}

void DrawTextInRect(HDC hDC, const std::wstring &strText, int nLeft, int nTop, int nRight, int nBottom, int dx, int dy,
                    UINT nFlags)
{
    CFont fontBold;
    HGDIOBJ hOldFont = nullptr;
    if (nFlags & DTR_BOLD) {
        LOGFONTW lf = {};
        if (::GetObjectW(::GetCurrentObject(hDC, OBJ_FONT), sizeof lf, &lf)) {
            lf.lfWeight = FW_BOLD;
            fontBold.Attach(::CreateFontIndirectW(&lf));
            if (fontBold)
                hOldFont = ::SelectObject(hDC, fontBold);
        }
    }

    SIZE size = {};
    ::GetTextExtentPoint32W(hDC, strText.c_str(), static_cast<int>(strText.size()), &size);

    int x = dx;
    if (!(nFlags & DTR_HMASK))
        x = nLeft + dx;
    else if (nFlags & DTR_HCENTER)
        x = nLeft + dx + (nRight - nLeft - size.cx) / 2;
    else if (nFlags & DTR_RIGHT)
        x = nRight - size.cx - dx;
    int y = dy;
    if (!(nFlags & DTR_VMASK))
        y = nTop + dy;
    else if (nFlags & DTR_VCENTER)
        y = nTop + dy + (nBottom - nTop - size.cy) / 2;
    else if (nFlags & DTR_BOTTOM)
        y = nBottom - size.cy - dy;

    UINT nState = (nFlags & DTR_PREFIX) ? DST_PREFIXTEXT : DST_TEXT;
    if (nFlags & DTR_DISABLED)
        nState |= DSS_DISABLED;
    ::DrawStateW(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(strText.c_str()), static_cast<WPARAM>(strText.size()),
                 x, y, size.cx, size.cy, nState);

    if (hOldFont)
        ::SelectObject(hDC, hOldFont);
}
