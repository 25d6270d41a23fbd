#pragma once
// The registry functions the profile uses, gathered so that a test can make a key fail.
#include <windows.h>

struct RegistryApi {
    decltype(&::RegCreateKeyExA) createKey = &::RegCreateKeyExA;
    decltype(&::RegQueryValueExA) queryValue = &::RegQueryValueExA;
    decltype(&::RegSetValueExA) setValue = &::RegSetValueExA;
    decltype(&::RegCloseKey) closeKey = &::RegCloseKey;
};

RegistryApi& Registry();
