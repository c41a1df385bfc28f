// The job commands of the main window: save (Ctrl+S), save as (Ctrl+Shift+S), open (Ctrl+O), a
// job file dropped on the window, and directories added from a list. They reach the window as
// the tool bar's do (WM_TOOLCOMMAND), from the keys, the system menu and a drop.
#pragma once
#include <windows.h>

#include <string>

constexpr UINT ID_JOB_SAVE = 32800;
constexpr UINT ID_JOB_SAVE_AS = 32801;
constexpr UINT ID_JOB_OPEN = 32802;
constexpr UINT ID_JOB_IMPORT_LIST = 32803;
constexpr UINT ID_JOB_OPEN_DROPPED = 32804; // the file kept by the drop

// The system menu's items of these commands (its ids keep their low four bits clear).
constexpr UINT IDM_SYS_JOB_SAVE = 0x0100;
constexpr UINT IDM_SYS_JOB_SAVE_AS = 0x0110;
constexpr UINT IDM_SYS_JOB_OPEN = 0x0120;
constexpr UINT IDM_SYS_IMPORT_LIST = 0x0130;

inline bool IsJobCommand(UINT nID)
{
    return nID >= ID_JOB_SAVE && nID <= ID_JOB_OPEN_DROPPED;
}

// The command of a key pressed with the modifiers held, or 0.
UINT JobCommandForKey(UINT nVirtKey, bool bCtrl, bool bShift, bool bAlt);
// The command of a system menu item (WM_SYSCOMMAND's wParam), or 0.
UINT JobCommandForSysCommand(WPARAM wParam);

// The caption for a job file (empty: none) over the program's own.
std::wstring JobCaption(const std::wstring &strJobPath, const std::wstring &strProgram);
// A dropped file that is a job file by its name.
bool IsJobFileName(const std::wstring &strPath);

// Sends the job keys of the thread's dialog loop to hMain and its children as commands; one
// window at a time. Removed with the object.
class CJobKeys {
public:
    CJobKeys() = default;
    ~CJobKeys();
    CJobKeys(const CJobKeys &) = delete;
    CJobKeys &operator=(const CJobKeys &) = delete;
    void Install(HWND hMain);
    void Remove();
};
