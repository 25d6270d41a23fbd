// Figures of another process that can show a leak under Wine, where the process's own
// handle and GUI-object counters read 0.
#pragma once

#include <windows.h>

namespace driver {

// Kernel handles of the process in the system's handle list; -1 when the list cannot be read.
long KernelHandleCount(DWORD processId);
SIZE_T WorkingSetBytes(HANDLE process);

} // namespace driver
