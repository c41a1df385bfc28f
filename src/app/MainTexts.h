// The main window's own questions.
#pragma once
#include <string>

extern const wchar_t kExitQuestion[]; // OK / Cancel

// Offered at exit when the error log of this process exists (Yes / No).
std::wstring DeleteErrorLogQuestion(const std::wstring &strLogPath);
// Add-load with a directory selected: below it (Yes), at the top level below the root (No), or not at all.
std::wstring AddLoadParentQuestion(const std::wstring &strSelectedName, const std::wstring &strRootLabel);
