#include "FakeServiceControl.h"

namespace {

FakeServiceControl* g_fake = nullptr;
std::map<SC_HANDLE, DWORD> g_access;

SC_HANDLE Open(const std::string& name, DWORD access, DWORD error)
{
    static UINT_PTR next = 0x1000;
    SetLastError(error);
    if (error)
        return nullptr;
    const auto handle = reinterpret_cast<SC_HANDLE>(next++);
    g_fake->rights.push_back(access);
    g_fake->open[handle] = name;
    g_access[handle] = access;
    return handle;
}

// Sends the request to the service behind a handle opened with `right`; false, with the
// manager's error set, when the handle lacks it.
bool Send(SC_HANDLE handle, DWORD right, const char* request, DWORD newState)
{
    if ((g_access[handle] & right) != right) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    g_fake->requests.push_back(request + (" " + g_fake->open[handle]));
    g_fake->services[g_fake->open[handle]].state = newState;
    return true;
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
    *status = SERVICE_STATUS{};
    status->dwCurrentState = g_fake->services[g_fake->open[handle]].state;
    return (g_access[handle] & SERVICE_QUERY_STATUS) != 0;
}

BOOL WINAPI FakeStartService(SC_HANDLE handle, DWORD, LPCSTR*)
{
    return Send(handle, SERVICE_START, "start", SERVICE_START_PENDING);
}

BOOL WINAPI FakeControlService(SC_HANDLE handle, DWORD, LPSERVICE_STATUS status)
{
    *status = SERVICE_STATUS{ SERVICE_WIN32_OWN_PROCESS, SERVICE_STOP_PENDING, 0, 0, 0, 0, 0 };
    return Send(handle, SERVICE_STOP, "stop", SERVICE_STOP_PENDING);
}

// Records first, display names behind them, as the real manager lays them out; all or nothing.
BOOL WINAPI FakeEnumServices(SC_HANDLE manager, DWORD, DWORD, LPENUM_SERVICE_STATUSA entries, DWORD size,
                             LPDWORD needed, LPDWORD returned, LPDWORD)
{
    *needed = 0;
    *returned = 0;
    for (const auto& entry : g_fake->services)
        *needed += sizeof(ENUM_SERVICE_STATUSA) + static_cast<DWORD>(entry.second.displayName.size() + 1);
    if (!(g_access[manager] & SC_MANAGER_ENUMERATE_SERVICE) || size < *needed) {
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
