// The name of this process's error log: "PLX[<process id in 8 upper-case hex digits>].err" in the
// log directory. The run writes it; the exit offers to delete it.
#pragma once
#include <windows.h>

#include <string>

std::wstring ErrorLogFileNameFor(const std::wstring &strLogDir, DWORD dwProcessId);
