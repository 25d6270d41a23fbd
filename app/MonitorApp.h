#pragma once
#include "Dialog.h"
#include "WinApp.h"

class CMonitorApp : public CWinApp {
public:
    explicit CMonitorApp(const char* appName = nullptr) : CWinApp(appName) {}
    ~CMonitorApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()

protected:
    // Before the main window is made: its constructor reads the settings.
    void UseProgramProfile();
    // The main window is the whole program; there is no message loop of the application's own.
    BOOL RunMainWindow(CDialog& window);
};
