// The application object: runs the main window as a modal dialog and ends with it.
#pragma once
#include "framework/App.h"

class CMainApp : public CWinApp {
public:
    // The tool bar's commands, which the main window leaves alone, arrive here and are posted back
    // to it as WM_TOOLCOMMAND; other ids are not handled.
    bool OnCommand(UINT nID) override;

protected:
    bool InitInstance() override;

private:
    void OnToolCommand(UINT nID);
};
