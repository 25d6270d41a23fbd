#pragma once
#include "CString.h"
#include "RefreshStep.h"
#include "ServiceHandle.h"
#include "ServiceState.h"

// The main window's members that belong to one watched service, so that the database and the
// listener go through the very same steps.
struct MonitoredService {
    int kind;
    const CString& name;
    CString& stateLine;
    CString& nameLine;
    ServiceHandle& query;
    ServiceHandle& start;
    ServiceHandle& stop;
    int& dots;
    int& request;
    int& summary;

    ServiceProgress Progress() const { return { dots, request, summary }; }
    void Keep(const ServiceProgress& progress) const
    {
        dots = progress.dots;
        request = progress.request;
        summary = progress.summary;
    }
    // A start or stop was sent, through `sentThrough` (empty when another program sent it). The
    // refresh closes only the handle of the request it finds, so the other kind's goes now.
    void Sent(int sentRequest, ServiceHandle sentThrough) const
    {
        (sentRequest == REQUEST_START ? stop : start).reset();
        (sentRequest == REQUEST_START ? start : stop) = std::move(sentThrough);
        Keep(RequestSent(Progress(), sentRequest));
    }
};
