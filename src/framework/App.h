// CWinApp: the application object. Run() initialises the platform, calls InitInstance (which
// runs the main dialog modally) and returns the exit code. Commands that no window handles end
// at OnCommand here.
#pragma once
#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp &) = delete;
    CWinApp &operator=(const CWinApp &) = delete;

    // The application object alive now, or nullptr.
    static CWinApp *GetApp();

    int Run(HINSTANCE hInstance);

    // The last stop of command routing; true when handled.
    virtual bool OnCommand(UINT nID);

    HINSTANCE m_hInstance = nullptr;
    CWnd *m_pMainWnd = nullptr;

protected:
    // Returns false to end the process at once (a dialog application).
    virtual bool InitInstance();
    virtual int ExitInstance();

private:
    CWinApp *m_pPrevApp;
};

// Registers the common control classes the program uses (idempotent).
void InitCommonControlClasses();
