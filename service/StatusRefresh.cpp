#include "MonitorDlg.h"
#include "ServiceManager.h"
#include "Settings.h"
#include "WinApp.h"

namespace {

constexpr UINT kIconRunning = 140;
constexpr UINT kIconMixed = 139;
constexpr UINT kIconStopped = 138;
constexpr int kDotCycle = 50;
constexpr int kNoState = -1;

enum class CombinedState { Running, Mixed, Stopped };

const char* const kStateTexts[][7] = {
    { "Oracle ist beendet.", "Oracle wird gestartet.", "Oracle wird beendet.", "Oracle ist gestartet.",
      "Oracle wird fortgesetzt.", "Oracle wird unterbrochen.", "Oracle ist unterbrochen." },
    { "TNS-Listener ist beendet.", "TNS-Listener wird gestartet.", "TNS-Listener wird beendet.",
      "TNS-Listener ist gestartet.", "TNS-Listener wird fortgesetzt.", "TNS-Listener wird unterbrochen.",
      "TNS-Listener ist unterbrochen." },
};

int SummaryOf(DWORD state)
{
    switch (state) {
    case SERVICE_RUNNING:
        return SUMMARY_RUNNING;
    case SERVICE_STOPPED:
        return SUMMARY_STOPPED;
    default:
        return SUMMARY_OTHER;
    }
}

// A service without a name counts with whatever summary it last had; at least one of the two
// summaries must show the state itself.
CombinedState Combine(bool hasDatabase, int databaseSummary, bool hasListener, int listenerSummary)
{
    const auto all = [&](int summary) {
        return (!hasDatabase || databaseSummary == summary) && (!hasListener || listenerSummary == summary)
            && (databaseSummary == summary || listenerSummary == summary);
    };
    if (all(SUMMARY_RUNNING))
        return CombinedState::Running;
    if (all(SUMMARY_STOPPED))
        return CombinedState::Stopped;
    return CombinedState::Mixed;
}

} // namespace

CString CMonitorDlg::GetStatusText(SERVICE_STATUS status, int kind) const
{
    const DWORD state = status.dwCurrentState;
    if ((kind != KIND_ORACLE && kind != KIND_TNS) || state < SERVICE_STOPPED || state > SERVICE_PAUSED)
        return "Unbekannter Status.";
    return kStateTexts[kind - 1][state - 1];
}

void CMonitorDlg::RefreshStatus()
{
    if (!BeginServiceLines())
        return;
    bool foundActive = false;
    const int databaseState = RefreshService(Database(), foundActive);
    RefreshService(Listener(), foundActive);

    const bool hasDatabase = !m_strOracleSrv.IsEmpty();
    const bool hasListener = !m_strOracleTns.IsEmpty();
    switch (Combine(hasDatabase, m_nOracleSummary, hasListener, m_nTnsSummary)) {
    case CombinedState::Running:
        // Only a service seen in this run counts: an unnamed or unreachable one proves nothing.
        if (foundActive)
            m_bWasActive = TRUE;
        ShowStateIcon(kIconRunning);
        EnableDatabaseCommands(false, true);
        break;
    case CombinedState::Mixed:
        if (foundActive)
            m_bWasActive = TRUE;
        ShowStateIcon(kIconMixed);
        EnableDatabaseCommands(true, true);
        CheckFailedStop(databaseState);
        break;
    case CombinedState::Stopped:
        ShowStateIcon(kIconStopped);
        if (m_bWasActive && ReadSetting(Settings::kParamStop) == 1) {
            m_bExitConfirmed = TRUE;
            RequestExit();
        }
        EnableDatabaseCommands(true, false);
        break;
    }

    if ((!hasDatabase || m_nOracleRequest == REQUEST_STARTED) && (!hasListener || m_nTnsRequest == REQUEST_STARTED)
        && m_bAutoStart) {
        m_bAutoStart = FALSE;
        if (ReadSetting(Settings::kParamMin) == 0)
            SetTimer(TIMER_MINIMIZE, 500, nullptr);
    }
    if ((!hasDatabase || m_nOracleRequest == REQUEST_STOPPED) && (!hasListener || m_nTnsRequest == REQUEST_STOPPED)
        && m_bExitConfirmed)
        RequestExit();
}

int CMonitorDlg::RefreshService(const MonitoredService& service, bool& foundActive)
{
    if (service.name.IsEmpty())
        return kNoState;
    int found = kNoState;
    service.query = ServiceManager::OpenForQuery(m_hSCManager.get(), service.name);
    SERVICE_STATUS status{};
    if (!service.query) {
        service.stateLine = service.openFailedText;
        service.summary = SUMMARY_FAILED;
    } else if (!ServiceManager::QueryStatus(service.query.get(), status)) {
        service.stateLine = service.queryFailedText;
        service.summary = SUMMARY_FAILED;
    } else {
        const DWORD state = status.dwCurrentState;
        found = static_cast<int>(state);
        service.summary = SummaryOf(state);
        service.stateLine = GetStatusText(status, service.kind);
        if (state != SERVICE_STOPPED)
            foundActive = true;
        if (state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING) {
            for (int dot = 0; dot < service.dots % kDotCycle; ++dot)
                service.stateLine += '.';
            if (service.dots > 0)
                ++service.dots;
        } else {
            service.dots = 0;
            if (service.request == REQUEST_START) {
                service.request = state == SERVICE_RUNNING ? REQUEST_STARTED : REQUEST_NONE;
                if (service.request == REQUEST_NONE)
                    m_bAutoStart = FALSE;
                service.start.reset();
            }
            if (service.request == REQUEST_STOP) {
                service.request = state == SERVICE_STOPPED ? REQUEST_STOPPED : REQUEST_NONE;
                service.stop.reset();
            }
        }
    }
    service.nameLine = "(" + service.name + ")";
    UpdateData(FALSE);
    service.query.reset();
    return found;
}

void CMonitorDlg::CheckFailedStop(int databaseState)
{
    if (!m_bStopOnExit || !m_bExitConfirmed || (m_strOracleSrv.IsEmpty() && m_strOracleTns.IsEmpty()))
        return;
    if (m_nOracleSummary != SUMMARY_FAILED
        && (databaseState == SERVICE_STOP_PENDING || databaseState == SERVICE_STOPPED))
        return;
    // Cleared before asking: the refreshes that run while the question is open must neither ask
    // again nor end the program.
    m_bStopOnExit = FALSE;
    m_bExitConfirmed = FALSE;
    if (MessageBox("Datenbank konnte nicht erfolgreich beendet werden. \nWollen Sie das Programm dennoch beenden?",
                   "Velmora", MB_YESNO)
        == IDYES) {
        m_bExitConfirmed = TRUE;
        RequestExit();
    }
}

void CMonitorDlg::ShowStateIcon(UINT iconId)
{
    m_tray.SetIcon(AfxGetApp()->LoadIcon(iconId));
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
