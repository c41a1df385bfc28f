// The two run commands: the checks and questions before the run, then the run while busy.
#include "app/MainDlg.h"

#include "app/MainTexts.h"
#include "app/RunChecks.h"
#include "app/RunDestination.h"
#include "copy/CopyWorker.h"
#include "copy/RunResult.h"
#include "framework/Captions.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "support/Pump.h"

void CMainDlg::RunCommand(bool bDirectoryOnly)
{
    // Read at once: the keys may be let go while the questions are up.
    const bool bOnlyUnprocessed = !bDirectoryOnly && (UiIsKeyDown(VK_SHIFT) || UiIsKeyDown(VK_RBUTTON));

    HTREEITEM hRoot = m_tree.GetRootItem();
    if (m_tree.GetCount() <= 1) {
        const CItemInfo *pRoot = hRoot ? m_tree.GetItemRecord(hRoot) : nullptr;
        if (bDirectoryOnly) {
            UiMessageBox(m_hWnd, kRunNoDirectories, CAPTION_ERROR, MB_OK | MB_ICONSTOP);
            return;
        }
        // Only the root: a run with files needs files in it.
        if (!pRoot || pRoot->m_listFiles.empty()) {
            UiMessageBox(m_hWnd, kRunNoDirsOrFiles, CAPTION_ERROR, MB_OK | MB_ICONSTOP);
            return;
        }
    }

    m_strDestination = GetDlgItemText(IDC_DEST_PATH);
    CRunDestination dest = CheckRunDestination(m_strDestination, TreeSourceDirectories(m_tree));
    if (dest.bEmpty) {
        SelectDestination();
        dest = CheckRunDestination(m_strDestination, TreeSourceDirectories(m_tree));
        if (dest.bEmpty)
            return;
    }
    if (!dest.strError.empty()) {
        UiMessageBox(m_hWnd, dest.strError, CAPTION_ERROR, MB_OK | MB_ICONSTOP);
        return;
    }
    // What is confirmed and run is the path as the system resolves it, shown in the edit as well.
    m_strDestination = dest.strPath;
    SetDlgItemText(IDC_DEST_PATH, m_strDestination);

    if (UiMessageBox(m_hWnd, RunConfirmText(m_strDestination, bDirectoryOnly, bOnlyUnprocessed), CAPTION_CONFIRM,
                     MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;

    if (!bDirectoryOnly) {
        DWORD dwCount = 0;
        const uint64_t nTotal = m_tree.CountFiles(hRoot, dwCount, bOnlyUnprocessed);
        // The volume that holds the destination, wherever it is mounted.
        uint64_t nCluster = 1;
        const uint64_t nFree = GetDiskFreeBytes(m_strDestination, nCluster);
        switch (RunSpaceCheck(nTotal, nFree, bOnlyUnprocessed)) {
        case RUN_SPACE_SHORT:
            if (UiMessageBox(m_hWnd, DiskShortQuestion(nTotal, nFree), CAPTION_CONFIRM, MB_YESNO | MB_ICONQUESTION) !=
                IDYES)
                return;
            break;
        case RUN_SPACE_NOTHING_LEFT:
            if (UiMessageBox(m_hWnd, kRunNothingLeft, CAPTION_CONFIRM, MB_YESNO | MB_ICONINFORMATION) != IDYES)
                return;
            break;
        case RUN_SPACE_NONE: break;
        }
    }

    EnableUserInterface(false);
    PumpMessages(); // the disabled state is painted before the run holds the thread
    m_tree.ExecuteCopy(m_strDestination, bDirectoryOnly, bOnlyUnprocessed);
    EnableUserInterface(true);
    RefreshReport();
}
