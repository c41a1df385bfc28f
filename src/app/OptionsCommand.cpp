#include "app/MainDlg.h"

#include "dialogs/OptionsDlg.h"
#include "framework/Seams.h"

void CMainDlg::OptionsCommand()
{
    if (UiIsKeyDown(VK_SHIFT) || UiIsKeyDown(VK_RBUTTON)) {
        UiMessageBeep(0);
        return;
    }
    EnableUserInterface(false);
    EditOptions(m_tree, m_hWnd);
    EnableUserInterface(true);
    // The report pane shows only while files are part of the job.
    ArrangeControls();
    RefreshReport();
}
