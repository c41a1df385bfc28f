#include "support/ArrowButton.h"

namespace {

struct CArrowBitmaps {
    WORD wNormal, wDisabled; // the pressed bitmap's id is always the normal one's minus 10
};
const CArrowBitmaps kArrowBitmaps[] = {
    {32752, 32736}, // OBM_DNARROW, OBM_DNARROWI
    {32753, 32737}, // OBM_UPARROW, OBM_UPARROWI
    {32750, 32734}, // OBM_LFARROW, OBM_LFARROWI
    {32751, 32735}, // OBM_RGARROW, OBM_RGARROWI
};

HBITMAP LoadOemBitmap(WORD wID)
{
    return ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(wID));
}

} // namespace

void CArrowButton::SetArrowType(int nType)
{
    m_bmNormal.Close();
    m_bmPressed.Close();
    m_bmDisabled.Close();
    m_nArrowType = ARROW_NONE;
    if (nType < ARROW_DOWN || nType > ARROW_RIGHT)
        return;
    const CArrowBitmaps &ids = kArrowBitmaps[nType - 1];
    m_bmNormal.Attach(LoadOemBitmap(ids.wNormal));
    m_bmPressed.Attach(LoadOemBitmap(static_cast<WORD>(ids.wNormal - 10)));
    m_bmDisabled.Attach(LoadOemBitmap(ids.wDisabled));
    m_nArrowType = nType;
}

SIZE CArrowButton::GetBitmapSize()
{
    if (!m_bmNormal)
        SetArrowType(ARROW_DOWN);
    BITMAP bm = {};
    if (!m_bmNormal || !::GetObjectW(m_bmNormal, sizeof bm, &bm))
        return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

void CArrowButton::DrawButton(HDC hDC, int nState)
{
    DrawFrame(hDC, nState);
    HBITMAP hBitmap = nState == BUTTON_DISABLED ? m_bmDisabled : (nState == BUTTON_PRESSED ? m_bmPressed : m_bmNormal);
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectW(hBitmap, sizeof bm, &bm))
        return;
    CMemDC dcMem(::CreateCompatibleDC(hDC));
    if (!dcMem)
        return;
    CSelectObject select(dcMem, hBitmap);
    const RECT rc = GetClientRect();
    ::StretchBlt(hDC, 0, 0, rc.right, rc.bottom, dcMem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
}

LRESULT CArrowButton::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_SYSCOLORCHANGE && m_nArrowType != ARROW_NONE) {
        // The system draws its arrow bitmaps in the colours of the moment they are loaded.
        SetArrowType(m_nArrowType);
        Invalidate();
    }
    return CPushButtonWnd::WindowProc(uMsg, wParam, lParam);
}
