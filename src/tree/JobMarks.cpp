#include "tree/JobMarks.h"

CJobMarksWriter::CJobMarksWriter(const CDirTreeCtrl &tree, std::wstring strPath,
                                 std::function<std::wstring()> fnDestination, ULONGLONG ullPeriodMs, PaceClock clock)
    : m_tree(tree), m_strPath(std::move(strPath)), m_fnDestination(std::move(fnDestination)),
      m_ullPeriodMs(ullPeriodMs), m_clock(clock), m_ullLast(clock())
{
}

bool CJobMarksWriter::OnMarksChanged(bool bEnded)
{
    if (!bEnded && m_clock() - m_ullLast < m_ullPeriodMs)
        return true;
    return Write();
}

bool CJobMarksWriter::Write()
{
    const bool bWritten =
        SaveJobOfTree(m_tree, m_fnDestination ? m_fnDestination() : std::wstring(), m_strPath, m_strError);
    // A failed writing is not tried again at once: a slow or full disk would hold the run up.
    m_ullLast = m_clock();
    if (bWritten) {
        m_strError.clear();
        ++m_nWrites;
    }
    return bWritten;
}
