#include "app/MainDlg.h"

#include "dialogs/OptionsDlg.h"
#include "framework/Seams.h"

void CMainDlg::OptionsCommand()
{
    // Shift or the right button held selects the bulk attribute settings instead of the options.
    if (UiIsKeyDown(VK_SHIFT) || UiIsKeyDown(VK_RBUTTON)) {
        EnableUserInterface(false);
        m_tree.ApplyBulkAttributes();
        EnableUserInterface(true);
        RefreshReport();
        return;
    }
    EnableUserInterface(false);
    EditOptions(m_tree, m_hWnd);
    EnableUserInterface(true);
    // The report pane shows only while files are part of the job.
    ArrangeControls();
    RefreshReport();
}
