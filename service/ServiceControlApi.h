#pragma once
// The Service Control Manager functions the program calls, gathered so that a test can make
// an open, a query or an access check fail, which a real system cannot be made to do on demand.
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
};

ServiceControlApi& ServiceControl();
