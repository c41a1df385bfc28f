// Text of a system error code, for messages and the error log.
#pragma once
#include <windows.h>
#include <string>

// The system's own message text for dwError, or "Unknown" when it has none. With
// bStripLineBreaks every CR LF pair is removed, so the lines run together.
std::wstring GetSystemErrorText(DWORD dwError, bool bStripLineBreaks);
