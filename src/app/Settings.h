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

// How reading or saving the settings file went. A file that could not be read is never saved
// over; a save that failed left the file as it was.
struct CSettingsFileStatus {
    bool bOk = true;
    DWORD dwError = 0;      // why not: the system's error
    bool bReadOnly = false; // why not: the file is read-only
};

// The program directory joined with "Pelnix.ini".
std::wstring GetSettingsFilePath();

// Overwrites every option and the window settings; missing keys give their defaults, the
// options come out normalised. UTF-16 is read with or without its byte-order mark. A file that is
// there but cannot be read gives the defaults and !bOk.
CSettingsFileStatus LoadSettings(const std::wstring &strIniPath, OptionSet &options, CMainWindowSettings &main);
// Writes the program's keys in one step (see CSettingsFileUpdate); every other key and section
// stays. Install/Path and Install/Version are taken from the running program; with hWnd the
// window's restored rectangle is taken too, without it main.m_rcWindow is written as it is.
// ErrorLogFilePath loses a trailing backslash in the option too.
CSettingsFileStatus SaveSettings(const std::wstring &strIniPath, HWND hWnd, OptionSet &options,
                                 CMainWindowSettings &main);
// Why a read or a save failed, for the person.
std::wstring SettingsFailureReason(const CSettingsFileStatus &status);

// The rules, as values (what a value of an option may be is with the option set).
// "l,t,r,b"; missing or non-numeric fields are 0.
RECT ParseWindowPos(const std::wstring &strText);
std::wstring FormatWindowPos(const RECT &rc);
// The text stored for the log directory: empty when it is the temporary directory.
std::wstring ErrorLogPathToStore(const std::wstring &strPath, const std::wstring &strTempDir);
// The log directory for a stored value: the temporary directory for an empty or relative value;
// otherwise the value, its missing levels created where they can be. A directory that cannot be
// made now (a drive away) is kept: the log falls back when it is written.
std::wstring ResolveErrorLogDirectory(const std::wstring &strStored);
