// CWnd: a C++ object bound to one HWND, with a virtual window procedure.
// A window is either created by the object (and destroyed with it) or an existing control
// attached by subclassing (and released with it). The object is found through a window property.
// A parent first offers a child's WM_NOTIFY, WM_COMMAND, owner-draw, colour and scroll messages
// to the child's own object (OnChildNotify), so a control handles its own notifications.
#pragma once
#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd &) = delete;
    CWnd &operator=(const CWnd &) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or nullptr.
    static CWnd *FromHandle(HWND hWnd);

    // Registers a window class whose windows dispatch to their CWnd object.
    static bool RegisterWndClass(const wchar_t *pszClass, UINT nStyle, HCURSOR hCursor, HBRUSH hBackground,
                                 HICON hIcon = nullptr);
    // Creates a window of a class registered by RegisterWndClass, or of any other class (then subclassed).
    bool CreateEx(DWORD dwExStyle, const wchar_t *pszClass, const wchar_t *pszTitle, DWORD dwStyle, const RECT &rc,
                  HWND hParent, UINT nID);
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT nID, HWND hParent);
    HWND UnsubclassWindow();
    bool DestroyWindow();

    // Standard processing of a message this object does not handle.
    LRESULT Default(UINT uMsg, WPARAM wParam, LPARAM lParam);

    // Convenience forms of the common calls.
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
    }
    bool PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, uMsg, wParam, lParam) != FALSE;
    }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    std::wstring GetWindowText() const;
    void SetWindowText(const std::wstring &str) const { ::SetWindowTextW(m_hWnd, str.c_str()); }
    bool EnableWindow(bool bEnable = true) const { return ::EnableWindow(m_hWnd, bEnable) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow) != FALSE; }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void MoveWindow(const RECT &rc, bool bRepaint = true) const;
    void Invalidate(bool bErase = true) const { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void SetFont(HFONT hFont, bool bRedraw = true) const
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

protected:
    virtual LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Reflection: a notification of this window, sent to its parent, offered here first.
    // Return true with *pResult set to handle it; the parent then does not see it.
    virtual bool OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    // After the window is gone (WM_NCDESTROY); the object is already unbound.
    virtual void PostNcDestroy() {}

    // Offers a message to the child that sent it; true when the child handled it.
    static bool ReflectToChild(HWND hParent, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult);
    // Binds this object to hWnd (the window property); Subclass routes the window's messages here.
    void Bind(HWND hWnd);
    void Unbind();
    bool InstallSubclass(HWND hWnd);

    // Runs one message through reflection and WindowProc, stopping exceptions at this boundary.
    static LRESULT Dispatch(CWnd *pWnd, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR uIdSubclass,
                                         DWORD_PTR dwRefData);

    bool m_bSubclassed = false; // messages arrive through SubclassProc
    bool m_bCreated = false;    // this object created the window and destroys it
};
