#include "ProcessFigures.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

namespace driver {
namespace {

constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

// A row of the system's handle list.
struct HandleEntry {
    USHORT processId;
    USHORT creatorBackTraceIndex;
    UCHAR objectTypeIndex;
    UCHAR handleAttributes;
    USHORT handleValue;
    PVOID object;
    ULONG grantedAccess;
};

// The list: a count, then the rows, aligned as their pointer member needs.
struct HandleList {
    ULONG count;
    HandleEntry rows[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

} // namespace

long KernelHandleCount(DWORD processId)
{
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<BYTE> buffer(1 << 16);
    LONG status = 0;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr))
           == kStatusInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status < 0)
        return -1;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    // The list holds only the low 16 bits of a process id.
    return static_cast<long>(std::count_if(list->rows, list->rows + list->count, [&](const HandleEntry& row) {
        return row.processId == static_cast<USHORT>(processId);
    }));
}

SIZE_T WorkingSetBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS memory{};
    return K32GetProcessMemoryInfo(process, &memory, sizeof(memory)) ? memory.WorkingSetSize : 0;
}

} // namespace driver
