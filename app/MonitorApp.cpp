#include "MonitorApp.h"
#include "MonitorDlg.h"

BEGIN_MESSAGE_MAP(CMonitorApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CMonitorApp::InitInstance()
{
    return RunProgram<CMonitorDlg>();
}
