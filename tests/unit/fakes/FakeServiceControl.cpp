#include "FakeServiceControl.h"

namespace {

FakeServiceControl* g_fake = nullptr;

SC_HANDLE Open(const std::string& name, DWORD access, DWORD error)
{
    static UINT_PTR next = 0x1000;
    if (error) {
        SetLastError(error);
        return nullptr;
    }
    const auto handle = reinterpret_cast<SC_HANDLE>(next++);
    g_fake->opens.push_back({ name, access });
    g_fake->open[handle] = { name, access };
    return handle;
}

// The service behind a handle opened with `right`; else null, with the manager's error set.
FakeService* Use(SC_HANDLE handle, DWORD right, const char* request = nullptr)
{
    const FakeOpen& opened = g_fake->open[handle];
    if ((opened.access & right) != right || !g_fake->services.count(opened.name)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (request)
        g_fake->requests.push_back(request + (" " + opened.name));
    return &g_fake->services[opened.name];
}

SC_HANDLE WINAPI FakeOpenManager(LPCSTR, LPCSTR, DWORD access)
{
    return Open("", access, g_fake->managerFails ? ERROR_ACCESS_DENIED : 0);
}

SC_HANDLE WINAPI FakeOpenService(SC_HANDLE, LPCSTR name, DWORD access)
{
    const auto found = g_fake->services.find(name);
    return Open(name, access, found == g_fake->services.end() ? ERROR_SERVICE_DOES_NOT_EXIST : found->second.openError);
}

BOOL WINAPI FakeKeyNameOf(SC_HANDLE, LPCSTR displayName, LPSTR keyName, LPDWORD size)
{
    for (const auto& [name, service] : g_fake->services)
        if (service.displayName == displayName && name.size() < *size)
            return lstrcpyA(keyName, name.c_str()) != nullptr;
    SetLastError(ERROR_SERVICE_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI FakeQueryStatus(SC_HANDLE handle, LPSERVICE_STATUS status)
{
    const FakeService* service = Use(handle, SERVICE_QUERY_STATUS);
    if (!service || service->queryFails)
        return FALSE;
    *status = SERVICE_STATUS{};
    status->dwCurrentState = service->state;
    return TRUE;
}

BOOL WINAPI FakeStartService(SC_HANDLE handle, DWORD, LPCSTR*)
{
    FakeService* service = Use(handle, SERVICE_START, "start");
    if (service)
        service->state = service->stateAfterStart;
    return service != nullptr;
}

BOOL WINAPI FakeControlService(SC_HANDLE handle, DWORD, LPSERVICE_STATUS status)
{
    FakeService* service = Use(handle, SERVICE_STOP, "stop");
    if (!service)
        return FALSE;
    *status = SERVICE_STATUS{};
    status->dwCurrentState = service->state = service->stateAfterStop;
    return TRUE;
}

// Records first, display names behind them, as the real manager lays them out; all or nothing.
BOOL WINAPI FakeEnumServices(SC_HANDLE manager, DWORD, DWORD, LPENUM_SERVICE_STATUSA entries, DWORD size,
                             LPDWORD needed, LPDWORD returned, LPDWORD)
{
    *needed = 0;
    *returned = 0;
    for (const auto& entry : g_fake->services)
        *needed += sizeof(ENUM_SERVICE_STATUSA) + static_cast<DWORD>(entry.second.displayName.size() + 1);
    if (!(g_fake->open[manager].access & SC_MANAGER_ENUMERATE_SERVICE) || size < *needed) {
        SetLastError(size < *needed ? ERROR_MORE_DATA : ERROR_ACCESS_DENIED);
        return FALSE;
    }
    char* text = reinterpret_cast<char*>(entries + g_fake->services.size());
    for (const auto& entry : g_fake->services) {
        entries[(*returned)++] = { nullptr, lstrcpyA(text, entry.second.displayName.c_str()), {} };
        text += entry.second.displayName.size() + 1;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WINAPI FakeCloseHandle(SC_HANDLE handle)
{
    return g_fake->open.erase(handle) == 1;
}

} // namespace

FakeServiceControl::FakeServiceControl()
{
    g_fake = this;
    ServiceControl() = { &FakeOpenManager,  &FakeOpenService,    &FakeKeyNameOf,    &FakeQueryStatus,
                         &FakeStartService, &FakeControlService, &FakeEnumServices, &FakeCloseHandle };
}

FakeServiceControl::~FakeServiceControl()
{
    ServiceControl() = ServiceControlApi();
    g_fake = nullptr;
}
