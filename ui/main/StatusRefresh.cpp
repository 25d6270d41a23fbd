#include "CombinedState.h"
#include "MonitorDlg.h"
#include "RefreshStep.h"
#include "ServiceManager.h"
#include "Settings.h"
#include "StatusTexts.h"
#include "WinApp.h"

CString CMonitorDlg::GetStatusText(SERVICE_STATUS status, int kind) const
{
    return StatusTextOf(status.dwCurrentState, kind);
}

void CMonitorDlg::RefreshStatus()
{
    if (!BeginServiceLines())
        return;
    bool foundActive = false;
    const int databaseState = RefreshService(Database(), foundActive);
    RefreshService(Listener(), foundActive);

    const CombinedView view = ViewOf(Combine(WatchedServices()), foundActive, m_bWasActive);
    if (view.markActive)
        m_bWasActive = TRUE;
    ShowStateIcon(view.icon);
    if (view.exitIfParamStop && ReadSetting(Settings::kParamStop) == 1) {
        m_bExitConfirmed = TRUE;
        RequestExit();
    }
    EnableDatabaseCommands(view.enableStart, view.enableStop);
    if (view.checkFailedStop)
        CheckFailedStop(databaseState);

    if (AllNamedReached(WatchedServices(), REQUEST_STARTED) && m_bAutoStart) {
        m_bAutoStart = FALSE;
        if (ReadSetting(Settings::kParamMin) == 0)
            SetTimer(TIMER_MINIMIZE, 500, nullptr);
    }
    if (AllNamedReached(WatchedServices(), REQUEST_STOPPED) && m_bExitConfirmed)
        RequestExit();
}

int CMonitorDlg::RefreshService(ServiceView service, bool& foundActive)
{
    if (service.name.IsEmpty())
        return kNoState;
    service.query = ServiceManager::OpenForQuery(m_hSCManager.get(), service.name);
    SERVICE_STATUS status{};
    const QueryOutcome outcome = !service.query ? QueryOutcome::OpenFailed
        : ServiceManager::QueryStatus(service.query.get(), status) ? QueryOutcome::Found
                                                                    : QueryOutcome::QueryFailed;
    const RefreshStep step = StepRefresh(service.kind, service.Progress(), outcome, status.dwCurrentState);
    service.Keep(step.progress);
    service.stateLine = step.stateLine;
    if (step.active)
        foundActive = true;
    if (step.autoStartFailed)
        m_bAutoStart = FALSE;
    if (step.closeStart)
        service.start.reset();
    if (step.closeStop)
        service.stop.reset();
    service.ShowName();
    UpdateData(FALSE);
    service.query.reset();
    return step.foundState;
}

WatchedPair CMonitorDlg::WatchedServices()
{
    return { !m_strOracleSrv.IsEmpty(), Database().Progress(), !m_strOracleTns.IsEmpty(), Listener().Progress() };
}

void CMonitorDlg::CheckFailedStop(int databaseState)
{
    // Asked at a later refresh when another question is open: the stop may still be granted.
    if (m_bQuestionOpen || !StopBeforeExitFailed(WatchedServices(), m_bStopOnExit, m_bExitConfirmed, databaseState))
        return;
    // Cleared before asking: the refreshes that run while the question is open must neither ask
    // again nor end the program.
    m_bStopOnExit = FALSE;
    m_bExitConfirmed = FALSE;
    if (Ask("Datenbank konnte nicht erfolgreich beendet werden. \nWollen Sie das Programm dennoch beenden?")) {
        m_bExitConfirmed = TRUE;
        RequestExit();
    }
}

void CMonitorDlg::ShowStateIcon(UINT iconId)
{
    m_nTrayIconId = iconId;
    m_tray.SetIcon(TrayIcon(iconId));
}

void CMonitorDlg::EnableDatabaseCommands(bool start, bool stop)
{
    m_btnStart.EnableWindow(start);
    m_btnStop.EnableWindow(stop);
    if (!m_pTrayPopup)
        return;
    m_pTrayPopup->EnableMenuItem(ID_TRAY_START, MF_BYCOMMAND | (start ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
    m_pTrayPopup->EnableMenuItem(ID_TRAY_STOP, MF_BYCOMMAND | (stop ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
}
