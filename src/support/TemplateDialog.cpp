#include "support/TemplateDialog.h"

#include "framework/Captions.h"
#include "framework/Seams.h"

#include <cstring>

namespace {

// 0x92C000C0: popup, visible, clip children, caption, modal frame, font in the template.
constexpr DWORD kDefaultStyle = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

SIZE_T RoundUp4(SIZE_T n)
{
    return (n + 3) & ~static_cast<SIZE_T>(3);
}

// Bytes of a UTF-16 string with its terminating zero.
SIZE_T StringBytes(const std::wstring &s)
{
    return 2 * (s.size() + 1);
}

// Writes the fields of the template one after the other.
class CTemplateCursor {
public:
    explicit CTemplateCursor(BYTE *pBase) : m_pBase(pBase), m_p(pBase) {}
    void DWord(DWORD d)
    {
        std::memcpy(m_p, &d, 4);
        m_p += 4;
    }
    void Word(WORD w)
    {
        std::memcpy(m_p, &w, 2);
        m_p += 2;
    }
    void String(const std::wstring &s)
    {
        std::memcpy(m_p, s.c_str(), StringBytes(s));
        m_p += StringBytes(s);
    }
    // The block is zero-filled, so skipping is padding.
    void Align4() { m_p = m_pBase + RoundUp4(static_cast<SIZE_T>(m_p - m_pBase)); }

private:
    BYTE *m_pBase;
    BYTE *m_p;
};

} // namespace

CTemplateDialog::CTemplateDialog()
    : m_dwStyle(kDefaultStyle), m_strCaption(L"no-title"), m_strFaceName(L"ＭＳ Ｐゴシック")
{
}

CTemplateDialog::~CTemplateDialog()
{
    DestroyOwnWindow();
}

void CTemplateDialog::AddItem(WORD nClass, WORD nID, const RECT *pRect, const wchar_t *pszText, DWORD dwStyle,
                              DWORD dwExStyle)
{
    CTemplateItem item;
    item.dwStyle = dwStyle | WS_CHILD | WS_VISIBLE;
    item.dwExStyle = dwExStyle;
    if (pRect) {
        item.x = static_cast<short>(pRect->left);
        item.y = static_cast<short>(pRect->top);
        item.cx = static_cast<short>(pRect->right - pRect->left);
        item.cy = static_cast<short>(pRect->bottom - pRect->top);
    }
    item.nID = nID;
    item.nClass = nClass;
    if (pszText)
        item.strText = pszText;
    m_listItems.push_back(std::move(item));
}

HGLOBAL CTemplateDialog::AllocTemplateBlock(SIZE_T cb)
{
    return ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
}

HGLOBAL CTemplateDialog::hfBuildTemplate(int left, int top, int right, int bottom, const wchar_t *pszCaption,
                                         HWND hOwner, DWORD dwStyle, DWORD dwExStyle)
{
    m_x = static_cast<short>(left);
    m_y = static_cast<short>(top);
    m_cx = static_cast<short>(right - left);
    m_cy = static_cast<short>(bottom - top);
    m_dwStyle |= dwStyle;
    m_dwExStyle |= dwExStyle;
    if (pszCaption)
        m_strCaption = pszCaption;
    m_hTemplate.Close();

    // Header with caption and face, then each control on a 4-byte boundary.
    SIZE_T cb = RoundUp4(StringBytes(m_strCaption) + StringBytes(m_strFaceName) + 24);
    for (size_t i = 0; i < m_listItems.size(); ++i) {
        SIZE_T cbItem = StringBytes(m_listItems[i].strText) + 24;
        cb += i + 1 < m_listItems.size() ? RoundUp4(cbItem) : cbItem;
    }

    CGlobalMem hBlock(AllocTemplateBlock(cb));
    auto *pBase = hBlock ? static_cast<BYTE *>(::GlobalLock(hBlock)) : nullptr;
    if (!pBase) {
        UiMessageBox(hOwner, L"[CTemplateDialog::hfBuildTemplate] Memory allocation for dialog template failed.",
                     CAPTION_ERROR, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    CTemplateCursor out(pBase);
    // The font fields are always written, so the template must say so.
    out.DWord(m_dwStyle | DS_SETFONT);
    out.DWord(m_dwExStyle);
    out.Word(static_cast<WORD>(m_listItems.size()));
    out.Word(static_cast<WORD>(m_x));
    out.Word(static_cast<WORD>(m_y));
    out.Word(static_cast<WORD>(m_cx));
    out.Word(static_cast<WORD>(m_cy));
    out.Word(0); // no menu
    out.Word(0); // the standard dialog class
    out.String(m_strCaption);
    out.Word(m_nPointSize);
    out.String(m_strFaceName);
    for (const CTemplateItem &item : m_listItems) {
        out.Align4();
        out.DWord(item.dwStyle);
        out.DWord(item.dwExStyle);
        out.Word(static_cast<WORD>(item.x));
        out.Word(static_cast<WORD>(item.y));
        out.Word(static_cast<WORD>(item.cx));
        out.Word(static_cast<WORD>(item.cy));
        out.Word(item.nID);
        out.Word(0xFFFF);
        out.Word(item.nClass);
        out.String(item.strText);
        out.Word(0); // no creation data
    }
    ::GlobalUnlock(hBlock);
    m_hTemplate = std::move(hBlock);
    return m_hTemplate.Get();
}

bool CTemplateDialog::CreateModeless(int left, int top, int right, int bottom, const wchar_t *pszCaption, HWND hOwner,
                                     DWORD dwStyle, DWORD dwExStyle)
{
    DestroyOwnWindow();
    m_hTemplate.Close();
    HGLOBAL hBlock = hfBuildTemplate(left, top, right, bottom, pszCaption, hOwner, dwStyle, dwExStyle);
    if (!hBlock)
        return false;
    auto *pTemplate = static_cast<const DLGTEMPLATE *>(::GlobalLock(hBlock));
    bool bCreated = pTemplate && CreateIndirect(pTemplate, hOwner) && m_hWnd;
    ::GlobalUnlock(hBlock);
    if (bCreated && dwExStyle)
        ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) | static_cast<LONG>(dwExStyle));
    return bCreated;
}

bool CTemplateDialog::InitModal(int left, int top, int right, int bottom, const wchar_t *pszCaption, HWND hOwner,
                                DWORD dwStyle, DWORD dwExStyle)
{
    DestroyOwnWindow();
    m_hTemplate.Close();
    if (!hfBuildTemplate(left, top, right, bottom, pszCaption, hOwner, dwStyle, dwExStyle))
        return false;
    m_hParentWnd = hOwner;
    return true;
}

INT_PTR CTemplateDialog::DoModal()
{
    if (!m_hTemplate)
        return -1;
    auto *pTemplate = static_cast<const DLGTEMPLATE *>(::GlobalLock(m_hTemplate));
    if (!pTemplate)
        return -1;
    INT_PTR nResult = DoModalIndirect(pTemplate);
    ::GlobalUnlock(m_hTemplate);
    return nResult;
}

void CTemplateDialog::DestroyOwnWindow()
{
    if (m_hWnd && !IsModal())
        ::DestroyWindow(m_hWnd);
}
