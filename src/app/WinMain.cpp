#include "app/MainApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int)
{
    CMainApp app;
    return app.Run(hInstance);
}
