// The worker side of the file copy phase: the file jobs in list order, results handed back
// through a counter and events. The worker decides by the overwrite policy and the free space,
// asks about overwriting when the policy says so, and copies; everything else of the phase stays
// on the user-interface thread.
#pragma once
#include <windows.h>

#include "copy/DiskFree.h"
#include "copy/RunResult.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

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

// One file job of the phase. The worker reads it until it has published the job's result (in
// CopyThreadParam::nState); the main thread reads the result only after that.
struct CCopyJob {
    const std::wstring *pSrcDir = nullptr; // the path of the directory's source directory record
    const std::wstring *pDstDir = nullptr; // the path of the directory's begin record
    const std::wstring *pName = nullptr;   // the path of the file record: its name
    bool bDstFree = false;                 // the destination name was free when the list was built
    int nResult = 0;
    DWORD dwError = 0;
};

// The results after which the worker goes on to the next job at once. After any other the walk
// may end (a fatal stop, the user's Cancel, a stop on disk full), so the worker holds until the
// main thread has judged it.
bool GoesOnAfter(int nResult);

// Shared by the user-interface thread and the worker. Every job of the phase is known before the
// worker starts, and the worker runs them in order without waiting for the main thread's
// bookkeeping of the one before. The events are auto-reset and start non-signalled.
struct CopyThreadParam {
    HANDLE pEvJob = nullptr;    // set by the main thread: go on after a hold
    HANDLE pEvDone = nullptr;   // set by the worker: the awaited result is ready, or it holds
    HANDLE pEvQuit = nullptr;   // set by the main thread: no more jobs
    HANDLE pEvExited = nullptr; // set by the worker just before it returns
    std::vector<CCopyJob> *pJobs = nullptr;
    HWND pOwner = nullptr; // owner of the overwrite question
    int nMode = 0;         // FileOverWriteMode at the start of the phase
    // Twice the number of jobs that have their results (jobs [0, n) in order), plus 1 while the
    // worker holds: one word, so that a result and the hold after it are seen together.
    std::atomic<size_t> nState{0};
    std::atomic<size_t> nWakeAt{SIZE_MAX}; // pEvDone once the job of this index is done
    BOOL bCancelCopy = FALSE;              // set by the main thread: stop the copy under way and start no other
};

// The worker: runs the jobs in order and holds after a result that is not GoesOnAfter, on a
// cancel, and after the last job; returns 0 once told to quit. After a job found the drive
// without any free space, later jobs report the same without trying.
unsigned __stdcall CopyThreadProc(void *pParam);

// One file: the checks in their order, the overwrite question, then the copy. dwError is the
// system's code for CR_SYSERR and 0 otherwise. A copy that fails leaves nothing of itself behind,
// and an existing destination is replaced only by a complete copy. *pbCancel (may be null)
// turning TRUE stops a copy under way: CR_COPY_CANCELED.
// bDstFree: the destination name was found free before (it is then not looked at again; a name
// taken since is judged by the policy all the same).
int CopyOneFile(HWND hOwner, int nMode, const std::wstring &strSrc, const std::wstring &strDst, DWORD &dwError,
                BOOL *pbCancel = nullptr, bool bDstFree = false);

// CopyOneFile once the source was found and the destination judged: pDstJudged is its status
// when it was an existing file, null when its name was free. A name that is taken by the time
// of the copy is judged again as an existing destination, by the same policy.
int CopyJudgedFile(HWND hOwner, int nMode, const std::wstring &strSrc, const WIN32_FILE_ATTRIBUTE_DATA &dataSrc,
                   const std::wstring &strDst, const WIN32_FILE_ATTRIBUTE_DATA *pDstJudged, DWORD &dwError,
                   BOOL *pbCancel = nullptr);
