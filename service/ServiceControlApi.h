#pragma once
// The Service Control Manager functions the program calls, and the token its access check asks
// about, gathered so that a test can refuse an open, hand out an access list or stand in for an
// ordinary user, which a real system cannot be made to do on demand.
#include <windows.h>

struct ServiceControlApi {
    decltype(&::OpenSCManagerA) openManager = &::OpenSCManagerA;
    decltype(&::OpenServiceA) openService = &::OpenServiceA;
    decltype(&::GetServiceKeyNameA) keyNameOf = &::GetServiceKeyNameA;
    decltype(&::QueryServiceStatus) queryStatus = &::QueryServiceStatus;
    decltype(&::StartServiceA) startService = &::StartServiceA;
    decltype(&::ControlService) controlService = &::ControlService;
    decltype(&::EnumServicesStatusA) enumServices = &::EnumServicesStatusA;
    decltype(&::CloseServiceHandle) closeHandle = &::CloseServiceHandle;
    decltype(&::QueryServiceObjectSecurity) querySecurity = &::QueryServiceObjectSecurity;
    decltype(&::OpenProcessToken) openProcessToken = &::OpenProcessToken;
};

ServiceControlApi& ServiceControl();
