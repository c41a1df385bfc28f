// A picture of the whole screen (the driver's desktop) as a 24-bit BMP file.
#pragma once
#include <windows.h>

#include <string>

#include "Wait.h"

// Captures the screen until two captures in a row are the same (painting has finished), then writes
// the picture. Throws when the screen keeps changing until the deadline or the file cannot be written.
void SaveScreenshot(const std::wstring &strPath, DWORD dwTimeoutMs = WAIT_DEFAULT_MS);
