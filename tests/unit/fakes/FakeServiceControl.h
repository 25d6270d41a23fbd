#pragma once
// A scripted Service Control Manager in place of the real one: services whose state the test
// sets, opens that fail on demand, and every open with the rights it asked for. A call on a
// handle opened without the right it needs is refused, as the real manager refuses it.
#include "ServiceControlApi.h"
#include <map>
#include <string>
#include <vector>

struct FakeService {
    DWORD state = SERVICE_STOPPED;
    std::string displayName;
    DWORD openError = 0; // an open fails with this error when set
    bool queryFails = false;
    DWORD stateAfterStart = SERVICE_START_PENDING;
    DWORD stateAfterStop = SERVICE_STOP_PENDING;
};

struct FakeOpen {
    std::string name; // empty for the manager
    DWORD access;
};

struct FakeServiceControl {
    FakeServiceControl();
    ~FakeServiceControl();

    std::map<std::string, FakeService> services;
    bool managerFails = false;
    std::vector<FakeOpen> opens;
    std::map<SC_HANDLE, FakeOpen> open; // the handles not closed yet
    std::vector<std::string> requests;  // "start <name>", "stop <name>"
};
