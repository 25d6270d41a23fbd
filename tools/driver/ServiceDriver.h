// Registers, controls and observes Windows services through the SCM, the way an
// administrator would, for end-to-end tests of the monitor.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Registers a demand-start service running velmora-standin-service.exe from the folder
// of the running exe with standinArgs; an existing service of that name is replaced.
bool CreateStandinService(const std::string& name, const std::string& displayName,
                          const std::string& standinArgs);
bool RemoveService(const std::string& name);
bool StartServiceByName(const std::string& name);
// Sends SERVICE_CONTROL_STOP exactly once.
bool StopServiceByName(const std::string& name);
// SERVICE_STOPPED ... SERVICE_PAUSED, or 0 when the service cannot be opened or queried.
DWORD QueryServiceState(const std::string& name);
bool WaitForServiceState(const std::string& name, DWORD state, DWORD timeoutMs);
// Waits for the process the service runs in to end; true at once when it runs in none.
bool WaitForServiceProcessExit(const std::string& name, DWORD timeoutMs);

} // namespace driver
