#pragma once
// A scripted Service Control Manager in place of the real one: services whose state and access
// list the test sets, opens that fail on demand, and every open with the rights it asked for. A
// call on a handle opened without the right it needs, or closed already, is refused, as the real
// manager refuses it. The process token handed out is an ordinary user's: this one's with the
// Administrators group for deny only.
#include "ServiceControlApi.h"
#include <map>
#include <string>
#include <vector>

struct FakeService {
    DWORD state = SERVICE_STOPPED; // a start makes it SERVICE_START_PENDING, a stop SERVICE_STOP_PENDING
    std::string displayName;
    DWORD openError = 0; // an open fails with this error when set
    DWORD deniedRights = 0; // an open asking for any of these is refused for lack of rights
    std::string dacl; // owner, group and access list in SDDL, as a query returns them; unreadable when empty
};

struct FakeServiceControl {
    FakeServiceControl();
    ~FakeServiceControl();

    std::map<std::string, FakeService> services;
    bool managerFails = false;
    struct OpenHandle {
        std::string name; // "" for the manager
        DWORD access;
    };
    std::vector<DWORD> rights;             // of every open, in order
    std::map<SC_HANDLE, OpenHandle> open;  // the handles not closed yet
    std::vector<std::string> requests;     // "start <name>", "stop <name>"
};
