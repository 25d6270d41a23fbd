#include "MonitorDlg.h"
#include "ServiceManager.h"
#include "StatusTexts.h"

namespace {

bool RefusedForLackOfRights(const ServiceHandle& opened)
{
    return !opened && GetLastError() == ERROR_ACCESS_DENIED;
}

} // namespace

void CMonitorDlg::StartDatabase()
{
    SendToBoth(REQUEST_START);
}

void CMonitorDlg::StopDatabase()
{
    SendToBoth(REQUEST_STOP);
}

// The database completely first, then the listener, whatever became of the database; no waiting:
// the refresh watches the requests come to rest. What was refused for lack of rights is offered
// a lasting grant once, after both. While a question or an offer waits, a command is ignored.
void CMonitorDlg::SendToBoth(int request)
{
    if (m_bQuestionOpen || !BeginServiceLines())
        return;
    std::vector<ServiceView> refused;
    ServiceView services[] = { Database(), Listener() };
    for (ServiceView& service : services)
        if (!service.name.IsEmpty() && Send(service, request))
            refused.push_back(service);
    if (!refused.empty())
        OfferGrant(request, refused);
}

bool CMonitorDlg::Send(ServiceView& service, int request)
{
    const bool start = request == REQUEST_START;
    ServiceHandle opened = start ? ServiceManager::OpenForStart(m_hSCManager.get(), service.name)
                                 : ServiceManager::OpenForStop(m_hSCManager.get(), service.name);
    const bool refused = RefusedForLackOfRights(opened);
    if (!opened) {
        // The earlier request, if any, stays in force with its handle.
        service.stateLine = FailureTextsOf(service.kind).openFailed;
    } else {
        service.Sent(request, std::move(opened));
        if (start) {
            ServiceManager::RequestStart(service.start.get());
            SERVICE_STATUS status{};
            service.stateLine = ServiceManager::QueryStatus(service.start.get(), status)
                ? GetStatusText(status, service.kind)
                : CString(FailureTextsOf(service.kind).startQueryFailed);
        } else {
            service.stateLine = GetStatusText(ServiceManager::RequestStop(service.stop.get()), service.kind);
        }
    }
    service.ShowName();
    UpdateData(FALSE);
    return refused;
}
