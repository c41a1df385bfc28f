// Keeps a job file's processed marks up to date while its tree is run: the whole job is written
// again every few seconds during the run and once when it ends, so that a run ended by a crash
// is finished by the unprocessed rerun of the job. Hand OnMarksChanged to the tree's
// m_fnMarksChanged for the length of the run.
#pragma once
#include "support/StatusPacer.h"
#include "tree/JobTree.h"

#include <functional>
#include <string>

constexpr ULONGLONG JOB_MARKS_PERIOD_MS = 3000;

class CJobMarksWriter {
public:
    // fnDestination: the destination the job records, read at each writing.
    CJobMarksWriter(const CDirTreeCtrl &tree, std::wstring strPath, std::function<std::wstring()> fnDestination,
                    ULONGLONG ullPeriodMs = JOB_MARKS_PERIOD_MS, PaceClock clock = &::GetTickCount64);

    // During the run: writes when the period has passed since the last writing (or the first call).
    // At its end (bEnded): writes always; false when that failed, with the reason in m_strError.
    bool OnMarksChanged(bool bEnded);

    const std::wstring &Path() const { return m_strPath; }
    std::wstring m_strError; // the last failure, empty after a success
    int m_nWrites = 0;

private:
    bool Write();

    const CDirTreeCtrl &m_tree;
    const std::wstring m_strPath;
    const std::function<std::wstring()> m_fnDestination;
    const ULONGLONG m_ullPeriodMs;
    const PaceClock m_clock;
    ULONGLONG m_ullLast;
};
