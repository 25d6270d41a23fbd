#pragma once
#include <windows.h>

// A function of a loaded system library that older Windows versions lack; null there.
template <typename Function>
Function SystemFunction(const char* library, const char* name)
{
    // Through a plain function type, which every function pointer may be cast to and from.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(library), name)));
}
