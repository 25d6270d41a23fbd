#pragma once
#include "HandleOwner.h"
#include "ServiceControlApi.h"

struct ServiceHandleTraits {
    using Handle = SC_HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { ServiceControl().closeHandle(handle); }
};
using ServiceHandle = HandleOwner<ServiceHandleTraits>;
