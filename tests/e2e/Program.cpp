#include "Program.h"

namespace {

std::wstring g_strDesktop;

std::wstring QuoteArg(const std::wstring &str)
{
    // Enough for paths and plain words; arguments here never end in a backslash before a quote.
    return L"\"" + str + L"\"";
}

bool IsUnowned(HWND hWnd)
{
    return !::GetWindow(hWnd, GW_OWNER);
}

// An edit control of the thread that is likely to outlive the action being synchronised: a direct
// child of an unowned window (the main window outlives its dialogs; a tree's label editor does not).
HWND FindThreadEdit(DWORD dwThreadId)
{
    struct CSearch {
        HWND hBest = nullptr;
        int nBestRank = 0;
        HWND hTop = nullptr;
    } search;
    ::EnumThreadWindows(
        dwThreadId,
        [](HWND hTop, LPARAM lp) -> BOOL {
            auto *pSearch = reinterpret_cast<CSearch *>(lp);
            pSearch->hTop = hTop;
            ::EnumChildWindows(
                hTop,
                [](HWND hChild, LPARAM lpSearch) -> BOOL {
                    auto *pFound = reinterpret_cast<CSearch *>(lpSearch);
                    if (WindowClass(hChild) != L"Edit")
                        return TRUE;
                    int nRank = 1 + (::GetParent(hChild) == pFound->hTop) + 2 * IsUnowned(pFound->hTop);
                    if (nRank > pFound->nBestRank) {
                        pFound->hBest = hChild;
                        pFound->nBestRank = nRank;
                    }
                    return TRUE;
                },
                lp);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hBest;
}

// True while the thread still has a window of its own.
bool ThreadHasWindows(DWORD dwThreadId)
{
    bool bAny = false;
    ::EnumThreadWindows(
        dwThreadId,
        [](HWND, LPARAM lp) -> BOOL {
            *reinterpret_cast<bool *>(lp) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&bAny));
    return bAny;
}

// One round of the barrier: a value only this round posts becomes visible once the thread has
// dispatched everything posted before it. The edit's text limit is invisible and has no notification;
// it is put back right after.
void SyncOnce(DWORD dwThreadId)
{
    static UINT s_nRound = 0;
    HWND hEdit = nullptr;
    DWORD_PTR nOldLimit = 0;
    // An edit may close between finding it and asking it; then another one is taken.
    for (int nTry = 0; !hEdit; ++nTry) {
        // While the program ends its windows go one by one; once the last is gone nothing is left to wait for.
        WaitUntil(
            [&] {
                hEdit = FindThreadEdit(dwThreadId);
                return hEdit || !ThreadHasWindows(dwThreadId);
            },
            L"an edit control in thread " + std::to_wstring(dwThreadId) + L" to synchronise with");
        if (!hEdit)
            return;
        if (::SendMessageTimeoutW(hEdit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, WAIT_DEFAULT_MS, &nOldLimit))
            break;
        if (::IsWindow(hEdit) || nTry == 3)
            throw CDriverError(L"the program does not answer messages (edit " + DescribeWindow(hEdit) + L")");
        hEdit = nullptr;
    }
    UINT nMarker = 0x3F000000u + (++s_nRound & 0xFFFFFu);
    if (nMarker == nOldLimit)
        ++nMarker;
    if (!::PostMessageW(hEdit, EM_SETLIMITTEXT, nMarker, 0))
        throw CDriverError(L"cannot post to " + DescribeWindow(hEdit));
    WaitUntil(
        [&] {
            DWORD_PTR nLimit = 0;
            if (!::IsWindow(hEdit))
                return true; // its window closed: the thread has moved past what was posted
            return ::SendMessageTimeoutW(hEdit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 500, &nLimit) && nLimit == nMarker;
        },
        L"the program's interface thread to handle the messages posted to it");
    DWORD_PTR nIgnored = 0;
    ::SendMessageTimeoutW(hEdit, EM_SETLIMITTEXT, nOldLimit, 0, SMTO_NORMAL, WAIT_DEFAULT_MS, &nIgnored);
}

} // namespace

void UseDesktop(const std::wstring &strName, int cx, int cy)
{
    // Wine shows a desktop whose size the registry names as one window on the X server, with frames
    // and captions drawn for the windows inside; elsewhere the value is unused.
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &hKey, nullptr) == ERROR_SUCCESS) {
        std::wstring strSize = std::to_wstring(cx) + L"x" + std::to_wstring(cy);
        ::RegSetValueExW(hKey, strName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(strSize.c_str()),
                         static_cast<DWORD>((strSize.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(hKey);
    }
    HDESK hDesk = ::CreateDesktopW(strName.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (!hDesk)
        throw CDriverError(L"cannot create desktop " + strName + L": " + SystemErrorText(::GetLastError()));
    if (!::SetThreadDesktop(hDesk))
        throw CDriverError(L"cannot switch to desktop " + strName + L": " + SystemErrorText(::GetLastError()));
    g_strDesktop = strName;
}

const std::wstring &CurrentDesktopName()
{
    return g_strDesktop;
}

std::wstring WindowText(HWND hWnd)
{
    DWORD_PTR cch = 0;
    if (!::SendMessageTimeoutW(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, WAIT_DEFAULT_MS, &cch))
        throw CDriverError(L"no answer to WM_GETTEXTLENGTH from " + DescribeWindow(hWnd));
    std::wstring str(cch + 1, L'\0');
    DWORD_PTR cchGot = 0;
    if (!::SendMessageTimeoutW(hWnd, WM_GETTEXT, cch + 1, reinterpret_cast<LPARAM>(str.data()), SMTO_NORMAL,
                               WAIT_DEFAULT_MS, &cchGot))
        throw CDriverError(L"no answer to WM_GETTEXT from " + DescribeWindow(hWnd));
    str.resize(cchGot);
    return str;
}

std::wstring WindowClass(HWND hWnd)
{
    wchar_t szClass[256] = L"";
    ::GetClassNameW(hWnd, szClass, 256);
    return szClass;
}

std::vector<HWND> TopLevelWindows(DWORD dwPid, const wchar_t *pszClass)
{
    struct CSearch {
        DWORD dwPid;
        const wchar_t *pszClass;
        std::vector<HWND> list;
    } search{dwPid, pszClass, {}};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lp) -> BOOL {
            auto *pSearch = reinterpret_cast<CSearch *>(lp);
            DWORD dwOwner = 0;
            ::GetWindowThreadProcessId(hWnd, &dwOwner);
            if (dwOwner == pSearch->dwPid && ::IsWindowVisible(hWnd) &&
                (!pSearch->pszClass || WindowClass(hWnd) == pSearch->pszClass))
                pSearch->list.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.list;
}

void SyncWindowThread(HWND hWnd)
{
    DWORD dwThreadId = ::GetWindowThreadProcessId(hWnd, nullptr);
    if (!dwThreadId)
        throw CDriverError(L"window " + DescribeWindow(hWnd) + L" no longer exists");
    SyncThread(dwThreadId);
}

void SyncThread(DWORD dwThreadId)
{
    // Two rounds: the first covers what the driver posted, the second what handling it posted in turn.
    SyncOnce(dwThreadId);
    SyncOnce(dwThreadId);
}

CProgram::~CProgram()
{
    if (!m_hProcess)
        return;
    if (IsRunning()) {
        ::TerminateProcess(m_hProcess, 1);
        ::WaitForSingleObject(m_hProcess, WAIT_DEFAULT_MS);
    }
    ::CloseHandle(m_hProcess);
}

void CProgram::Start(const std::wstring &strExe, const std::vector<std::wstring> &listArgs,
                     const std::wstring &strWorkDir)
{
    if (m_hProcess)
        throw CDriverError(L"a program object starts one process");
    std::wstring strCmd = QuoteArg(strExe);
    for (const auto &arg : listArgs)
        strCmd += L" " + QuoteArg(arg);
    std::wstring strDir = strWorkDir;
    if (strDir.empty()) {
        size_t nSlash = strExe.find_last_of(L"\\/");
        if (nSlash != std::wstring::npos)
            strDir = strExe.substr(0, nSlash);
    }
    std::wstring strDesktop = g_strDesktop;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!strDesktop.empty())
        si.lpDesktop = strDesktop.data();
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(strExe.c_str(), strCmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          strDir.empty() ? nullptr : strDir.c_str(), &si, &pi))
        throw CDriverError(L"cannot start " + strExe + L": " + SystemErrorText(::GetLastError()));
    ::CloseHandle(pi.hThread);
    m_hProcess = pi.hProcess;
    m_dwPid = pi.dwProcessId;
    m_strExe = strExe;
}

bool CProgram::IsRunning() const
{
    return m_hProcess && ::WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT;
}

HWND CProgram::WaitMainWindow(const std::wstring &strCaption, DWORD dwTimeoutMs)
{
    m_hMain = WaitFor<HWND>(
        [&]() -> HWND {
            for (HWND hWnd : TopLevelWindows(m_dwPid))
                if (WindowText(hWnd) == strCaption)
                    return hWnd;
            if (!IsRunning()) {
                DWORD dwExit = 0;
                ::GetExitCodeProcess(m_hProcess, &dwExit);
                throw CDriverError(m_strExe + L" ended with exit code " + std::to_wstring(dwExit) +
                                   L" before showing its window \"" + strCaption + L"\"");
            }
            return nullptr;
        },
        L"the window \"" + strCaption + L"\" of " + m_strExe, dwTimeoutMs);
    ::SetForegroundWindow(m_hMain);
    return m_hMain;
}

void CProgram::Sync() const
{
    if (!m_hMain)
        throw CDriverError(L"Sync before the main window was found");
    SyncWindowThread(m_hMain);
}

void CProgram::PostClose() const
{
    if (!m_hMain || !::PostMessageW(m_hMain, WM_CLOSE, 0, 0))
        throw CDriverError(L"cannot post WM_CLOSE to the main window of " + m_strExe);
}

DWORD CProgram::WaitExit(DWORD dwTimeoutMs) const
{
    WaitUntil([&] { return !IsRunning(); }, L"the process of " + m_strExe + L" to end", dwTimeoutMs);
    DWORD dwExit = 0;
    ::GetExitCodeProcess(m_hProcess, &dwExit);
    return dwExit;
}
