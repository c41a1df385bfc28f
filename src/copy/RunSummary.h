// The one message that ends a run: its text and icon from the run's outcome.
#pragma once
#include <windows.h>

#include <string>

// What the summary is made of: the run's state after its last phase and the options it ran with.
struct CRunOutcome {
    bool bCancel = false;
    DWORD dwResult = 0; // RF_* flags
    int nDiskFull = 0;
    int nSkipped = 0;
    int nProcessed = 0;
    int nNameTwins = 0; // files not copied: an earlier entry takes their destination name
    bool bBreakOnDiskFull = false;
    bool bProtectAttrOfExist = false;
    int nOverWriteMode = 0;
    std::wstring strFailedDir;      // the directory whose creation failed
    std::wstring strFailedDirError; // the system's text for it, line breaks removed
};

struct CRunSummary {
    std::wstring strText;
    UINT nIcon = MB_ICONINFORMATION; // MB_ICONSTOP, MB_ICONEXCLAMATION or MB_ICONINFORMATION
};

extern const wchar_t RESULT_CAPTION[];

CRunSummary MakeRunSummary(const CRunOutcome &outcome);
