#include "MonitorApp.h"
#include "MonitorDlg.h"
#include "Settings.h"

BEGIN_MESSAGE_MAP(CMonitorApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CMonitorApp::InitInstance()
{
    UseProgramProfile();
    CMonitorDlg dlg;
    return RunMainWindow(dlg);
}

void CMonitorApp::UseProgramProfile()
{
    Enable3dControlsStatic();
    SetRegistryKey(Settings::kCompany);
}

BOOL CMonitorApp::RunMainWindow(CDialog& window)
{
    m_pMainWnd = &window;
    window.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
