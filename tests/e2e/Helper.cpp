#include "Helper.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <vector>

namespace {

HWND g_hToolbar = nullptr;

void Log(HWND hMain, const std::wstring &strLine)
{
    HWND hLog = ::GetDlgItem(hMain, HELPER_ID_LOG);
    int cch = ::GetWindowTextLengthW(hLog);
    ::SendMessageW(hLog, EM_SETSEL, cch, cch);
    std::wstring strAdd = (cch ? L"\r\n" : L"") + strLine;
    ::SendMessageW(hLog, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(strAdd.c_str()));
}

std::wstring ItemText(HWND hTree, HTREEITEM hItem)
{
    wchar_t szText[256] = L"";
    TVITEMW tvi = {};
    tvi.mask = TVIF_HANDLE | TVIF_TEXT;
    tvi.hItem = hItem;
    tvi.pszText = szText;
    tvi.cchTextMax = 256;
    ::SendMessageW(hTree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    return szText;
}

HTREEITEM InsertItem(HWND hTree, HTREEITEM hParent, const wchar_t *pszText)
{
    TVINSERTSTRUCTW tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    tvis.item.pszText = const_cast<wchar_t *>(pszText);
    tvis.item.cChildren = 0;
    return reinterpret_cast<HTREEITEM>(::SendMessageW(hTree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tvis)));
}

void CreateControls(HWND hMain, HINSTANCE hInst)
{
    g_hToolbar =
        ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0,
                          0, 0, hMain, reinterpret_cast<HMENU>(HELPER_ID_TOOLBAR), hInst, nullptr);
    ::SendMessageW(g_hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP tbab = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    ::SendMessageW(g_hToolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&tbab));
    TBBUTTON buttons[] = {
        {STD_FILENEW, HELPER_CMD_LOG, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, 0, BTNS_SEP, {}, 0, 0},
        {STD_DELETE, HELPER_CMD_OFF, 0, BTNS_BUTTON, {}, 0, 0},
        {STD_FILEOPEN, HELPER_CMD_BOX, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_PROPERTIES, HELPER_CMD_FOLDER, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    ::SendMessageW(g_hToolbar, TB_ADDBUTTONSW, ARRAYSIZE(buttons), reinterpret_cast<LPARAM>(buttons));
    ::SendMessageW(g_hToolbar, TB_AUTOSIZE, 0, 0);

    HWND hTree = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                                       TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                                   0, 40, 300, 200, hMain, reinterpret_cast<HMENU>(HELPER_ID_TREE), hInst, nullptr);
    HTREEITEM hRoot = InsertItem(hTree, TVI_ROOT, L"[ root ]");
    HTREEITEM hSource = InsertItem(hTree, hRoot, L"ソース");
    InsertItem(hTree, hSource, L"a b");
    InsertItem(hTree, hSource, L"ﾃﾞｨﾚｸﾄﾘ");
    InsertItem(hTree, hRoot, L"second");
    ::SendMessageW(hTree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(hRoot));

    ::CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"一行目\r\n2 行目\r\nthird",
                      WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_HSCROLL, 0, 245, 300, 60, hMain,
                      reinterpret_cast<HMENU>(HELPER_ID_TEXT), hInst, nullptr);
    ::CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 310, 300,
                      22, hMain, reinterpret_cast<HMENU>(HELPER_ID_PATH), hInst, nullptr);
    ::CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL,
                      310, 40, 300, 292, hMain, reinterpret_cast<HMENU>(HELPER_ID_LOG), hInst, nullptr);
}

int CALLBACK PickerCallback(HWND hWnd, UINT uMsg, LPARAM, LPARAM)
{
    if (uMsg == BFFM_INITIALIZED)
        ::SetWindowTextW(hWnd, HELPER_PICKER_CAPTION);
    return 0;
}

void RunModalCommand(HWND hMain, int nCommand)
{
    if (nCommand == HELPER_CMD_BOX) {
        int nAnswer = ::MessageBoxW(hMain, HELPER_BOX_TEXT, HELPER_BOX_CAPTION, MB_YESNO | MB_ICONQUESTION);
        Log(hMain, L"answer " + std::to_wstring(nAnswer));
        return;
    }
    BROWSEINFOW bi = {};
    wchar_t szDisplay[MAX_PATH] = L"";
    bi.hwndOwner = hMain;
    bi.pszDisplayName = szDisplay;
    bi.lpszTitle = L"複写先を選んでください";
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = PickerCallback;
    PIDLIST_ABSOLUTE pidl = ::SHBrowseForFolderW(&bi);
    if (!pidl) {
        Log(hMain, L"folder cancelled");
        return;
    }
    wchar_t szPath[MAX_PATH] = L"";
    ::SHGetPathFromIDListW(pidl, szPath);
    ::CoTaskMemFree(pidl);
    Log(hMain, std::wstring(L"folder ") + szPath);
}

LRESULT CALLBACK HelperProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_CREATE: CreateControls(hWnd, reinterpret_cast<CREATESTRUCTW *>(lParam)->hInstance); return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == g_hToolbar && g_hToolbar) {
            Log(hWnd, L"command " + std::to_wstring(LOWORD(wParam)));
            // Like the program: a tool bar command runs from the queue, not inside the click.
            if (LOWORD(wParam) == HELPER_CMD_BOX || LOWORD(wParam) == HELPER_CMD_FOLDER)
                ::PostMessageW(hWnd, WM_APP, LOWORD(wParam), 0);
        } else if (LOWORD(wParam) == IDOK) {
            Log(hWnd, L"ok");
        } else if (LOWORD(wParam) == IDCANCEL) {
            Log(hWnd, L"cancel");
        }
        return 0;
    case WM_APP: RunModalCommand(hWnd, static_cast<int>(wParam)); return 0;
    case WM_NOTIFY: {
        auto *pHdr = reinterpret_cast<NMHDR *>(lParam);
        if (pHdr->code == TVN_SELCHANGEDW) {
            auto *pTv = reinterpret_cast<NMTREEVIEWW *>(lParam);
            Log(hWnd, L"selected " + ItemText(pHdr->hwndFrom, pTv->itemNew.hItem));
        } else if (pHdr->code == TVN_ENDLABELEDITW) {
            auto *pDisp = reinterpret_cast<NMTVDISPINFOW *>(lParam);
            Log(hWnd, pDisp->item.pszText ? L"renamed " + std::wstring(pDisp->item.pszText) : L"edit cancelled");
            return pDisp->item.pszText != nullptr;
        }
        return 0;
    }
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
}

} // namespace

int RunHelper(const std::wstring &strKind)
{
    if (strKind != L"window")
        return 2;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    ::OleInitialize(nullptr);
    HINSTANCE hInst = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"PelnixDriverHelper";
    ::RegisterClassW(&wc);
    HWND hMain = ::CreateWindowExW(0, wc.lpszClassName, HELPER_CAPTION, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 640,
                                   400, nullptr, nullptr, hInst, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // The dialog manager turns Enter and Escape into IDOK and IDCANCEL, as in the program's main window.
        if (::IsDialogMessageW(hMain, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::OleUninitialize();
    return 0;
}
