#include "Dialogs.h"

#include "Controls.h"
#include "Program.h"
#include "RemoteBuffer.h"
#include "TreeView.h"

#include <shlobj.h>

namespace {

HWND FindDescendant(HWND hParent, const wchar_t *pszClass)
{
    struct CSearch {
        const wchar_t *pszClass;
        HWND hFound;
    } search{pszClass, nullptr};
    ::EnumChildWindows(
        hParent,
        [](HWND hChild, LPARAM lp) -> BOOL {
            auto *pSearch = reinterpret_cast<CSearch *>(lp);
            if (WindowClass(hChild) != pSearch->pszClass)
                return TRUE;
            pSearch->hFound = hChild;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// "はい (6), いいえ (7)": what the box offers, for the message when the wanted button is missing.
std::wstring ListButtons(HWND hDlg)
{
    std::wstring strList;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (WindowClass(h) != L"Button")
            continue;
        if (!strList.empty())
            strList += L", ";
        strList += WindowText(h) + L" (" + std::to_wstring(::GetDlgCtrlID(h)) + L")";
    }
    return strList;
}

void WaitClosed(HWND hDlg, const std::wstring &strWhat, DWORD dwTimeoutMs)
{
    WaitUntil([&] { return !::IsWindow(hDlg) || !::IsWindowVisible(hDlg); }, strWhat + L" to close", dwTimeoutMs);
}

std::wstring LastComponent(std::wstring strPath)
{
    while (!strPath.empty() && (strPath.back() == L'\\' || strPath.back() == L'/'))
        strPath.pop_back();
    size_t nSlash = strPath.find_last_of(L"\\/");
    if (nSlash == std::wstring::npos || strPath.find(L'\\') == std::wstring::npos)
        return {}; // a drive: the shell shows it under a name of its own
    return strPath.substr(nSlash + 1);
}

} // namespace

HWND WaitForDialog(const CProgram &program, const std::wstring &strCaption, DWORD dwTimeoutMs)
{
    return WaitFor<HWND>(
        [&]() -> HWND {
            for (HWND hWnd : TopLevelWindows(program.ProcessId(), L"#32770")) {
                // A short-lived window (a run's status window) may be gone before it answers.
                std::wstring strText;
                try {
                    strText = WindowText(hWnd);
                } catch (const CDriverError &) {
                    if (::IsWindow(hWnd))
                        throw;
                    continue;
                }
                if (strText == strCaption)
                    return hWnd;
            }
            if (!program.IsRunning())
                throw CDriverError(L"the program ended while the dialog \"" + strCaption + L"\" was awaited");
            return nullptr;
        },
        L"the dialog \"" + strCaption + L"\"", dwTimeoutMs);
}

std::wstring GetMessageBoxText(HWND hBox)
{
    for (HWND h = ::GetWindow(hBox, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (WindowClass(h) != L"Static" || (::GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            continue;
        std::wstring strText = WindowText(h);
        if (!strText.empty())
            return strText;
    }
    throw CDriverError(L"no text in message box " + DescribeWindow(hBox));
}

std::wstring AnswerMessageBox(const CProgram &program, const std::wstring &strCaption, int nButton, DWORD dwTimeoutMs)
{
    HWND hBox = WaitForDialog(program, strCaption, dwTimeoutMs);
    std::wstring strText = GetMessageBoxText(hBox);
    if (!FindControl(hBox, nButton))
        throw CDriverError(L"the message box \"" + strCaption + L"\" (" + strText + L") has no button " +
                           std::to_wstring(nButton) + L"; it has " + ListButtons(hBox));
    ClickButton(hBox, nButton);
    WaitClosed(hBox, L"the message box \"" + strCaption + L"\"", dwTimeoutMs);
    return strText;
}

void ChooseFolder(const CProgram &program, const std::wstring &strCaption, const std::wstring &strPath,
                  DWORD dwTimeoutMs, const std::function<void()> &fnBeforeOk)
{
    HWND hPicker = WaitForDialog(program, strCaption, dwTimeoutMs);
    HWND hTree = FindDescendant(hPicker, WC_TREEVIEWW);
    if (!hTree)
        throw CDriverError(L"the dialog \"" + strCaption + L"\" is not a folder picker (no tree view)");

    CRemoteBuffer buf(hPicker, (strPath.size() + 1) * sizeof(wchar_t));
    buf.WriteString(strPath);
    // Pressing OK on whatever happens to be selected would hand the program another folder, so the
    // selection is asked for until the picker shows the folder (the shell may still be filling its tree).
    std::wstring strLeaf = LastComponent(strPath), strShown;
    // The picker's answer is no help: a dialog procedure's return value does not reach the sender.
    DWORD_PTR nIgnored = 0;
    try {
        WaitUntil(
            [&] {
                if (!::SendMessageTimeoutW(hPicker, BFFM_SETSELECTIONW, TRUE, buf.Param(), SMTO_NORMAL, dwTimeoutMs,
                                           &nIgnored))
                    throw CDriverError(L"no answer to BFFM_SETSELECTION from the folder picker \"" + strCaption +
                                       L"\"");
                HTREEITEM hSel = GetSelectedTreeItem(hTree);
                strShown = hSel ? GetTreeItem(hTree, hSel).strText : L"";
                return hSel && (strLeaf.empty() ||
                                ::CompareStringOrdinal(strShown.c_str(), -1, strLeaf.c_str(), -1, TRUE) == CSTR_EQUAL);
            },
            L"the folder picker to select \"" + strPath + L"\"", dwTimeoutMs);
    } catch (const CDriverError &) {
        throw CDriverError(L"the folder picker \"" + strCaption + L"\" did not select \"" + strPath +
                           L"\"; it shows \"" + strShown + L"\"");
    }
    if (fnBeforeOk)
        fnBeforeOk();
    ClickButton(hPicker, IDOK);
    WaitClosed(hPicker, L"the folder picker \"" + strCaption + L"\"", dwTimeoutMs);
}

void CancelFolderPicker(const CProgram &program, const std::wstring &strCaption, DWORD dwTimeoutMs)
{
    HWND hPicker = WaitForDialog(program, strCaption, dwTimeoutMs);
    ClickButton(hPicker, IDCANCEL);
    WaitClosed(hPicker, L"the folder picker \"" + strCaption + L"\"", dwTimeoutMs);
}
