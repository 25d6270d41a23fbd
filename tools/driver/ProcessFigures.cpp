#include "ProcessFigures.h"
#include <psapi.h>
#include <vector>

namespace driver {

namespace {

constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry {
    USHORT processId;
    USHORT creatorBackTraceIndex;
    UCHAR objectTypeIndex;
    UCHAR handleAttributes;
    USHORT handleValue;
    PVOID object;
    ULONG grantedAccess;
};

struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

} // namespace

long KernelHandleCount(DWORD processId)
{
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return -1;
    std::vector<BYTE> buffer(1 << 16);
    LONG status = 0;
    for (;;) {
        ULONG needed = 0;
        status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status != kStatusInfoLengthMismatch)
            break;
        buffer.resize(buffer.size() * 2);
    }
    if (status < 0)
        return -1;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    // The list holds only the low 16 bits of a process id.
    const USHORT wanted = static_cast<USHORT>(processId);
    long count = 0;
    for (ULONG i = 0; i < list->count; ++i)
        count += list->entries[i].processId == wanted ? 1 : 0;
    return count;
}

SIZE_T WorkingSetBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    return K32GetProcessMemoryInfo(process, &memory, sizeof(memory)) ? memory.WorkingSetSize : 0;
}

} // namespace driver
