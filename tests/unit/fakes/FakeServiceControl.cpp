#include "FakeServiceControl.h"
#include <sddl.h>

namespace {

FakeServiceControl* g_fake = nullptr;

SC_HANDLE Open(const std::string& name, DWORD access, DWORD error)
{
    static UINT_PTR next = 0x1000;
    SetLastError(error);
    if (error)
        return nullptr;
    const auto handle = reinterpret_cast<SC_HANDLE>(next++);
    g_fake->rights.push_back(access);
    g_fake->open[handle] = { name, access };
    return handle;
}

// The handle's record with `right` in its access; none, with the manager's error set, when the
// handle is not open or lacks the right.
const FakeServiceControl::OpenHandle* Granted(SC_HANDLE handle, DWORD right)
{
    const auto found = g_fake->open.find(handle);
    const bool isOpen = found != g_fake->open.end();
    if (isOpen && (found->second.access & right) == right)
        return &found->second;
    SetLastError(isOpen ? ERROR_ACCESS_DENIED : ERROR_INVALID_HANDLE);
    return nullptr;
}

bool Send(SC_HANDLE handle, DWORD right, const char* request, DWORD newState)
{
    const auto* service = Granted(handle, right);
    if (!service)
        return false;
    g_fake->requests.push_back(request + (" " + service->name));
    g_fake->services[service->name].state = newState;
    return true;
}

SC_HANDLE WINAPI FakeOpenManager(LPCSTR, LPCSTR, DWORD access)
{
    return Open("", access, g_fake->managerFails ? ERROR_ACCESS_DENIED : 0);
}

SC_HANDLE WINAPI FakeOpenService(SC_HANDLE, LPCSTR name, DWORD access)
{
    const auto found = g_fake->services.find(name);
    if (found == g_fake->services.end())
        return Open(name, access, ERROR_SERVICE_DOES_NOT_EXIST);
    const FakeService& service = found->second;
    return Open(name, access, (service.deniedRights & access) ? ERROR_ACCESS_DENIED : service.openError);
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
    const auto* service = Granted(handle, SERVICE_QUERY_STATUS);
    if (service)
        status->dwCurrentState = g_fake->services[service->name].state;
    return service != nullptr;
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
    if (!Granted(manager, SC_MANAGER_ENUMERATE_SERVICE))
        return FALSE;
    if (size < *needed) {
        SetLastError(ERROR_MORE_DATA);
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

BOOL WINAPI FakeQuerySecurity(SC_HANDLE handle, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR descriptor, DWORD size,
                              LPDWORD needed)
{
    const auto* service = Granted(handle, READ_CONTROL);
    if (!service)
        return FALSE;
    PSECURITY_DESCRIPTOR converted = nullptr;
    const std::string& dacl = g_fake->services[service->name].dacl;
    if (dacl.empty() || !ConvertStringSecurityDescriptorToSecurityDescriptorA(dacl.c_str(), SDDL_REVISION_1,
                                                                              &converted, nullptr)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *needed = GetSecurityDescriptorLength(converted);
    const bool fits = *needed <= size;
    if (fits)
        CopyMemory(descriptor, converted, *needed);
    LocalFree(converted);
    SetLastError(fits ? ERROR_SUCCESS : ERROR_INSUFFICIENT_BUFFER);
    return fits;
}

BOOL WINAPI FakeOpenProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    HANDLE own = nullptr;
    if (!OpenProcessToken(process, access | TOKEN_ASSIGN_PRIMARY, &own))
        return FALSE;
    PSID administrators = nullptr;
    ConvertStringSidToSidA("S-1-5-32-544", &administrators);
    SID_AND_ATTRIBUTES denyOnly{ administrators, 0 };
    const BOOL made = CreateRestrictedToken(own, 0, 1, &denyOnly, 0, nullptr, 0, nullptr, token);
    LocalFree(administrators);
    CloseHandle(own);
    return made;
}

} // namespace

FakeServiceControl::FakeServiceControl()
{
    g_fake = this;
    ServiceControl() = { &FakeOpenManager,    &FakeOpenService,    &FakeKeyNameOf,    &FakeQueryStatus,
                         &FakeStartService,   &FakeControlService, &FakeEnumServices, &FakeCloseHandle,
                         &FakeQuerySecurity, &FakeOpenProcessToken };
}

FakeServiceControl::~FakeServiceControl()
{
    ServiceControl() = ServiceControlApi();
    g_fake = nullptr;
}
