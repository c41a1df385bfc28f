// A program started and driven from outside: its process, its windows, and a barrier that returns
// once the program has handled everything the driver posted to it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

// Windows of other processes are found on this desktop. With a name, the driver made its own desktop
// (under Wine a window of the given size on the X server); empty means the desktop it started on.
void UseDesktop(const std::wstring &strName, int cx, int cy);
const std::wstring &CurrentDesktopName();

class CProgram {
public:
    CProgram() = default;
    ~CProgram(); // ends a program that is still running, so that a failed test leaves nothing behind
    CProgram(const CProgram &) = delete;
    CProgram &operator=(const CProgram &) = delete;

    // Starts strExe with the arguments (each quoted), in strWorkDir (empty: the exe's folder).
    void Start(const std::wstring &strExe, const std::vector<std::wstring> &listArgs = {},
               const std::wstring &strWorkDir = L"");
    DWORD ProcessId() const { return m_dwPid; }
    HANDLE ProcessHandle() const { return m_hProcess; }
    bool IsRunning() const;

    // Waits for a visible top-level window of the process with this caption, and brings it to the
    // front the way a click on it would.
    HWND WaitMainWindow(const std::wstring &strCaption, DWORD dwTimeoutMs = WAIT_START_MS);
    HWND MainWindow() const { return m_hMain; }

    // Returns once the program's interface thread has dispatched every message posted to it before,
    // and whatever those messages posted in turn (a dialog they open may still be showing).
    void Sync() const;

    // The close box: posts WM_CLOSE to the main window.
    void PostClose() const;
    // Waits for the process to end and returns its exit code.
    DWORD WaitExit(DWORD dwTimeoutMs = WAIT_DEFAULT_MS) const;

private:
    HANDLE m_hProcess = nullptr;
    DWORD m_dwPid = 0;
    std::wstring m_strExe;
    HWND m_hMain = nullptr;
};

// Top-level windows of a process, visible ones only, optionally of a class.
std::vector<HWND> TopLevelWindows(DWORD dwPid, const wchar_t *pszClass = nullptr);
std::wstring WindowText(HWND hWnd);
std::wstring WindowClass(HWND hWnd);

// Waits until every posted message of the thread that owns hWnd has been dispatched (see CProgram::Sync).
void SyncWindowThread(HWND hWnd);
// The same for a thread known by id (its window may be gone by now).
void SyncThread(DWORD dwThreadId);
