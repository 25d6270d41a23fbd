#include "MonitorDlg.h"
#include "RefreshStep.h"
#include "ServiceManager.h"
#include "StatusTexts.h"

void CMonitorDlg::StartDatabase()
{
    SendToBoth(&CMonitorDlg::SendStart);
}

void CMonitorDlg::StopDatabase()
{
    SendToBoth(&CMonitorDlg::SendStop);
}

// The database completely first, then the listener, whatever became of the database; no waiting:
// the refresh watches the requests come to rest.
void CMonitorDlg::SendToBoth(void (CMonitorDlg::*send)(const MonitoredService&))
{
    if (!BeginServiceLines())
        return;
    if (!m_strOracleSrv.IsEmpty())
        (this->*send)(Database());
    if (!m_strOracleTns.IsEmpty())
        (this->*send)(Listener());
}

void CMonitorDlg::SendStart(const MonitoredService& service)
{
    ServiceHandle opened = ServiceManager::OpenForStart(m_hSCManager.get(), service.name);
    if (!opened) {
        // The earlier request, if any, stays in force with its handle.
        service.stateLine = FailureTextsOf(service.kind).openFailed;
    } else {
        // The refresh closes only the handle of the request it finds; one of the other kind would leak.
        service.stop.reset();
        service.start = std::move(opened);
        service.Keep(RequestSent(service.Progress(), REQUEST_START));
        ServiceManager::RequestStart(service.start.get());
        SERVICE_STATUS status{};
        service.stateLine = ServiceManager::QueryStatus(service.start.get(), status)
            ? GetStatusText(status, service.kind)
            : CString(FailureTextsOf(service.kind).startQueryFailed);
    }
    service.nameLine = "(" + service.name + ")";
    UpdateData(FALSE);
}

void CMonitorDlg::SendStop(const MonitoredService& service)
{
    ServiceHandle opened = ServiceManager::OpenForStop(m_hSCManager.get(), service.name);
    if (!opened) {
        service.stateLine = FailureTextsOf(service.kind).openFailed;
    } else {
        service.start.reset();
        service.stop = std::move(opened);
        service.Keep(RequestSent(service.Progress(), REQUEST_STOP));
        service.stateLine = GetStatusText(ServiceManager::RequestStop(service.stop.get()), service.kind);
    }
    service.nameLine = "(" + service.name + ")";
    UpdateData(FALSE);
}
