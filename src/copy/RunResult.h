// What a run leaves behind: its result flags and counters, kept until the next run, from which
// the summary is made.
#pragma once
#include <windows.h>

#include <string>

// Result flags of a run (m_dwResult). The copy failures and the disk values are also the file
// job's results (CR_*), which are defined from these.
enum : DWORD {
    RF_ATTR_FAILED = 0x1,
    RF_TIME_FAILED = 0x2,
    RF_COPY_ERROR = 0x10,
    RF_SAME_PATH = 0x20,
    RF_SRC_NOT_FOUND = 0x40,
    RF_DISK_SHORT = 0x100,
    RF_DISK_FULL = 0x200,
    RF_NAME_TWIN = 0x1000,        // a file was not copied: an earlier entry of the run takes its destination name
    RF_DEST_OUTSIDE = 0x40000000, // a joined destination path lay outside the destination root
    RF_CREATEDIR_FAILED = 0x80000000,
};

struct CRunResult {
    bool m_bCanceled = false; // the cancel flag as the run ended: the user's or a fatal stop's
    DWORD m_dwResult = 0;
    int m_nDiskFull = 0;          // files not copied for lack of space
    int m_nSkipped = 0;           // files kept because the destination was up to date or existed
    int m_nProcessed = 0;         // files that reached the attribute and time step, copied or not
    int m_nNameTwins = 0;         // files not copied: an earlier entry takes their destination name
    std::wstring m_strFailedDir;  // the directory whose creation failed
    DWORD m_dwFailedDirError = 0; // and the system's error code for it
};
