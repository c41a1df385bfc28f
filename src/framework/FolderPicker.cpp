#include "framework/FolderPicker.h"

#include <shlobj.h>

namespace {

struct CPickerInit {
    HWND hOwner;
    std::wstring strCaption;
    std::wstring strPath;
};

// Centred on the owner the caller named: the picker's parent link is not reliable across
// platform versions.
void CenterOnOwner(HWND hWnd, HWND hParent)
{
    RECT rcParent, rc;
    if (!hParent || !::GetWindowRect(hParent, &rcParent) || !::GetWindowRect(hWnd, &rc))
        return;
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    int x = rcParent.left + ((rcParent.right - rcParent.left) - cx) / 2;
    int y = rcParent.top + ((rcParent.bottom - rcParent.top) - cy) / 2;
    ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CALLBACK PickerCallback(HWND hWnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    if (uMsg != BFFM_INITIALIZED)
        return 0;
    auto *pInit = reinterpret_cast<const CPickerInit *>(lpData);
    CenterOnOwner(hWnd, pInit->hOwner);
    if (!pInit->strPath.empty())
        ::SendMessageW(hWnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(pInit->strPath.c_str()));
    if (!pInit->strCaption.empty())
        ::SetWindowTextW(hWnd, pInit->strCaption.c_str());
    return 0;
}

} // namespace

int PathFromFolderItem(PCIDLIST_ABSOLUTE pidl, std::wstring &strPath)
{
    wchar_t szPath[MAX_PATH];
    if (::SHGetPathFromIDListW(pidl, szPath)) {
        strPath = szPath;
        return FOLDER_CHOSEN;
    }
    // The conversion also fails for a path longer than its buffer: ask for the whole path to tell.
    PWSTR pszLong = nullptr;
    if (FAILED(::SHGetNameFromIDList(pidl, SIGDN_FILESYSPATH, &pszLong)) || !pszLong)
        return FOLDER_NO_PATH;
    strPath = pszLong;
    ::CoTaskMemFree(pszLong);
    return strPath.size() >= MAX_PATH ? FOLDER_TOO_LONG : FOLDER_NO_PATH;
}

int ShowShellFolderPicker(const CFolderRequest &req, std::wstring &strPath)
{
    if (!req.hOwner)
        return FOLDER_NOT_SHOWN;
    PIDLIST_ABSOLUTE pidlRoot = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(req.hOwner, req.nRootFolder, &pidlRoot)))
        return FOLDER_NOT_SHOWN;

    // Paths that do not fit MAX_PATH are not preselected; the picker opens at its root.
    CPickerInit init;
    init.hOwner = req.hOwner;
    if (req.strCaption.size() < MAX_PATH)
        init.strCaption = req.strCaption;
    if (req.strInitialPath.size() < MAX_PATH)
        init.strPath = req.strInitialPath;

    wchar_t szDisplay[MAX_PATH] = L"";
    BROWSEINFOW bi = {};
    bi.hwndOwner = req.hOwner;
    bi.pidlRoot = pidlRoot;
    bi.pszDisplayName = szDisplay;
    bi.lpszTitle = req.strPrompt.c_str();
    bi.ulFlags = req.nFlags;
    bi.lpfn = PickerCallback;
    bi.lParam = reinterpret_cast<LPARAM>(&init);

    int nResult = FOLDER_CANCELLED;
    if (PIDLIST_ABSOLUTE pidl = ::SHBrowseForFolderW(&bi)) {
        nResult = PathFromFolderItem(pidl, strPath);
        ::CoTaskMemFree(pidl);
    }
    ::CoTaskMemFree(pidlRoot);
    return nResult;
}
