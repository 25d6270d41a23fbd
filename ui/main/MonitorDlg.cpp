#include "MonitorDlg.h"
#include "ServiceManager.h"
#include "Settings.h"
#include "WinApp.h"

CMonitorDlg::CMonitorDlg(CWnd* parent) : CDialog(102, parent)
{
    const CWinApp* app = AfxGetApp();
    using namespace Settings;
    m_strOracleSrv = app->GetProfileString(kSection, kOracleSrv, "");
    m_strOracleTns = app->GetProfileString(kSection, kOracleTns, "");
    m_nParamStop = static_cast<int>(app->GetProfileInt(kSection, kParamStop, 0));
    m_nParamStart = static_cast<int>(app->GetProfileInt(kSection, kParamStart, 0));
    m_nParamEnde = static_cast<int>(app->GetProfileInt(kSection, kParamEnde, 0));
    m_nParamAsk = static_cast<int>(app->GetProfileInt(kSection, kParamAsk, 0));
    m_nParamMin = static_cast<int>(app->GetProfileInt(kSection, kParamMin, 0));
    m_strInfoText = app->GetProfileString(kSection, kInfoText, "");
    m_hSCManager = ServiceManager::OpenWindowConnection();
}
