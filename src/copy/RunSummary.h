// The one message that ends a run: its text and icon from the run's result.
#pragma once
#include "copy/RunResult.h"

#include <string>

struct OptionSet;

struct CRunSummary {
    std::wstring strText;
    UINT nIcon = MB_ICONINFORMATION; // MB_ICONSTOP, MB_ICONEXCLAMATION or MB_ICONINFORMATION
};

extern const wchar_t RESULT_CAPTION[];

// From what the run left and the options it ran with.
CRunSummary MakeRunSummary(const CRunResult &result, const OptionSet &options);
