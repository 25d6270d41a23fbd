#pragma once
#include "CString.h"
#include "RefreshStep.h"
#include "ServiceHandle.h"
#include "ServiceState.h"

// A view of the main window's members that belong to one watched service, handed out by the
// window so that the database and the listener go through the very same steps. It owns
// nothing: every change goes straight into the window's members.
class ServiceView {
public:
    ServiceView(int kind, const CString& name, CString& stateLine, CString& nameLine, ServiceHandle& query,
                ServiceHandle& start, ServiceHandle& stop, int& dots, int& request, int& summary)
        : kind(kind), name(name), stateLine(stateLine), nameLine(nameLine), query(query), start(start), stop(stop),
          m_dots(dots), m_request(request), m_summary(summary)
    {
    }

    ServiceProgress Progress() const { return { m_dots, m_request, m_summary }; }
    void Keep(const ServiceProgress& progress)
    {
        m_dots = progress.dots;
        m_request = progress.request;
        m_summary = progress.summary;
    }
    // A start or stop was sent through `sentThrough`. The refresh closes only the handle of the
    // request it finds, so the other kind's goes now.
    void Sent(int sentRequest, ServiceHandle sentThrough)
    {
        (sentRequest == REQUEST_START ? stop : start).reset();
        (sentRequest == REQUEST_START ? start : stop) = std::move(sentThrough);
        Keep(RequestSent(Progress(), sentRequest));
    }
    void ShowName() { nameLine = "(" + name + ")"; }

    const int kind;
    const CString& name;
    CString& stateLine;
    CString& nameLine;
    ServiceHandle& query;
    ServiceHandle& start;
    ServiceHandle& stop;

private:
    int& m_dots;
    int& m_request;
    int& m_summary;
};
