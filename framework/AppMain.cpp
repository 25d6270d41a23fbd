#include "WinApp.h"

// The application object is a global constructed before this runs; its InitInstance is the whole program.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app)
        app->InitInstance();
    return 0;
}
