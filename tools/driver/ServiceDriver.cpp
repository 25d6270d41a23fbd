#include "ServiceDriver.h"

#include "Polling.h"
#include "ServiceHandle.h"

namespace driver {
namespace {

// A service handle stays valid after the connection it was opened through is closed.
ServiceHandle OpenByName(const std::string& name, DWORD access)
{
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    return ServiceHandle(manager ? OpenServiceA(manager.get(), name.c_str(), access) : nullptr);
}

std::string StandinPath()
{
    char path[MAX_PATH] = {};
    const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return exe.substr(0, exe.find_last_of("\\/") + 1) + "velmora-standin-service.exe";
}

} // namespace

bool CreateStandinService(const std::string& name, const std::string& displayName,
                          const std::string& standinArgs)
{
    RemoveService(name);
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    const std::string command = "\"" + StandinPath() + "\" " + standinArgs;
    const ServiceHandle service(manager ? CreateServiceA(manager.get(), name.c_str(), displayName.c_str(),
                                                         SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                                         SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, command.c_str(),
                                                         nullptr, nullptr, nullptr, nullptr, nullptr)
                                        : nullptr);
    // Wine's manager may take a moment before other connections find a new service by name.
    return service && WaitForServiceState(name, SERVICE_STOPPED, 10000);
}

bool RemoveService(const std::string& name)
{
    const ServiceHandle service = OpenByName(name, DELETE);
    return service && DeleteService(service.get());
}

bool StartServiceByName(const std::string& name)
{
    const ServiceHandle service = OpenByName(name, SERVICE_START);
    return service && StartServiceA(service.get(), 0, nullptr);
}

bool StopServiceByName(const std::string& name)
{
    const ServiceHandle service = OpenByName(name, SERVICE_STOP);
    SERVICE_STATUS status = {};
    return service && ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
}

DWORD QueryServiceState(const std::string& name)
{
    const ServiceHandle service = OpenByName(name, SERVICE_QUERY_STATUS);
    SERVICE_STATUS status = {};
    return service && QueryServiceStatus(service.get(), &status) ? status.dwCurrentState : 0;
}

bool WaitForServiceState(const std::string& name, DWORD state, DWORD timeoutMs)
{
    return PollUntil([&] { return QueryServiceState(name) == state; }, timeoutMs);
}

} // namespace driver
