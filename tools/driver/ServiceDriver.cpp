#include "ServiceDriver.h"

#include "Polling.h"

namespace driver {
namespace {

class ScHandle {
public:
    explicit ScHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ScHandle()
    {
        if (handle_)
            CloseServiceHandle(handle_);
    }
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;

    SC_HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    SC_HANDLE handle_;
};

ScHandle OpenManager(DWORD access)
{
    return ScHandle(OpenSCManagerA(nullptr, nullptr, access));
}

ScHandle OpenNamedService(const ScHandle& manager, const std::string& name, DWORD access)
{
    return ScHandle(manager ? OpenServiceA(manager.get(), name.c_str(), access) : nullptr);
}

// A service handle stays valid after the connection it was opened through is closed.
ScHandle OpenServiceByName(const std::string& name, DWORD access)
{
    return OpenNamedService(OpenManager(SC_MANAGER_CONNECT), name, access);
}

std::string StandinPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "velmora-standin-service.exe";
}

bool DeleteIfPresent(const ScHandle& manager, const std::string& name)
{
    const ScHandle service = OpenNamedService(manager, name, DELETE);
    if (!service)
        return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST;
    return DeleteService(service.get()) || GetLastError() == ERROR_SERVICE_MARKED_FOR_DELETE;
}

} // namespace

bool CreateStandinService(const std::string& name, const std::string& displayName,
                          const std::string& standinArgs)
{
    const std::string standin = StandinPath();
    const ScHandle manager = OpenManager(SC_MANAGER_CREATE_SERVICE);
    if (standin.empty() || !manager || !DeleteIfPresent(manager, name))
        return false;
    std::string binaryPath = "\"" + standin + "\"";
    if (!standinArgs.empty())
        binaryPath += " " + standinArgs;
    const ScHandle service(CreateServiceA(manager.get(), name.c_str(), displayName.c_str(),
                                          SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                          SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                                          binaryPath.c_str(), nullptr, nullptr, nullptr,
                                          nullptr, nullptr));
    // Wine's manager may take a moment before other connections find a new service by name.
    return service && PollUntil([&] { return QueryServiceState(name) != 0; }, 10000);
}

bool RemoveService(const std::string& name)
{
    const ScHandle service = OpenServiceByName(name, DELETE);
    return service && DeleteService(service.get());
}

bool StartServiceByName(const std::string& name)
{
    const ScHandle service = OpenServiceByName(name, SERVICE_START);
    return service && StartServiceA(service.get(), 0, nullptr);
}

bool StopServiceByName(const std::string& name)
{
    const ScHandle service = OpenServiceByName(name, SERVICE_STOP);
    SERVICE_STATUS status = {};
    return service && ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
}

DWORD QueryServiceState(const std::string& name)
{
    const ScHandle service = OpenServiceByName(name, SERVICE_QUERY_STATUS);
    SERVICE_STATUS status = {};
    if (!service || !QueryServiceStatus(service.get(), &status))
        return 0;
    return status.dwCurrentState;
}

bool WaitForServiceState(const std::string& name, DWORD state, DWORD timeoutMs)
{
    return PollUntil([&] { return QueryServiceState(name) == state; }, timeoutMs);
}

bool WaitForServiceProcessExit(const std::string& name, DWORD timeoutMs)
{
    const ScHandle service = OpenServiceByName(name, SERVICE_QUERY_STATUS);
    SERVICE_STATUS_PROCESS status = {};
    DWORD needed = 0;
    if (!service
        || !QueryServiceStatusEx(service.get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status),
                                 sizeof(status), &needed))
        return false;
    if (status.dwProcessId == 0)
        return true;
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, status.dwProcessId);
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER; // already gone
    const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

} // namespace driver
