#pragma once
#include "WinApp.h"

class CMonitorApp : public CWinApp {
public:
    CMonitorApp() : CWinApp(nullptr) {}
    ~CMonitorApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
