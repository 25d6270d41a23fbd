#pragma once
// A scripted Service Control Manager in place of the real one: services whose state the test
// sets, opens and queries that fail on demand, the rights every open asked for and its calls
// needed, and a count of the handles still open.
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

// One open, refused or not: the manager's connection has an empty target.
struct FakeOpen {
    std::string target;
    DWORD asked;
    DWORD needed; // the rights the calls on the handle needed, granted or not
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
    DWORD deniedManagerAccess = 0; // a manager open asking for any of these rights is refused
    // The second enumeration finds this many more services than the probe did, and says so.
    int servicesAddedAfterProbe = 0;
    std::vector<FakeOpen> opens;
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
    std::map<SC_HANDLE, size_t> m_openOf;       // index into opens
    UINT_PTR m_nextHandle = 0x1000;

    SC_HANDLE NewHandle(const std::string& name);
    // Notes the right as needed; ERROR_ACCESS_DENIED when the handle was not opened with it.
    DWORD Use(SC_HANDLE handle, DWORD right);
    FakeService* Find(SC_HANDLE handle, DWORD neededAccess, DWORD& error);
};
