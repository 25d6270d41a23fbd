#pragma once
// A scripted Service Control Manager in place of the real one: services whose state the test
// sets, opens and queries that fail on demand, and a count of the handles still open.
#include "ServiceControlApi.h"
#include <map>
#include <string>
#include <vector>

struct FakeService {
    DWORD state = SERVICE_STOPPED;
    std::string displayName;
    DWORD openError = 0;      // an open fails with this error when set
    DWORD deniedAccess = 0;   // an open asking for any of these rights is refused
    bool queryFails = false;
    DWORD stateAfterStart = SERVICE_START_PENDING;
    DWORD stateAfterStop = SERVICE_STOP_PENDING;
    bool refusesStop = false;       // ControlService fails and reports the unchanged state
    bool stopFillsNoStatus = false; // ControlService fails without filling in a state
};

class FakeServiceControl {
public:
    FakeServiceControl();
    ~FakeServiceControl();
    FakeServiceControl(const FakeServiceControl&) = delete;
    FakeServiceControl& operator=(const FakeServiceControl&) = delete;

    FakeService& Service(const std::string& name) { return m_services[name]; }
    void Remove(const std::string& name) { m_services.erase(name); }

    bool managerFails = false;
    // The second enumeration finds this many more services than the probe did, and says so.
    int servicesAddedAfterProbe = 0;
    DWORD managerAccess = 0;
    std::vector<std::string> calls; // "open <name> <access>", "start <name>", "stop <name>", "close <name>"
    int openHandles = 0;
    int startRequests = 0;
    int stopRequests = 0;

    static FakeServiceControl* current;

private:
    friend struct FakeServiceCalls;
    ServiceControlApi m_saved;
    std::map<std::string, FakeService> m_services;
    std::map<SC_HANDLE, std::string> m_handles; // service handles; the manager maps to ""
    std::map<SC_HANDLE, DWORD> m_access;
    UINT_PTR m_nextHandle = 0x1000;

    SC_HANDLE NewHandle(const std::string& name, DWORD access);
    FakeService* Find(SC_HANDLE handle, DWORD neededAccess, DWORD& error);
};
