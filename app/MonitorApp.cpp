#include "MonitorApp.h"
#include "MonitorDlg.h"

BEGIN_MESSAGE_MAP(CMonitorApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CMonitorApp::InitInstance()
{
    Enable3dControlsStatic();
    SetRegistryKey("Orvik Velmora");
    {
        CMonitorDlg dlg;
        // cppcheck-suppress danglingLifetime ; cleared below, before the window object goes
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    m_pMainWnd = nullptr;
    // The dialog was the whole program; there is no message loop of the application's own.
    return FALSE;
}
