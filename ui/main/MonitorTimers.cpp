#include "MonitorDlg.h"
#include "Settings.h"

void CMonitorDlg::OnTimer(UINT timerId)
{
    switch (timerId) {
    case TIMER_STARTUP:
        RunStartupTick();
        break;
    case TIMER_MINIMIZE:
        KillTimer(TIMER_MINIMIZE);
        MinimizeWindow();
        break;
    case TIMER_REFRESH:
        RefreshStatus();
        break;
    default:
        break;
    }
    Default();
}

void CMonitorDlg::RunStartupTick()
{
    KillTimer(TIMER_STARTUP);
    ReadServiceNames();
    if (m_strOracleSrv.IsEmpty() && m_strOracleTns.IsEmpty()) {
        // Nothing to watch yet: the user chooses first, and the switches wait for the next run.
        ShowInfoDialog();
        SetTimer(TIMER_REFRESH, 500, nullptr);
        return;
    }
    const int paramMin = ReadSetting(Settings::kParamMin);
    if (paramMin == 1)
        MinimizeWindow();
    // The first state shown is the one before any start.
    RefreshStatus();
    if (ReadSetting(Settings::kParamStart) == 1) {
        m_bAutoStart = TRUE;
        StartDatabase();
    } else if (paramMin != 1) {
        SetTimer(TIMER_MINIMIZE, 1000, nullptr);
    }
    SetTimer(TIMER_REFRESH, 1500, nullptr);
}
