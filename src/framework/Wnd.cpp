#include "framework/Wnd.h"

#include <commctrl.h>
#include <unordered_map>
#include <vector>

namespace {

// Each bound window's object. It is looked up for nearly every message (and twice for a
// notification); kept as a window property it would cost a round trip to the window server each
// time under Wine.
struct CObjectMap {
    SRWLOCK lock = SRWLOCK_INIT;
    std::unordered_map<HWND, CWnd *> map;
};
CObjectMap &Objects()
{
    static CObjectMap s_objects;
    return s_objects;
}
constexpr UINT_PTR kSubclassId = 0x504C; // one subclass per object

// The child window a reflected message comes from, or nullptr.
HWND NotifyingChild(HWND hParent, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_NOTIFY: return reinterpret_cast<const NMHDR *>(lParam)->hwndFrom;
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL: return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
        auto *p = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        return p->CtlType == ODT_MENU ? nullptr : p->hwndItem;
    }
    case WM_MEASUREITEM: {
        auto *p = reinterpret_cast<const MEASUREITEMSTRUCT *>(lParam);
        return p->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hParent, static_cast<int>(p->CtlID));
    }
    case WM_COMPAREITEM: return reinterpret_cast<const COMPAREITEMSTRUCT *>(lParam)->hwndItem;
    case WM_DELETEITEM: return reinterpret_cast<const DELETEITEMSTRUCT *>(lParam)->hwndItem;
    default: (void)wParam; return nullptr;
    }
}

} // namespace

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    if (m_bCreated)
        DestroyWindow();
    else
        UnsubclassWindow();
}

CWnd *CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    CObjectMap &objects = Objects();
    ::AcquireSRWLockShared(&objects.lock);
    const auto it = objects.map.find(hWnd);
    CWnd *pWnd = it == objects.map.end() ? nullptr : it->second;
    ::ReleaseSRWLockShared(&objects.lock);
    return pWnd;
}

bool CWnd::RegisterWndClass(const wchar_t *pszClass, UINT nStyle, HCURSOR hCursor, HBRUSH hBackground, HICON hIcon)
{
    WNDCLASSEXW wc = {};
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(hInst, pszClass, &wc))
        return true;
    wc.cbSize = sizeof(wc);
    wc.style = nStyle;
    wc.lpfnWndProc = StaticWndProc;
    wc.hInstance = hInst;
    wc.hCursor = hCursor;
    wc.hbrBackground = hBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = pszClass;
    return ::RegisterClassExW(&wc) != 0;
}

bool CWnd::CreateEx(DWORD dwExStyle, const wchar_t *pszClass, const wchar_t *pszTitle, DWORD dwStyle, const RECT &rc,
                    HWND hParent, UINT nID)
{
    if (m_hWnd)
        return false;
    HMENU hMenu = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    HWND hWnd = ::CreateWindowExW(dwExStyle, pszClass, pszTitle, dwStyle, rc.left, rc.top, rc.right - rc.left,
                                  rc.bottom - rc.top, hParent, hMenu, ::GetModuleHandleW(nullptr), this);
    if (!hWnd)
        return false;
    // Windows of other classes (controls) were not bound at WM_NCCREATE: subclass them now.
    if (m_hWnd != hWnd && !InstallSubclass(hWnd)) {
        ::DestroyWindow(hWnd);
        return false;
    }
    m_bCreated = true;
    return true;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !hWnd || FromHandle(hWnd))
        return false;
    return InstallSubclass(hWnd);
}

bool CWnd::SubclassDlgItem(UINT nID, HWND hParent)
{
    return SubclassWindow(::GetDlgItem(hParent, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    if (m_bSubclassed)
        ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
    m_bSubclassed = false;
    Unbind();
    return hWnd;
}

bool CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

LRESULT CWnd::Default(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_bSubclassed)
        return ::DefSubclassProc(m_hWnd, uMsg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, uMsg, wParam, lParam);
}

std::wstring CWnd::GetWindowText() const
{
    int n = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
    int got = ::GetWindowTextW(m_hWnd, buf.data(), n + 1);
    return std::wstring(buf.data(), static_cast<size_t>(got > 0 ? got : 0));
}

RECT CWnd::GetClientRect() const
{
    RECT rc = {};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const
{
    RECT rc = {};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

void CWnd::MoveWindow(const RECT &rc, bool bRepaint) const
{
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, bRepaint);
}

LRESULT CWnd::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return Default(uMsg, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT *)
{
    return false;
}

bool CWnd::ReflectToChild(HWND hParent, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    HWND hChild = NotifyingChild(hParent, uMsg, wParam, lParam);
    if (!hChild || hChild == hParent)
        return false;
    CWnd *pChild = FromHandle(hChild);
    return pChild && pChild->OnChildNotify(uMsg, wParam, lParam, pResult);
}

void CWnd::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    CObjectMap &objects = Objects();
    ::AcquireSRWLockExclusive(&objects.lock);
    objects.map[hWnd] = this;
    ::ReleaseSRWLockExclusive(&objects.lock);
}

void CWnd::Unbind()
{
    if (m_hWnd) {
        CObjectMap &objects = Objects();
        ::AcquireSRWLockExclusive(&objects.lock);
        if (const auto it = objects.map.find(m_hWnd); it != objects.map.end() && it->second == this)
            objects.map.erase(it);
        ::ReleaseSRWLockExclusive(&objects.lock);
    }
    m_hWnd = nullptr;
}

bool CWnd::InstallSubclass(HWND hWnd)
{
    if (!::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_bSubclassed = true;
    Bind(hWnd);
    return true;
}

LRESULT CWnd::Dispatch(CWnd *pWnd, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    try {
        LRESULT lResult = 0;
        if (ReflectToChild(hWnd, uMsg, wParam, lParam, &lResult))
            return lResult;
        lResult = pWnd->WindowProc(uMsg, wParam, lParam);
        if (uMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
            if (pWnd->m_bSubclassed)
                ::RemoveWindowSubclass(hWnd, SubclassProc, kSubclassId);
            pWnd->m_bSubclassed = false;
            pWnd->m_bCreated = false;
            pWnd->Unbind();
            pWnd->PostNcDestroy();
        }
        return lResult;
    } catch (...) {
        // Nothing may unwind through the system's code.
        return 0;
    }
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd *pWnd = FromHandle(hWnd);
    if (!pWnd && uMsg == WM_NCCREATE) {
        pWnd = static_cast<CWnd *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        if (pWnd)
            pWnd->Bind(hWnd);
    }
    if (!pWnd)
        return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    return Dispatch(pWnd, hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwRefData)
{
    return Dispatch(reinterpret_cast<CWnd *>(dwRefData), hWnd, uMsg, wParam, lParam);
}
