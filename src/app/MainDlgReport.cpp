// The report pane: the selected directory's copy-target files.
#include "app/MainDlg.h"

#include "app/FileReport.h"
#include "res/resource.h"

void CMainDlg::RefreshReport()
{
    HWND hReport = GetDlgItem(IDC_FILEINFO);
    // The pane is hidden while files are not part of the job, and keeps its text then.
    if (m_bBusy || m_tree.NotCopyFile != 0 || !hReport)
        return;
    CFileReportFigures fig;
    if (HTREEITEM hSelected = m_tree.GetSelectedItem()) {
        if (const CItemInfo *pRecord = m_tree.GetItemRecord(hSelected)) {
            fig.strName = pRecord->m_strName;
            fig.strSourcePath = pRecord->m_strSourcePath;
            fig.dwCount = static_cast<DWORD>(pRecord->m_listFiles.size());
            fig.nSize = pRecord->m_dwSize;
            fig.dwScanFlags = pRecord->m_dwKindFlags & (ITEM_FLAG_NOT_FOLLOWED | ITEM_FLAG_UNREADABLE);
        }
        fig.nTreeSize = m_tree.CountFiles(hSelected, fig.dwTreeCount, false);
    }
    ::SetWindowTextW(hReport, FormatFileReport(fig).c_str());
}
