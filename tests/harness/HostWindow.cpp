#include "HostWindow.h"

namespace {
const wchar_t kHostClass[] = L"PlxTestHost";
}

CHostWindow::CHostWindow(const RECT &rc, DWORD dwStyle)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CHostWindow::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kHostClass;
    ::RegisterClassW(&wc); // fails harmlessly once registered
    m_hWnd = ::CreateWindowExW(0, kHostClass, L"host", dwStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                               nullptr, nullptr, wc.hInstance, this);
}

CHostWindow::~CHostWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

std::vector<CHostMessage> CHostWindow::Received(UINT uMsg) const
{
    std::vector<CHostMessage> list;
    for (const CHostMessage &m : m_listMessages)
        if (m.uMsg == uMsg)
            list.push_back(m);
    return list;
}

LRESULT CALLBACK CHostWindow::Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    auto *pThis = reinterpret_cast<CHostWindow *>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    const bool bMouse = uMsg >= WM_MOUSEFIRST && uMsg <= WM_MOUSELAST;
    if (pThis && (uMsg == WM_COMMAND || bMouse || uMsg >= WM_USER)) {
        pThis->m_listMessages.push_back({uMsg, wParam, lParam});
        if (uMsg != WM_COMMAND && !bMouse)
            return 0;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

bool PumpUntil(const std::function<bool()> &done, DWORD dwTimeoutMs)
{
    const ULONGLONG ullStart = ::GetTickCount64();
    for (;;) {
        PumpPending();
        if (done())
            return true;
        if (::GetTickCount64() - ullStart > dwTimeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
