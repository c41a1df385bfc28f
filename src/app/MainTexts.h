// The main window's own questions and notes.
#pragma once
#include <string>

extern const wchar_t kExitQuestion[]; // OK / Cancel

// Offered at exit when the error log of this process exists (Yes / No).
std::wstring DeleteErrorLogQuestion(const std::wstring &strLogPath);
// Add-load with a directory selected: below it (Yes), at the top level below the root (No), or not at all.
std::wstring AddLoadParentQuestion(const std::wstring &strSelectedName, const std::wstring &strRootLabel);

// At start: the settings file is there but could not be read, so the defaults are used and the
// exit leaves the file alone.
std::wstring SettingsUnreadableText(const std::wstring &strIniPath, const std::wstring &strReason);
// At exit: the settings could not be saved; the file is as it was.
std::wstring SettingsNotSavedText(const std::wstring &strIniPath, const std::wstring &strReason);
