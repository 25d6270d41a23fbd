// Registers, controls and observes Windows services through the service manager, the way an
// administrator would, for the tests, the benchmark and the scripts.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Registers a demand-start service running velmora-standin-service.exe from the folder of the
// running exe with standinArgs; an existing service of that name is deleted first.
bool CreateStandinService(const std::string& name, const std::string& displayName,
                          const std::string& standinArgs);
bool RemoveService(const std::string& name);
bool StartServiceByName(const std::string& name);
// Sends SERVICE_CONTROL_STOP exactly once.
bool StopServiceByName(const std::string& name);
// SERVICE_STOPPED ... SERVICE_PAUSED, or 0 when the service cannot be opened or queried.
DWORD QueryServiceState(const std::string& name);
bool WaitForServiceState(const std::string& name, DWORD state, DWORD timeoutMs);

} // namespace driver
