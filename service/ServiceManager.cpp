#include "ServiceManager.h"
#include <algorithm>

ServiceControlApi& ServiceControl()
{
    static ServiceControlApi api;
    return api;
}

namespace ServiceManager {

namespace {

constexpr DWORD kListedTypes = SERVICE_WIN32 | SERVICE_DRIVER;
// The service manager allows key names of 256 characters at the most.
constexpr DWORD kMaxKeyName = 256;

// The key name of the service that shows `displayName`; empty when there is none.
CString KeyNameOf(SC_HANDLE manager, const char* displayName)
{
    char keyName[kMaxKeyName + 1] = "";
    DWORD size = sizeof(keyName);
    return ServiceControl().keyNameOf(manager, displayName, keyName, &size) ? CString(keyName) : CString();
}

// The settings dialog lists display names, but the manager opens by key name: a name that no
// key has is tried once more as a display name. `keyName` receives the name the last open used.
ServiceHandle Open(SC_HANDLE manager, const char* name, DWORD access, CString& keyName)
{
    keyName = name;
    ServiceHandle service(ServiceControl().openService(manager, name, access));
    if (service)
        return service;
    const DWORD error = GetLastError();
    if (error != ERROR_SERVICE_DOES_NOT_EXIST && error != ERROR_INVALID_NAME)
        return ServiceHandle();
    const CString resolved = KeyNameOf(manager, name);
    if (resolved.IsEmpty()) {
        SetLastError(error);
        return ServiceHandle();
    }
    keyName = resolved;
    return ServiceHandle(ServiceControl().openService(manager, keyName, access));
}

ServiceHandle Open(SC_HANDLE manager, const char* name, DWORD access)
{
    CString keyName;
    return Open(manager, name, access, keyName);
}

} // namespace

ServiceHandle OpenWindowConnection()
{
    return ServiceHandle(ServiceControl().openManager(nullptr, "ServicesActive", SC_MANAGER_CONNECT));
}

ServiceHandle OpenForQuery(SC_HANDLE manager, const char* name)
{
    return Open(manager, name, SERVICE_QUERY_STATUS);
}

ServiceHandle OpenForStart(SC_HANDLE manager, const char* name)
{
    return Open(manager, name, SERVICE_START | SERVICE_QUERY_STATUS);
}

ServiceHandle OpenForStop(SC_HANDLE manager, const char* name)
{
    return Open(manager, name, SERVICE_STOP);
}

std::vector<DWORD> ReadSecurity(SC_HANDLE manager, const char* name, CString& keyName)
{
    // READ_CONTROL covers all three; the audit list would need a privilege and is never touched.
    constexpr SECURITY_INFORMATION parts =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    const ServiceHandle service = Open(manager, name, READ_CONTROL, keyName);
    if (!service)
        return {};
    SECURITY_DESCRIPTOR probe{};
    DWORD needed = 0;
    // Given no room, the call fails and says how much the descriptor needs; after any other
    // failure `needed` stays 0 and the second call fails as well.
    ServiceControl().querySecurity(service.get(), parts, &probe, 0, &needed);
    // DWORD-based storage keeps the descriptor aligned.
    std::vector<DWORD> descriptor((needed + sizeof(DWORD) - 1) / sizeof(DWORD));
    if (!ServiceControl().querySecurity(service.get(), parts, descriptor.data(), needed, &needed))
        return {};
    return descriptor;
}

bool QueryStatus(SC_HANDLE service, SERVICE_STATUS& status)
{
    return ServiceControl().queryStatus(service, &status) != FALSE;
}

void RequestStart(SC_HANDLE service)
{
    ServiceControl().startService(service, 0, nullptr);
}

SERVICE_STATUS RequestStop(SC_HANDLE service)
{
    SERVICE_STATUS status{};
    ServiceControl().controlService(service, SERVICE_CONTROL_STOP, &status);
    return status;
}

std::vector<CString> EnumerateDisplayNames()
{
    std::vector<CString> names;
    const ServiceHandle manager(ServiceControl().openManager(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE));
    if (!manager)
        return names;
    ENUM_SERVICE_STATUSA probe{};
    DWORD needed = 0;
    DWORD returned = 0;
    DWORD resume = 0;
    if (ServiceControl().enumServices(manager.get(), kListedTypes, SERVICE_STATE_ALL, &probe, sizeof(probe), &needed,
                                      &returned, &resume)
        || GetLastError() != ERROR_MORE_DATA)
        return names;
    // DWORD-based storage keeps the records aligned.
    const DWORD size = needed + sizeof(ENUM_SERVICE_STATUSA);
    std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* entries = reinterpret_cast<ENUM_SERVICE_STATUSA*>(buffer.data());
    returned = 0;
    // Services added since the probe make the call report more data again; what it returned
    // is listed all the same, and never more entries than the buffer holds.
    if (!ServiceControl().enumServices(manager.get(), kListedTypes, SERVICE_STATE_ALL, entries, size, &needed,
                                       &returned, &resume)
        && GetLastError() != ERROR_MORE_DATA)
        returned = 0;
    returned = std::min<DWORD>(returned, size / sizeof(ENUM_SERVICE_STATUSA));
    for (DWORD i = 0; i < returned; ++i)
        names.emplace_back(entries[i].lpDisplayName);
    return names;
}

} // namespace ServiceManager
