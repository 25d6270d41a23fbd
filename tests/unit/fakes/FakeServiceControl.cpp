#include "FakeServiceControl.h"
#include <cstring>

FakeServiceControl* FakeServiceControl::current = nullptr;

struct FakeServiceCalls {
    static FakeServiceControl& Fake() { return *FakeServiceControl::current; }

    static SC_HANDLE WINAPI OpenManager(LPCSTR, LPCSTR, DWORD access)
    {
        Fake().opens.push_back({ "", access, 0 });
        if (Fake().managerFails || (Fake().deniedManagerAccess & access)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return nullptr;
        }
        return Fake().NewHandle("");
    }

    static SC_HANDLE WINAPI OpenService(SC_HANDLE manager, LPCSTR name, DWORD access)
    {
        Fake().calls.push_back("open " + std::string(name) + " " + std::to_string(access));
        Fake().opens.push_back({ name, access, 0 });
        if (const DWORD error = Fake().Use(manager, SC_MANAGER_CONNECT)) {
            SetLastError(error);
            return nullptr;
        }
        const auto found = Fake().m_services.find(name);
        if (found == Fake().m_services.end()) {
            SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
            return nullptr;
        }
        if (found->second.openError) {
            SetLastError(found->second.openError);
            return nullptr;
        }
        if (found->second.deniedAccess & access) {
            SetLastError(ERROR_ACCESS_DENIED);
            return nullptr;
        }
        return Fake().NewHandle(name);
    }

    static BOOL WINAPI KeyNameOf(SC_HANDLE manager, LPCSTR displayName, LPSTR keyName, LPDWORD size)
    {
        if (const DWORD error = Fake().Use(manager, SC_MANAGER_CONNECT)) {
            SetLastError(error);
            return FALSE;
        }
        for (const auto& [name, service] : Fake().m_services) {
            if (service.displayName != displayName)
                continue;
            if (*size <= name.size()) {
                *size = static_cast<DWORD>(name.size());
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return FALSE;
            }
            lstrcpyA(keyName, name.c_str());
            *size = static_cast<DWORD>(name.size());
            return TRUE;
        }
        SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
        return FALSE;
    }

    static BOOL WINAPI QueryStatus(SC_HANDLE handle, LPSERVICE_STATUS status)
    {
        DWORD error = 0;
        FakeService* service = Fake().Find(handle, SERVICE_QUERY_STATUS, error);
        if (service && service->queryFails)
            error = ERROR_INVALID_HANDLE;
        if (error) {
            SetLastError(error);
            return FALSE;
        }
        *status = SERVICE_STATUS{};
        status->dwServiceType = SERVICE_WIN32_OWN_PROCESS;
        status->dwCurrentState = service->state;
        return TRUE;
    }

    static BOOL WINAPI StartService(SC_HANDLE handle, DWORD, LPCSTR*)
    {
        DWORD error = 0;
        FakeService* service = Fake().Find(handle, SERVICE_START, error);
        Fake().calls.push_back("start " + Fake().m_handles[handle]);
        ++Fake().startRequests;
        if (error) {
            SetLastError(error);
            return FALSE;
        }
        if (service->state != SERVICE_STOPPED) {
            SetLastError(ERROR_SERVICE_ALREADY_RUNNING);
            return FALSE;
        }
        service->state = service->stateAfterStart;
        return TRUE;
    }

    static BOOL WINAPI ControlService(SC_HANDLE handle, DWORD control, LPSERVICE_STATUS status)
    {
        DWORD error = 0;
        FakeService* service = Fake().Find(handle, SERVICE_STOP, error);
        Fake().calls.push_back("stop " + Fake().m_handles[handle]);
        ++Fake().stopRequests;
        if (error || control != SERVICE_CONTROL_STOP || service->stopFillsNoStatus) {
            SetLastError(error ? error : ERROR_ACCESS_DENIED);
            return FALSE;
        }
        const bool refused = service->refusesStop || service->state == SERVICE_STOPPED;
        if (!refused)
            service->state = service->stateAfterStop;
        *status = SERVICE_STATUS{};
        status->dwCurrentState = service->state;
        if (refused) {
            SetLastError(service->state == SERVICE_STOPPED ? ERROR_SERVICE_NOT_ACTIVE : ERROR_INVALID_SERVICE_CONTROL);
            return FALSE;
        }
        return TRUE;
    }

    static BOOL WINAPI EnumServices(SC_HANDLE manager, DWORD, DWORD, LPENUM_SERVICE_STATUSA entries, DWORD size,
                                    LPDWORD needed, LPDWORD returned, LPDWORD)
    {
        if (const DWORD error = Fake().Use(manager, SC_MANAGER_ENUMERATE_SERVICE)) {
            SetLastError(error);
            return FALSE;
        }
        // Records first, display names packed behind them, as the real manager lays them out.
        const auto& services = Fake().m_services;
        const auto shown = [](const std::string& name, const FakeService& service) {
            return service.displayName.empty() ? name : service.displayName;
        };
        DWORD total = 0;
        for (const auto& [name, service] : services)
            total += sizeof(ENUM_SERVICE_STATUSA) + static_cast<DWORD>(name.size() + shown(name, service).size() + 2);
        const bool probe = size <= sizeof(ENUM_SERVICE_STATUSA);
        const DWORD extra = probe ? 0 : static_cast<DWORD>(Fake().servicesAddedAfterProbe) * 64;
        *needed = total + extra;
        *returned = 0;
        if (size < total + extra && (probe || !Fake().servicesAddedAfterProbe)) {
            SetLastError(ERROR_MORE_DATA);
            return FALSE;
        }
        char* text = reinterpret_cast<char*>(entries) + services.size() * sizeof(ENUM_SERVICE_STATUSA);
        for (const auto& [name, service] : services) {
            ENUM_SERVICE_STATUSA& entry = entries[(*returned)++];
            entry = ENUM_SERVICE_STATUSA{};
            entry.lpServiceName = lstrcpyA(text, name.c_str());
            text += name.size() + 1;
            entry.lpDisplayName = lstrcpyA(text, shown(name, service).c_str());
            text += std::strlen(text) + 1;
            entry.ServiceStatus.dwCurrentState = service.state;
        }
        if (Fake().servicesAddedAfterProbe) {
            SetLastError(ERROR_MORE_DATA);
            return FALSE;
        }
        return TRUE;
    }

    static BOOL WINAPI CloseHandle(SC_HANDLE handle)
    {
        const auto found = Fake().m_handles.find(handle);
        if (found == Fake().m_handles.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        Fake().calls.push_back("close " + found->second);
        Fake().m_handles.erase(found);
        Fake().m_openOf.erase(handle);
        --Fake().openHandles;
        return TRUE;
    }
};

FakeServiceControl::FakeServiceControl() : m_saved(ServiceControl())
{
    current = this;
    ServiceControlApi& api = ServiceControl();
    api.openManager = &FakeServiceCalls::OpenManager;
    api.openService = &FakeServiceCalls::OpenService;
    api.keyNameOf = &FakeServiceCalls::KeyNameOf;
    api.queryStatus = &FakeServiceCalls::QueryStatus;
    api.startService = &FakeServiceCalls::StartService;
    api.controlService = &FakeServiceCalls::ControlService;
    api.enumServices = &FakeServiceCalls::EnumServices;
    api.closeHandle = &FakeServiceCalls::CloseHandle;
}

FakeServiceControl::~FakeServiceControl()
{
    ServiceControl() = m_saved;
    current = nullptr;
}

SC_HANDLE FakeServiceControl::NewHandle(const std::string& name)
{
    const auto handle = reinterpret_cast<SC_HANDLE>(m_nextHandle++);
    m_handles[handle] = name;
    m_openOf[handle] = opens.size() - 1;
    ++openHandles;
    return handle;
}

DWORD FakeServiceControl::Use(SC_HANDLE handle, DWORD right)
{
    const auto found = m_openOf.find(handle);
    if (found == m_openOf.end())
        return ERROR_INVALID_HANDLE;
    FakeOpen& open = opens[found->second];
    open.needed |= right;
    // Every connection to the manager may connect, whatever it asked for.
    const DWORD granted = open.target.empty() ? open.asked | SC_MANAGER_CONNECT : open.asked;
    return (granted & right) == right ? 0 : ERROR_ACCESS_DENIED;
}

FakeService* FakeServiceControl::Find(SC_HANDLE handle, DWORD neededAccess, DWORD& error)
{
    error = Use(handle, neededAccess);
    if (error)
        return nullptr;
    const auto service = m_services.find(m_handles[handle]);
    if (service == m_services.end()) {
        error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    error = 0;
    return &service->second;
}
