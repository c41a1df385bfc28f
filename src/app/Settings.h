// The settings file "Pelnix.ini" beside the program: read once when the main window starts,
// written once when the user confirms exit.
#pragma once
#include "tree/OptionSet.h"

#include <windows.h>

#include <string>

// What the main window keeps of its own in the settings file.
struct CMainWindowSettings {
    std::wstring m_strInstallPath;    // Install/Path: the program directory at the last save
    std::wstring m_strInstallVersion; // Install/Version: the product version at the last save
    RECT m_rcWindow = {0, 0, 0, 0};   // Common/WindowPos: the restored rectangle; empty = template position
};

// The program directory joined with "Pelnix.ini".
std::wstring GetSettingsFilePath();

// Overwrites every option and the window settings; missing keys give their defaults, the
// options come out normalised.
void LoadSettings(const std::wstring &strIniPath, OptionSet &options, CMainWindowSettings &main);
// Writes the program's keys in one step (see CSettingsFileUpdate); every other key and section
// stays. Install/Path and Install/Version are taken from the running program; with hWnd the
// window's restored rectangle is taken too, without it main.m_rcWindow is written as it is.
// ErrorLogFilePath loses a trailing backslash in the option too.
void SaveSettings(const std::wstring &strIniPath, HWND hWnd, OptionSet &options, CMainWindowSettings &main);

// The rules, as values.
// A flag key holds 0 or 1: any other number is 1.
int NormaliseFlag(int nValue);
// Only the direction and key bits are kept; ascending wins over descending, the name over the extension.
int NormaliseFileSortOrder(int nOrder);
// Anything outside 0..3 becomes 1 (only when the source is newer).
int NormaliseFileOverWriteMode(int nMode);
// One trailing backslash removed, except from a path of 3 characters or less (a drive root).
std::wstring RemoveTrailingBackslash(const std::wstring &strPath);
// "l,t,r,b"; missing or non-numeric fields are 0.
RECT ParseWindowPos(const std::wstring &strText);
std::wstring FormatWindowPos(const RECT &rc);
// The text stored for the log directory: empty when it is the temporary directory.
std::wstring ErrorLogPathToStore(const std::wstring &strPath, const std::wstring &strTempDir);
// A log directory as the settings accept it: blanks around it trimmed, and an absolute path (a
// drive letter with its backslash, or a UNC path); empty for anything else.
std::wstring ErrorLogDirectorySetting(const std::wstring &strText);
// The log directory for a stored value: the temporary directory for an empty or relative value;
// otherwise the value, its missing levels created where they can be. A directory that cannot be
// made now (a drive away) is kept: the log falls back when it is written.
std::wstring ResolveErrorLogDirectory(const std::wstring &strStored);
