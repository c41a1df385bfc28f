// The file copy phase: the copy list is walked on the user-interface thread while one worker
// thread checks and copies each file; results become counters, flags, log lines and marks here.
#include "copy/AttrRules.h"
#include "copy/CopyItem.h"
#include "copy/CopyRun.h"
#include "copy/CopyTexts.h"
#include "copy/CopyTreeDisplay.h"
#include "copy/CopyWorker.h"
#include "copy/DestTwins.h"
#include "copy/RunWait.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "support/Path.h"
#include "support/Pump.h"
#include "support/SystemError.h"
#include "support/TimeConvert.h"
#include "tree/DirTreeCtrl.h"

#include <algorithm>
#include <process.h>

namespace {

const wchar_t LABEL_FAILED[] = L"CopyFile:Failed(%s)";
const wchar_t LABEL_SKIPPED[] = L"CopyFile:Skipped(%s)";
const wchar_t LABEL_CANCELED[] = L"CopyFile:Canceled By User";
const wchar_t STOP_LINE[] = L"※※※ 処理を中止しました ※※※";

// Results the worker may get ahead before the waiting user-interface thread is woken for them.
constexpr size_t RESULTS_PER_WAKE = 64;

// The worker thread with its four events and the parameter block they guard.
class CCopyWorker {
public:
    CCopyWorker(HWND hOwner, CStatusPacer &pacer, CCopyTreeDisplay &display, int nMode, std::vector<CCopyJob> &jobs)
        : m_pacer(pacer), m_display(display), m_jobs(jobs), m_evJob(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          m_evDone(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          m_evQuit(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          m_evExited(::CreateEventW(nullptr, FALSE, FALSE, nullptr))
    {
        m_param.pEvJob = m_evJob;
        m_param.pEvDone = m_evDone;
        m_param.pEvQuit = m_evQuit;
        m_param.pEvExited = m_evExited;
        m_param.pJobs = &m_jobs;
        m_param.pOwner = hOwner;
        m_param.nMode = nMode;
        if (m_evJob && m_evDone && m_evQuit && m_evExited)
            m_hThread.Attach(
                reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, CopyThreadProc, &m_param, 0, nullptr)));
        if (!m_hThread)
            m_dwNoWorker = ::GetLastError() ? ::GetLastError() : ERROR_NOT_ENOUGH_MEMORY;
    }
    ~CCopyWorker()
    {
        Stop([] { return false; });
    }
    CCopyWorker(const CCopyWorker &) = delete;
    CCopyWorker &operator=(const CCopyWorker &) = delete;

    // Until job nJob has its result: true then. False when the worker holds before it (it was
    // cancelled). A worker that could not be started or has gone fails the job with the reason.
    template <class PumpInput> bool WaitFor(size_t nJob, PumpInput bPumpInput)
    {
        for (;;) {
            // Without a worker the first job waited for fails with the reason; the walk stops there.
            if (m_dwNoWorker) {
                if (m_bNoWorkerTold)
                    return false;
                m_bNoWorkerTold = true;
                m_jobs[nJob].nResult = CR_SYSERR;
                m_jobs[nJob].dwError = m_dwNoWorker;
                return true;
            }
            const size_t nState = m_param.nState.load();
            if (nState / 2 > nJob || nState % 2) {
                m_param.nWakeAt.store(SIZE_MAX);
                return nState / 2 > nJob;
            }
            // Woken once a batch of results is ready, or sooner by the time-out below, so that
            // the status line and the tree follow the file under way.
            m_param.nWakeAt.store(std::min(nJob + RESULTS_PER_WAKE, m_jobs.size()) - 1);
            if (m_param.nState.load() == nState &&
                !WaitHandlingMessages(m_pacer, &m_display, m_evDone, m_hThread, bPumpInput, STATUS_PERIOD_MS))
                m_dwNoWorker = ERROR_INVALID_HANDLE; // it ended before its time
        }
    }

    // The job the worker is busy with; the number of jobs while it holds.
    size_t JobUnderWay() const
    {
        const size_t nState = m_param.nState.load();
        return nState % 2 ? m_jobs.size() : nState / 2;
    }

    // After a result that was not GoesOnAfter, when the walk goes on.
    void Resume()
    {
        // The worker waits for the event and writes nothing meanwhile.
        m_param.nState.store(m_param.nState.load() & ~size_t(1));
        ::SetEvent(m_evJob);
    }

    // Stops the copy under way, where the system's copy can be stopped, and starts no other.
    void CancelCopy() { ::InterlockedExchange(reinterpret_cast<volatile LONG *>(&m_param.bCancelCopy), TRUE); }

    // Tells the worker to quit and waits until it has; the events and the block outlive it.
    template <class PumpInput> void Stop(PumpInput bPumpInput)
    {
        if (!m_hThread)
            return;
        // A worker still running jobs starts no other.
        CancelCopy();
        ::SetEvent(m_evQuit);
        WaitHandlingMessages(m_pacer, &m_display, m_evExited, m_hThread, bPumpInput);
        ::WaitForSingleObject(m_hThread, INFINITE);
        m_hThread.Close();
    }

private:
    CStatusPacer &m_pacer;
    CCopyTreeDisplay &m_display;
    std::vector<CCopyJob> &m_jobs;
    CEventHandle m_evJob, m_evDone, m_evQuit, m_evExited;
    CopyThreadParam m_param;
    CThreadHandle m_hThread;
    DWORD m_dwNoWorker = 0; // why there is no worker (it could not start, or ended)
    bool m_bNoWorkerTold = false;
};

// The file jobs of a copy list in its order: every file record except the later of two that
// land on one destination path.
std::vector<CCopyJob> MakeFileJobs(const CCopyList &list, const CDestTwins &twins)
{
    std::vector<CCopyJob> jobs;
    const std::wstring *pSrcDir = nullptr, *pDstDir = nullptr;
    for (const auto &pRecord : list) {
        const CCopyItem &record = *pRecord;
        if (record.DirKind() == COPY_KIND_DIR_BEGIN)
            pDstDir = &record.strPath;
        else if (record.DirKind() == COPY_KIND_SOURCE_DIR)
            pSrcDir = &record.strPath;
        else if (record.IsFile() && pSrcDir && pDstDir && !twins.count(record.pItem))
            jobs.push_back({pSrcDir, pDstDir, &record.strPath, record.bDestFree});
    }
    return jobs;
}

// ApplyAttrAndTime on the full destination path of a file record.
void ApplyToFile(CCopyRun &run, CCopyItem &record, const std::wstring &strDst)
{
    std::wstring strName = std::move(record.strPath);
    record.strPath = strDst;
    run.ApplyAttrAndTime(record);
    record.strPath = std::move(strName);
}

// Turns one file's result into counters, flags, log lines, marks and messages. True when the
// file counts as handled for its directory's mark.
bool HandleFileResult(CCopyRun &run, CCopyItem &record, const std::wstring &strSrc, const std::wstring &strDst,
                      int nResult, DWORD dwError)
{
    auto log = [&](DWORD dwCode, const wchar_t *pszLabel, const wchar_t *pszArg) {
        run.AddErrorLog(dwCode, pszLabel, pszArg, strSrc, strDst);
    };
    auto stop = [&](const wchar_t *pszLabel, const wchar_t *pszArg) {
        run.m_tree.m_bCancel = 1;
        run.AddErrorLog(0, pszLabel, pszArg, STOP_LINE, std::wstring());
    };
    // The destination stays as it was; without protection it still gets the entry's choices.
    auto keep = [&] {
        record.pItem->SetProcessed(true);
        if (!run.m_tree.ProtectAttrOfExist) {
            ++run.m_nProcessed;
            ApplyToFile(run, record, strDst);
        }
        return true;
    };
    auto fatal = [&](DWORD dwFlag, const wchar_t *pszArg) {
        run.m_dwResult |= dwFlag;
        log(dwError, LABEL_FAILED, pszArg);
        stop(LABEL_FAILED, pszArg);
        const std::wstring strError = nResult == CR_SYSERR ? GetSystemErrorText(dwError, true) : std::wstring();
        UiMessageBox(run.m_tree.m_hWnd, FormatFatalCopyMessage(nResult, strSrc, strDst, strError), CAPTION_FATAL,
                     MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL);
        return false;
    };

    switch (nResult) {
    case CR_COPIED:
        ++run.m_nProcessed;
        record.pItem->SetProcessed(true);
        record.dwKind = FlagsAfterCopy(record.dwKind, record.pItem->m_nTimeMode);
        ApplyToFile(run, record, strDst);
        return true;
    case CR_SYSERR: return fatal(RF_COPY_ERROR, L"SysErr");
    case CR_SAME_PATH: return fatal(RF_SAME_PATH, L"Same Path");
    case CR_SRC_NOT_FOUND: return fatal(RF_SRC_NOT_FOUND, L"Src Not Found");
    case CR_DISK_SHORT:
    case CR_DISK_FULL:
        run.m_dwResult |= static_cast<DWORD>(nResult);
        ++run.m_nDiskFull;
        log(0, LABEL_FAILED, L"Disk Full");
        if (run.m_tree.BreakOnDiskFull)
            stop(LABEL_FAILED, L"Disk Full");
        return false;
    case CR_UP_TO_DATE:
        ++run.m_nSkipped;
        log(0, LABEL_SKIPPED, L"Up to Date");
        return keep();
    case CR_ALREADY_EXIST:
        ++run.m_nSkipped;
        log(0, LABEL_SKIPPED, L"Already Exist");
        return keep();
    case CR_SKIP_BY_USER: log(0, LABEL_SKIPPED, L"By User"); return keep();
    case CR_COPY_CANCELED: return false; // the cancel button: not handled, and no failure
    case CR_CANCEL_BY_USER:
        log(0, LABEL_CANCELED, L"");
        stop(LABEL_CANCELED, L"");
        return false;
    default: return false;
    }
}

} // namespace

void CCopyRun::CopyFiles(const std::wstring &strDestRoot, bool bOnlyUnprocessed)
{
    if (m_tree.m_pStatusWnd)
        m_pacer.ShowPhase(L"Checking Copy File List.", L"");
    // One time for every file stamped with the current time in this run.
    m_ftNow = CTimeToFileTime(CTime::GetCurrentTime());
    CCopyList list;
    BuildCopyList(list, strDestRoot, TVI_ROOT, true, bOnlyUnprocessed);
    if (m_tree.m_pStatusWnd)
        m_pacer.ShowPhase(L"Copying File to ...", L"");

    auto bStatusShown = [this] { return IsStatusShown(); };
    CCopyTreeDisplay display(m_tree, !m_tree.NoExpandOnCopy);
    const CDestTwins twins = FindDestTwins(m_tree);
    std::vector<CCopyJob> jobs = MakeFileJobs(list, twins);
    CCopyWorker worker(m_tree.m_hWnd, m_pacer, display, m_tree.FileOverWriteMode, jobs);
    size_t nJob = 0; // the next job whose result the walk takes
    // A cancel while a file is under way stops its copy, and a window says the run is stopping;
    // the interface stays alive until the worker is done with it.
    bool bStopping = false;
    auto pump = [&] {
        if (m_tree.m_bCancel && !bStopping) {
            bStopping = true;
            worker.CancelCopy();
            // The worker may be a few files ahead of the walk.
            if (worker.JobUnderWay() < jobs.size())
                ShowStopping(jobs[worker.JobUnderWay()].pName->c_str());
        }
        return bStatusShown();
    };
    std::wstring strSrcDir, strDstDir;
    uintptr_t nDone = 0; // file entries of the current directory marked processed
    for (const auto &pRecord : list) {
        // After a cancel the files the worker finished are still handled; the walk ends where it
        // stopped.
        if (m_tree.m_bCancel) {
            worker.CancelCopy();
            if (nJob == jobs.size() || !worker.WaitFor(nJob, pump))
                break;
        }
        CCopyItem &record = *pRecord;
        switch (record.DirKind()) {
        case COPY_KIND_DIR_BEGIN:
            strDstDir = record.strPath;
            nDone = 0;
            display.BeginDirectory(record.pItem->m_hTreeItem);
            display.DrawIfDue();
            if (m_tree.m_pStatusWnd)
                m_pacer.ShowItem((L"Copying File to " + strDstDir).c_str(), nullptr);
            continue;
        case COPY_KIND_SOURCE_DIR: strSrcDir = record.strPath; continue;
        case COPY_KIND_DIR_END:
            strSrcDir.clear();
            strDstDir.clear();
            if (nDone == record.pData.nFileCount) {
                record.pItem->MarkCopied();
                display.ShowMarked(record.pItem->m_hTreeItem);
            }
            continue;
        default: break;
        }
        if (!record.IsFile())
            continue;

        if (m_tree.m_pStatusWnd)
            m_pacer.ShowItem(nullptr, record.strPath.c_str());
        const std::wstring strSrc = JoinPath(strSrcDir, record.strPath);
        const std::wstring strDst = JoinPath(strDstDir, record.strPath);
        if (const auto it = twins.find(record.pItem); it != twins.end()) {
            ReportDestTwin(*this, strSrc, it->second);
            continue;
        }
        if (!worker.WaitFor(nJob, pump))
            break;
        const CCopyJob &job = jobs[nJob++];
        if (HandleFileResult(*this, record, strSrc, strDst, job.nResult, job.dwError))
            ++nDone;
        m_tree.NotifyMarksChanged(false);
        if (!GoesOnAfter(job.nResult) && !m_tree.m_bCancel)
            worker.Resume();
    }
    worker.Stop(bStatusShown);
    display.Draw();
    FreeCopyList(list);
}
