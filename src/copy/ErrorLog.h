// Where the error log of this process goes under the given options; the run and the exit
// question of the main window ask the same.
#pragma once
#include <string>

struct OptionSet;

std::wstring GetErrorLogFileName(const OptionSet &options);
