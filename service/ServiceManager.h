#pragma once
// Every call the program makes on the Service Control Manager.
#include "CString.h"
#include "ServiceHandle.h"
#include <vector>

namespace ServiceManager {

// Watching, starting and stopping need only a connection; asking for full access would be
// refused to an ordinary user, who would then see no status at all.
ServiceHandle OpenWindowConnection();

ServiceHandle OpenForQuery(SC_HANDLE manager, const char* name);
ServiceHandle OpenForStart(SC_HANDLE manager, const char* name);
ServiceHandle OpenForStop(SC_HANDLE manager, const char* name);

// The owner, group and access list of the service that an open of `name` reaches, as a
// self-relative descriptor holding nothing else, read as this user may; `keyName` receives that
// service's key name. Empty when it cannot be read.
std::vector<DWORD> ReadSecurity(SC_HANDLE manager, const char* name, CString& keyName);

bool QueryStatus(SC_HANDLE service, SERVICE_STATUS& status);
// The outcome of a request is judged by the state that follows, not by the call's result.
void RequestStart(SC_HANDLE service);
SERVICE_STATUS RequestStop(SC_HANDLE service);

// Display names of all Win32 services and drivers in every state; empty when they cannot be listed.
std::vector<CString> EnumerateDisplayNames();

} // namespace ServiceManager
