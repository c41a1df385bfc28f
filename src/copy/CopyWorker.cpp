#include "copy/CopyWorker.h"
#include "copy/AttrRules.h"
#include "copy/FilePlacing.h"
#include "copy/CopyTexts.h"
#include "framework/Handles.h"
#include "framework/Seams.h"
#include "support/FileApiPath.h"
#include "support/Path.h"
#include "support/TimeText.h"
#include "tree/OptionSet.h"

namespace {

// What the overwrite policy looks at: the modification time as stored, and the size. The time
// is compared in whole seconds and shown as it is, never brought into a narrower range first: a
// file of 2045 is newer than one of 2040.
struct CFileStatus {
    FILETIME ftModified = {};
    uint64_t nSize = 0;
};

CFileStatus StatusOf(const WIN32_FILE_ATTRIBUTE_DATA &data)
{
    return {data.ftLastWriteTime, (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

// True with its attributes, times and size when the path names an existing entry that is not a
// directory. The same answer as a find-first search for the name (a name with wildcards names no
// file), at a fraction of its cost: this is asked twice for every file of a run.
bool ReadFileEntry(const std::wstring &strPath, WIN32_FILE_ATTRIBUTE_DATA &data)
{
    const size_t nNameStart = strPath.find_last_of(L"\\/:") + 1; // npos + 1 == 0
    if (strPath.find_first_of(L"*?", nNameStart) != std::wstring::npos)
        return false;
    return ::GetFileAttributesExW(FileApiPath(strPath).c_str(), GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The question is raised above the copying so that it comes up at once.
int AskOverwrite(HWND hOwner, const std::wstring &strSrc, const CFileStatus &src, const std::wstring &strDst,
                 const CFileStatus &dst)
{
    const DWORD dwParts = TIME_PART_DATE | TIME_PART_TIME;
    const std::wstring strText = FormatOverwriteQuestion(strSrc, FormatFileTime(&src.ftModified, dwParts), src.nSize,
                                                         strDst, FormatFileTime(&dst.ftModified, dwParts), dst.nSize);
    const HANDLE hThread = ::GetCurrentThread();
    const int nOldPriority = ::GetThreadPriority(hThread);
    ::SetThreadPriority(hThread, THREAD_PRIORITY_ABOVE_NORMAL);
    const int nAnswer = UiMessageBox(hOwner, strText, OVERWRITE_CAPTION, MB_YESNOCANCEL | MB_ICONQUESTION);
    ::SetThreadPriority(hThread, nOldPriority);
    return nAnswer;
}

} // namespace

int CopyOneFile(HWND hOwner, int nMode, const std::wstring &strSrc, const std::wstring &strDst, DWORD &dwError,
                BOOL *pbCancel, bool bDstFree)
{
    dwError = 0;
    if (CompareNameNoCase(strSrc, strDst) == 0)
        return CR_SAME_PATH;
    WIN32_FILE_ATTRIBUTE_DATA dataSrc, dataDst;
    if (!ReadFileEntry(strSrc, dataSrc))
        return CR_SRC_NOT_FOUND;
    const bool bDstExists = !bDstFree && ReadFileEntry(strDst, dataDst);
    return CopyJudgedFile(hOwner, nMode, strSrc, dataSrc, strDst, bDstExists ? &dataDst : nullptr, dwError, pbCancel);
}

int CopyJudgedFile(HWND hOwner, int nMode, const std::wstring &strSrc, const WIN32_FILE_ATTRIBUTE_DATA &dataSrc,
                   const std::wstring &strDst, const WIN32_FILE_ATTRIBUTE_DATA *pDstJudged, DWORD &dwError,
                   BOOL *pbCancel)
{
    dwError = 0;
    const CFileStatus src = StatusOf(dataSrc);
    WIN32_FILE_ATTRIBUTE_DATA dataDst = pDstJudged ? *pDstJudged : WIN32_FILE_ATTRIBUTE_DATA{};
    bool bDstExists = pDstJudged != nullptr;
    // A destination judged absent is judged again, once, when its name turns out to be taken.
    for (int nRound = 0;; ++nRound) {
        if (bDstExists) {
            if (nMode == FOW_NEVER)
                return CR_ALREADY_EXIST;
            const CFileStatus dst = StatusOf(dataDst);
            if (nMode == FOW_IF_NEWER && !IsLaterSecond(src.ftModified, dst.ftModified))
                return CR_UP_TO_DATE;
            if (nMode == FOW_ASK) {
                const int nAnswer = AskOverwrite(hOwner, strSrc, src, strDst, dst);
                if (nAnswer == IDNO)
                    return CR_SKIP_BY_USER;
                if (nAnswer != IDYES)
                    return CR_CANCEL_BY_USER;
            }
        }

        // The old file stays until its replacement is complete, so the new one needs room of its own.
        uint64_t nCluster = 1;
        const uint64_t nFree = GetDiskFreeBytes(strDst, nCluster);
        if (nFree != DISK_FREE_UNKNOWN) {
            if (nFree == 0)
                return CR_DISK_FULL;
            if (RoundUpToCluster(src.nSize, nCluster) > nFree)
                return CR_DISK_SHORT;
        }

        const bool bCopied = bDstExists ? ReplaceWithCopy(strSrc, strDst, dataDst.dwFileAttributes, pbCancel)
                                        : CopyToFreeName(strSrc, strDst, pbCancel);
        if (bCopied)
            return CR_COPIED;
        dwError = ::GetLastError();
        if (dwError == ERROR_REQUEST_ABORTED)
            return CR_COPY_CANCELED;
        const bool bTaken = dwError == ERROR_FILE_EXISTS || dwError == ERROR_ALREADY_EXISTS;
        if (bDstExists || !bTaken || nRound > 0 || !ReadFileEntry(strDst, dataDst))
            return CR_SYSERR;
        dwError = 0;
        bDstExists = true;
    }
}

bool GoesOnAfter(int nResult)
{
    return nResult == CR_COPIED || nResult == CR_UP_TO_DATE || nResult == CR_ALREADY_EXIST ||
           nResult == CR_SKIP_BY_USER;
}

unsigned __stdcall CopyThreadProc(void *pParam)
{
    CopyThreadParam &param = *static_cast<CopyThreadParam *>(pParam);
    std::vector<CCopyJob> &jobs = *param.pJobs;
    const CDiskFreeCache diskFree; // one file after another into the same volume
    bool bNoSpace = false;         // no free space at all: the drive will not empty itself during the phase
    const HANDLE ahWait[2] = {param.pEvJob, param.pEvQuit};
    for (size_t nJob = 0;;) {
        const bool bCancelled =
            ::InterlockedCompareExchange(reinterpret_cast<volatile LONG *>(&param.bCancelCopy), FALSE, FALSE) != FALSE;
        if (nJob < jobs.size() && !bCancelled) {
            CCopyJob &job = jobs[nJob++];
            if (bNoSpace) {
                job.nResult = CR_DISK_FULL;
                job.dwError = 0;
            } else {
                try {
                    DWORD dwError = 0;
                    job.nResult =
                        CopyOneFile(param.pOwner, param.nMode, JoinPath(*job.pSrcDir, *job.pName),
                                    JoinPath(*job.pDstDir, *job.pName), dwError, &param.bCancelCopy, job.bDstFree);
                    job.dwError = dwError;
                } catch (...) { // nothing may leave the thread; a job that could not run is a failed job
                    job.nResult = CR_SYSERR;
                    job.dwError = ERROR_NOT_ENOUGH_MEMORY;
                }
                bNoSpace = job.nResult == CR_DISK_FULL;
            }
            if (GoesOnAfter(job.nResult)) {
                param.nState.store(nJob * 2);
                // The main thread is woken only when it waits for this result or a later one.
                if (param.nWakeAt.load() < nJob)
                    ::SetEvent(param.pEvDone);
                continue;
            }
        }
        // Held: the main thread clears the hold before it lets the worker go on.
        param.nState.store(nJob * 2 + 1);
        ::SetEvent(param.pEvDone);
        if (::WaitForMultipleObjects(2, ahWait, FALSE, INFINITE) != WAIT_OBJECT_0)
            break;
    }
    ::SetEvent(param.pEvExited);
    return 0;
}
