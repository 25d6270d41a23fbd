#pragma once
#include "WinApp.h"

class CMonitorApp : public CWinApp {
public:
    explicit CMonitorApp(const char* appName = nullptr) : CWinApp(appName) {}
    ~CMonitorApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()

protected:
    // The main window is the whole program; a test build runs a window class of its own.
    template <typename MainWindow>
    BOOL RunProgram()
    {
        Enable3dControlsStatic();
        SetRegistryKey("Orvik Velmora");
        {
            MainWindow dlg;
            // cppcheck-suppress danglingLifetime ; cleared below, before the window object goes
            m_pMainWnd = &dlg;
            dlg.DoModal();
        }
        m_pMainWnd = nullptr;
        // There is no message loop of the application's own.
        return FALSE;
    }
};
