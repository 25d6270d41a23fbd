#include "FakeServiceControl.h"
#include <cstring>

FakeServiceControl* FakeServiceControl::current = nullptr;

namespace {

FakeServiceControl& Fake()
{
    return *FakeServiceControl::current;
}

SC_HANDLE NewHandle(const std::string& name, DWORD access)
{
    static UINT_PTR next = 0x1000;
    const auto handle = reinterpret_cast<SC_HANDLE>(next++);
    Fake().opens.push_back({ name, access });
    Fake().open[handle] = { name, access };
    return handle;
}

// The service behind a handle opened with `right`; else null, with the manager's error set.
FakeService* Use(SC_HANDLE handle, DWORD right)
{
    const auto found = Fake().open.find(handle);
    if (found == Fake().open.end() || !Fake().services.count(found->second.name)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if ((found->second.access & right) != right) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return &Fake().services[found->second.name];
}

SC_HANDLE WINAPI FakeOpenManager(LPCSTR, LPCSTR, DWORD access)
{
    if (Fake().managerFails) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return NewHandle("", access);
}

SC_HANDLE WINAPI FakeOpenService(SC_HANDLE, LPCSTR name, DWORD access)
{
    const auto found = Fake().services.find(name);
    const DWORD error = found == Fake().services.end() ? ERROR_SERVICE_DOES_NOT_EXIST : found->second.openError;
    if (error) {
        SetLastError(error);
        return nullptr;
    }
    return NewHandle(name, access);
}

BOOL WINAPI FakeKeyNameOf(SC_HANDLE, LPCSTR displayName, LPSTR keyName, LPDWORD size)
{
    for (const auto& [name, service] : Fake().services) {
        if (service.displayName == displayName && name.size() < *size) {
            lstrcpyA(keyName, name.c_str());
            return TRUE;
        }
    }
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
    FakeService* service = Use(handle, SERVICE_START);
    if (!service)
        return FALSE;
    Fake().requests.push_back("start " + Fake().open[handle].name);
    service->state = service->stateAfterStart;
    return TRUE;
}

BOOL WINAPI FakeControlService(SC_HANDLE handle, DWORD, LPSERVICE_STATUS status)
{
    FakeService* service = Use(handle, SERVICE_STOP);
    if (!service)
        return FALSE;
    Fake().requests.push_back("stop " + Fake().open[handle].name);
    service->state = service->stateAfterStop;
    *status = SERVICE_STATUS{};
    status->dwCurrentState = service->state;
    return TRUE;
}

// Records first, display names behind them, as the real manager lays them out; all or nothing.
BOOL WINAPI FakeEnumServices(SC_HANDLE manager, DWORD, DWORD, LPENUM_SERVICE_STATUSA entries, DWORD size,
                         LPDWORD needed, LPDWORD returned, LPDWORD)
{
    if (!(Fake().open[manager].access & SC_MANAGER_ENUMERATE_SERVICE)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    const auto& services = Fake().services;
    *needed = 0;
    for (const auto& entry : services)
        *needed += sizeof(ENUM_SERVICE_STATUSA) + static_cast<DWORD>(entry.second.displayName.size() + 1);
    *returned = 0;
    if (size < *needed) {
        SetLastError(ERROR_MORE_DATA);
        return FALSE;
    }
    char* text = reinterpret_cast<char*>(entries + services.size());
    for (const auto& entry : services) {
        entries[*returned] = ENUM_SERVICE_STATUSA{};
        entries[(*returned)++].lpDisplayName = lstrcpyA(text, entry.second.displayName.c_str());
        text += entry.second.displayName.size() + 1;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WINAPI FakeCloseHandle(SC_HANDLE handle)
{
    return Fake().open.erase(handle) == 1;
}

} // namespace

FakeServiceControl::FakeServiceControl()
{
    current = this;
    ServiceControl() = { &FakeOpenManager, &FakeOpenService, &FakeKeyNameOf, &FakeQueryStatus,
                         &FakeStartService, &FakeControlService, &FakeEnumServices, &FakeCloseHandle };
}

FakeServiceControl::~FakeServiceControl()
{
    ServiceControl() = ServiceControlApi();
    current = nullptr;
}
