#pragma once
#include "HandleOwner.h"
#include "RegistryApi.h"

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle invalid() { return nullptr; }
    static void close(Handle key) { Registry().closeKey(key); }
};
using RegistryKey = HandleOwner<RegistryKeyTraits>;
