// Version of a system DLL through its exported DllGetVersion, and the common-controls checks.
#pragma once
#include <windows.h>
#include <shlwapi.h>

// Loads the DLL, asks its DllGetVersion and frees it again. nLevel 1 to 4 copies major; + minor;
// + build; + platform into *pInfo (cbSize untouched); another level copies nothing. false when the
// DLL or the export is missing or the call fails.
bool GetDllVersion(const wchar_t *pszDllName, int nLevel, DLLVERSIONINFO *pInfo);

// Common controls 4.70 / 4.71 or later; asked once per process.
bool IsComCtl470OrLater();
bool IsComCtl471OrLater();
