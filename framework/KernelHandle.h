#pragma once
// A kernel object's handle (a process, a token), closed with CloseHandle.
#include "HandleOwner.h"
#include <windows.h>

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { ::CloseHandle(handle); }
};
using KernelHandle = HandleOwner<KernelHandleTraits>;
