#include "Controls.h"

#include "Program.h"
#include "RemoteBuffer.h"
#include "Wait.h"

#include <commctrl.h>

namespace {

LRESULT SendOrThrow(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, const wchar_t *pszMsg)
{
    DWORD_PTR nResult = 0;
    if (!::SendMessageTimeoutW(hWnd, uMsg, wParam, lParam, SMTO_NORMAL, WAIT_DEFAULT_MS, &nResult))
        throw CDriverError(std::wstring(L"no answer to ") + pszMsg + L" from " + DescribeWindow(hWnd));
    return static_cast<LRESULT>(nResult);
}

void PostOrThrow(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!::PostMessageW(hWnd, uMsg, wParam, lParam))
        throw CDriverError(L"cannot post message " + std::to_wstring(uMsg) + L" to " + DescribeWindow(hWnd) + L": " +
                           SystemErrorText(::GetLastError()));
}

// A person can use a control only when it and its window are visible and enabled.
void RequireUsable(HWND hWnd, const std::wstring &strWhat)
{
    if (!::IsWindowVisible(hWnd))
        throw CDriverError(strWhat + L" is hidden: " + DescribeWindow(hWnd));
    for (HWND h = hWnd; h; h = (::GetWindowLongW(h, GWL_STYLE) & WS_CHILD) ? ::GetParent(h) : nullptr)
        if (!::IsWindowEnabled(h))
            throw CDriverError(strWhat + L" is disabled: " + DescribeWindow(h));
}

LPARAM PointParam(POINT pt)
{
    return MAKELPARAM(pt.x, pt.y);
}

} // namespace

HWND FindControl(HWND hParent, int nId)
{
    return ::GetDlgItem(hParent, nId);
}

HWND RequireControl(HWND hParent, int nId)
{
    HWND hCtrl = ::GetDlgItem(hParent, nId);
    if (!hCtrl)
        throw CDriverError(L"no control " + std::to_wstring(nId) + L" in " + DescribeWindow(hParent));
    return hCtrl;
}

void ClickButton(HWND hDlg, int nId)
{
    HWND hButton = RequireControl(hDlg, nId);
    RequireUsable(hButton, L"button " + std::to_wstring(nId));
    // OK or Cancel may close the dialog before the barrier reaches it: wait on its thread.
    DWORD dwThreadId = ::GetWindowThreadProcessId(hDlg, nullptr);
    PostOrThrow(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    SyncThread(dwThreadId);
}

void PressKey(HWND hWnd, UINT vk)
{
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    HWND hTarget = hWnd;
    DWORD dwThreadId = ::GetWindowThreadProcessId(hWnd, nullptr);
    if (::GetGUIThreadInfo(dwThreadId, &gti) && gti.hwndFocus)
        hTarget = gti.hwndFocus;
    LPARAM lScan = static_cast<LPARAM>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostOrThrow(hTarget, WM_KEYDOWN, vk, 1 | lScan);
    // The key down may already have closed the window (Enter ending a label edit): a person's key up
    // then goes elsewhere, so a window that is gone is no failure here.
    if (!::PostMessageW(hTarget, WM_KEYUP, vk, 1 | lScan | (1 << 30) | (static_cast<LPARAM>(1) << 31)) &&
        ::IsWindow(hTarget))
        PostOrThrow(hTarget, WM_KEYUP, vk, 1 | lScan | (1 << 30) | (static_cast<LPARAM>(1) << 31));
    SyncThread(dwThreadId);
}

void TypeText(HWND hEdit, const std::wstring &strText)
{
    RequireUsable(hEdit, L"the edit");
    PostOrThrow(hEdit, EM_SETSEL, 0, -1);
    for (wchar_t ch : strText)
        PostOrThrow(hEdit, WM_CHAR, ch, 1);
    SyncWindowThread(hEdit);
}

void SetText(HWND hWnd, const std::wstring &strText)
{
    SendOrThrow(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.c_str()), L"WM_SETTEXT");
}

std::wstring GetText(HWND hWnd)
{
    return WindowText(hWnd);
}

std::vector<std::wstring> GetEditLines(HWND hEdit)
{
    std::wstring strText = GetText(hEdit);
    std::vector<std::wstring> listLines;
    size_t nStart = 0;
    for (;;) {
        size_t nEnd = strText.find(L"\r\n", nStart);
        listLines.push_back(strText.substr(nStart, nEnd == std::wstring::npos ? nEnd : nEnd - nStart));
        if (nEnd == std::wstring::npos)
            return listLines;
        nStart = nEnd + 2;
    }
}

std::vector<CToolButton> GetToolButtons(HWND hToolbar)
{
    std::vector<CToolButton> listButtons;
    int nCount = static_cast<int>(SendOrThrow(hToolbar, TB_BUTTONCOUNT, 0, 0, L"TB_BUTTONCOUNT"));
    CRemoteBuffer buf(hToolbar, sizeof(TBBUTTON));
    for (int i = 0; i < nCount; ++i) {
        if (!SendOrThrow(hToolbar, TB_GETBUTTON, i, buf.Param(), L"TB_GETBUTTON"))
            throw CDriverError(L"tool bar " + DescribeWindow(hToolbar) + L" has no button at index " +
                               std::to_wstring(i));
        TBBUTTON tb = buf.ReadValue<TBBUTTON>();
        listButtons.push_back({tb.idCommand, tb.fsState, tb.fsStyle, tb.iBitmap});
    }
    return listButtons;
}

bool IsToolButtonEnabled(HWND hToolbar, int nCommand)
{
    LRESULT nState = SendOrThrow(hToolbar, TB_GETSTATE, nCommand, 0, L"TB_GETSTATE");
    if (nState == -1)
        throw CDriverError(L"tool bar " + DescribeWindow(hToolbar) + L" has no button with command id " +
                           std::to_wstring(nCommand));
    return nState & TBSTATE_ENABLED;
}

void PressToolButton(HWND hToolbar, int nCommand)
{
    const std::wstring strButton = L"tool bar button " + std::to_wstring(nCommand);
    RequireUsable(hToolbar, L"the tool bar");
    LRESULT nState = SendOrThrow(hToolbar, TB_GETSTATE, nCommand, 0, L"TB_GETSTATE");
    if (nState == -1)
        throw CDriverError(L"tool bar " + DescribeWindow(hToolbar) + L" has no button with command id " +
                           std::to_wstring(nCommand));
    if (nState & TBSTATE_HIDDEN)
        throw CDriverError(strButton + L" is hidden");
    if (!(nState & TBSTATE_ENABLED))
        throw CDriverError(strButton + L" is disabled");

    CRemoteBuffer buf(hToolbar, sizeof(RECT));
    if (!SendOrThrow(hToolbar, TB_GETRECT, nCommand, buf.Param(), L"TB_GETRECT"))
        throw CDriverError(L"no rectangle for " + strButton);
    RECT rc = buf.ReadValue<RECT>();
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    PostOrThrow(hToolbar, WM_MOUSEMOVE, 0, PointParam(pt));
    PostOrThrow(hToolbar, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(pt));
    PostOrThrow(hToolbar, WM_LBUTTONUP, 0, PointParam(pt));
    SyncWindowThread(hToolbar);
}
