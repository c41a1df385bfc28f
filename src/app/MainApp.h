// The application object: runs the main window as a modal dialog and ends with it.
#pragma once
#include "framework/App.h"

class CMainApp : public CWinApp {
protected:
    bool InitInstance() override;
};
