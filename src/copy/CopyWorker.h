// The worker side of the file copy phase: one file job at a time, handed over through events.
// The worker decides by the overwrite policy and the free space, asks about overwriting when the
// policy says so, and copies; everything else of the phase stays on the user-interface thread.
#pragma once
#include <windows.h>

#include "copy/DiskFree.h"
#include "copy/RunResult.h"

#include <cstdint>
#include <string>

// Result of one file job. The failure and disk values are the run's result flags, which the run
// takes over as they are.
enum : int {
    CR_COPIED = 0,
    CR_SYSERR = static_cast<int>(RF_COPY_ERROR),           // a system call failed; the error code says why
    CR_SAME_PATH = static_cast<int>(RF_SAME_PATH),         // source and destination are the same path
    CR_SRC_NOT_FOUND = static_cast<int>(RF_SRC_NOT_FOUND), // the source is not an existing file
    CR_DISK_SHORT = static_cast<int>(RF_DISK_SHORT),       // the file does not fit into the free space
    CR_DISK_FULL = static_cast<int>(RF_DISK_FULL),         // the destination drive has no free space
    CR_UP_TO_DATE = 0x1000,                                // only-when-newer and the destination is not older
    CR_SKIP_BY_USER = 0x2000,                              // the user answered No
    CR_ALREADY_EXIST = 0x4000,                             // never-overwrite and the destination exists
    CR_COPY_CANCELED = 0x400000,                           // the copy under way was cancelled; nothing of it stays
    CR_CANCEL_BY_USER = 0x800000,                          // the user answered Cancel
};

// Shared by the user-interface thread and the worker. The events are auto-reset and start
// non-signalled; the paths are written only while the worker is idle, the results read only after
// pEvDone.
struct CopyThreadParam {
    HANDLE pEvJob = nullptr;    // set by the main thread: a job is ready
    HANDLE pEvDone = nullptr;   // set by the worker: its result is ready
    HANDLE pEvQuit = nullptr;   // set by the main thread: no more jobs
    HANDLE pEvExited = nullptr; // set by the worker just before it returns
    const std::wstring *pSrc = nullptr;
    const std::wstring *pDst = nullptr;
    HWND pOwner = nullptr; // owner of the overwrite question
    int nMode = 0;         // FileOverWriteMode at the start of the phase
    int nResult = 0;
    DWORD dwError = 0;
    BOOL bCancelCopy = FALSE; // set by the main thread: stop the copy under way
};

// The worker: waits for a job or the end, runs each job, and returns 0 once told to quit. After a
// job found the drive without any free space, later jobs report the same without trying.
unsigned __stdcall CopyThreadProc(void *pParam);

// One file: the checks in their order, the overwrite question, then the copy. dwError is the
// system's code for CR_SYSERR and 0 otherwise. A copy that fails leaves nothing of itself behind,
// and an existing destination is replaced only by a complete copy. *pbCancel (may be null)
// turning TRUE stops a copy under way: CR_COPY_CANCELED.
int CopyOneFile(HWND hOwner, int nMode, const std::wstring &strSrc, const std::wstring &strDst, DWORD &dwError,
                BOOL *pbCancel = nullptr);

// CopyOneFile once the source was found and the destination judged: pDstJudged is its status
// when it was an existing file, null when its name was free. A name that is taken by the time
// of the copy is judged again as an existing destination, by the same policy.
int CopyJudgedFile(HWND hOwner, int nMode, const std::wstring &strSrc, const WIN32_FILE_ATTRIBUTE_DATA &dataSrc,
                   const std::wstring &strDst, const WIN32_FILE_ATTRIBUTE_DATA *pDstJudged, DWORD &dwError,
                   BOOL *pbCancel = nullptr);
