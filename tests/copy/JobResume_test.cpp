// A job file keeps the marks of a run while the run goes on, so that a process ended in the middle
// leaves a job whose unprocessed rerun finishes the copy.
#include "tree/JobMarks.h"

#include "ChildProcess.h"
#include "JobRecords.h"
#include "RunHost.h"

namespace {

using namespace runtest;
using CProcessHandle = CHandleT<CSyncTraits, true>;

constexpr int FILES = 40;
constexpr int HOLD_AFTER = 12; // files handled before the child process stops and waits to be ended

// Answers every question with OK, outside any test.
class COkSeams : public CUiSeams {
public:
    COkSeams() : m_pPrevious(SetUiSeams(this)) {}
    ~COkSeams() override { SetUiSeams(m_pPrevious); }
    int MessageBox(HWND, const std::wstring &, const std::wstring &, UINT) override { return IDOK; }
    void MessageBeep(UINT) override {}

private:
    CUiSeams *m_pPrevious;
};

// Child: runs the job (args: job file, destination, event) and, once HOLD_AFTER files were
// handled, signals the event and waits to be ended, as a hung or crashing process would.
int RunJobUntilHeld(const std::vector<std::wstring> &listArgs)
{
    if (listArgs.size() != 3)
        return 2;
    COkSeams seams;
    CTreeViewHost<CDirTreeCtrl> host(TVH_RUN_STAGE);
    CJob job;
    std::wstring strError;
    if (!host.IsReady() || !ReadJobFile(listArgs[0], job, strError))
        return 3;
    CDirTreeCtrl &tree = host.m_tree;
    PutJobIntoTree(tree, job);
    CJobMarksWriter writer(
        tree, listArgs[0], [&] { return listArgs[1]; }, 0);
    HANDLE hHeld = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, listArgs[2].c_str());
    int nHandled = 0;
    tree.m_fnMarksChanged = [&](bool bEnded) {
        writer.OnMarksChanged(bEnded);
        if (!bEnded && ++nHandled == HOLD_AFTER) {
            ::SetEvent(hHeld);
            ::Sleep(INFINITE);
        }
    };
    tree.ExecuteCopy(listArgs[1], false, false);
    return 4; // never reached: the parent ends this process
}
const CChildEntry g_runJobUntilHeld(L"run-job-until-held", RunJobUntilHeld);

class JobResume : public CRunTest {};

TEST_F(JobResume, MarksWrittenDuringARunSurviveTheProcessAndTheUnprocessedRerunFinishes)
{
    for (int i = 0; i < FILES; ++i)
        ASSERT_TRUE(m_dir.WriteFile(L"src\\" + std::wstring(i % 2 ? L"a\\" : L"b\\c\\") + std::to_wstring(i) + L".txt",
                                    std::string(100 + i, 'x')));
    LoadTree();
    m_tree.NotCopyFile = 0;
    const std::wstring strJob = m_dir / L"nightly.plxjob";
    std::wstring strError;
    ASSERT_TRUE(SaveJobOfTree(m_tree, m_strDst, strJob, strError));

    // A first run in another process, ended while it is under way.
    const std::wstring strEvent = L"PelnixJobHeld." + std::to_wstring(::GetCurrentProcessId());
    CEventHandle hHeld(::CreateEventW(nullptr, TRUE, FALSE, strEvent.c_str()));
    ASSERT_TRUE(hHeld.IsValid());
    CProcessHandle hChild(StartChildProcess(L"run-job-until-held", {strJob, m_strDst, strEvent}));
    ASSERT_TRUE(hChild.IsValid());
    HANDLE handles[] = {hHeld.Get(), hChild.Get()};
    const DWORD dwWait = ::WaitForMultipleObjects(2, handles, FALSE, 120000);
    ::TerminateProcess(hChild.Get(), 9);
    ::WaitForSingleObject(hChild.Get(), 30000);
    ASSERT_EQ(dwWait, WAIT_OBJECT_0) << "the child ended or hung before its run was under way";

    // The job file is whole and holds the marks of what was handled, and nothing more.
    CJob job;
    ASSERT_TRUE(ReadJobFile(strJob, job, strError)) << std::string(strError.begin(), strError.end());
    int nMarked = 0;
    std::vector<const CJobNode *> stack{&job.root};
    while (!stack.empty()) {
        const CJobNode *pNode = stack.back();
        stack.pop_back();
        for (const auto &pFile : pNode->pRecord->m_listFiles)
            nMarked += pFile->IsProcessed();
        for (const CJobNode &child : pNode->listChildren)
            stack.push_back(&child);
    }
    EXPECT_GE(nMarked, HOLD_AFTER - 1);
    EXPECT_LT(nMarked, FILES);
    EXPECT_EQ(job.strDestination, m_strDst);

    // The rerun of what is unprocessed, from the job file, finishes the copy and the marks.
    PutJobIntoTree(m_tree, job);
    CJobMarksWriter writer(m_tree, strJob, [&] { return m_strDst; });
    m_tree.m_fnMarksChanged = [&](bool bEnded) { writer.OnMarksChanged(bEnded); };
    Run(false, true);
    m_tree.m_fnMarksChanged = nullptr;
    // Every source file is there as it is in the source (a copy cut off by the end of the first
    // process may have left its temporary beside them).
    const CTreeState dst = TreeState(m_strDst);
    for (const auto &[strRel, state] : m_source) {
        const auto it = dst.find(strRel);
        ASSERT_NE(it, dst.end()) << std::string(strRel.begin(), strRel.end());
        EXPECT_TRUE(it->second == state) << std::string(strRel.begin(), strRel.end());
    }
    EXPECT_EQ(m_result.m_nProcessed + m_result.m_nSkipped, FILES - nMarked);
    EXPECT_GE(writer.m_nWrites, 1); // at least the one at the end
    CJob done;
    ASSERT_TRUE(ReadJobFile(strJob, done, strError));
    EXPECT_EQ(JobRecords(done), TreeRecords(m_tree));
    for (const auto &line : JobRecords(done)) {
        if (line.rfind("  ", 0) == 0) {
            EXPECT_NE(line.find("kind=00030004"), std::string::npos) << line;
        }
    }
}

TEST(JobMarksWriter, WritesAtMostOncePerPeriodDuringARunAndAlwaysAtItsEnd)
{
    static ULONGLONG s_ullNow = 1000;
    struct Clock {
        static ULONGLONG WINAPI Now() { return s_ullNow; }
    };
    CTreeViewHost<CDirTreeCtrl> host(TVH_RUN_STAGE);
    ASSERT_TRUE(host.IsReady());
    CTempDir dir;
    CJobMarksWriter writer(host.m_tree, dir / L"j.plxjob", nullptr, 3000, &Clock::Now);
    EXPECT_TRUE(writer.OnMarksChanged(false));
    EXPECT_EQ(writer.m_nWrites, 0); // the period starts with the writer
    s_ullNow += 2999;
    writer.OnMarksChanged(false);
    EXPECT_EQ(writer.m_nWrites, 0);
    s_ullNow += 1;
    writer.OnMarksChanged(false);
    writer.OnMarksChanged(false);
    EXPECT_EQ(writer.m_nWrites, 1);
    EXPECT_TRUE(writer.OnMarksChanged(true));
    EXPECT_EQ(writer.m_nWrites, 2);
    // A file that cannot be written is told at the end.
    CJobMarksWriter lost(host.m_tree, dir / L"missing\\j.plxjob", nullptr, 3000, &Clock::Now);
    EXPECT_FALSE(lost.OnMarksChanged(true));
    EXPECT_FALSE(lost.m_strError.empty());
    host.m_dlg.DestroyWindow();
}

} // namespace
