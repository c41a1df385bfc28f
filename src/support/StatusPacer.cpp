#include "support/StatusPacer.h"

#include "support/Pump.h"
#include "support/StatusWnd.h"

CStatusPacer::CStatusPacer(const std::unique_ptr<CStatusWnd> &pWnd, PaceClock clock) : m_pWnd(pWnd), m_clock(clock)
{
    if (m_pWnd) {
        m_strLine1 = m_pWnd->GetLine1();
        m_strLine2 = m_pWnd->GetLine2();
    }
}

void CStatusPacer::ShowPhase(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    if (pszLine1) {
        m_strLine1 = pszLine1;
        m_bKeep1 = true;
    }
    if (pszLine2) {
        m_strLine2 = pszLine2;
        m_bKeep2 = true;
    }
    Show(true, true);
}

void CStatusPacer::ShowItem(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    Keep(pszLine1, pszLine2);
    if (DueIn() == 0)
        Show(false, true);
}

void CStatusPacer::Flush()
{
    if (m_bKeep1 || m_bKeep2)
        Show(false, false);
}

DWORD CStatusPacer::DueIn() const
{
    if (!m_bKeep1 && !m_bKeep2)
        return INFINITE;
    const ULONGLONG ullAge = m_clock() - m_ullShown;
    return m_bNextDue || ullAge >= STATUS_PERIOD_MS ? 0 : static_cast<DWORD>(STATUS_PERIOD_MS - ullAge);
}

void CStatusPacer::Keep(const wchar_t *pszLine1, const wchar_t *pszLine2)
{
    // A directory's path is often given again as its own level starts: nothing new to show.
    if (pszLine1 && m_strLine1 != pszLine1) {
        m_strLine1 = pszLine1;
        m_bKeep1 = true;
    }
    if (pszLine2 && m_strLine2 != pszLine2) {
        m_strLine2 = pszLine2;
        m_bKeep2 = true;
    }
}

void CStatusPacer::Show(bool bNextDue, bool bPump)
{
    if (m_pWnd)
        m_pWnd->SetStatus(m_bKeep1 ? m_strLine1.c_str() : nullptr, m_bKeep2 ? m_strLine2.c_str() : nullptr);
    m_bKeep1 = m_bKeep2 = false;
    if (bPump)
        PumpMessages();
    m_ullShown = m_clock();
    m_bNextDue = bNextDue;
}
