#include "ProgramFigures.h"
#include "Polling.h"
#include "TrayDriver.h"
#include "WindowDriver.h"
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStarts = 5;
constexpr UINT kIconId = 104;
constexpr DWORD kIdleSeconds = 60;

struct StartFigures {
    double milliseconds;
    SIZE_T workingSet;
};

ULONGLONG CpuTime100ns(HANDLE process)
{
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& time) { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    return value(kernel) + value(user);
}

// Measures one start; with idleSeconds, also the CPU time the running program then uses.
bool Measure(const std::string& executable, StartFigures& figures, DWORD idleSeconds = 0)
{
    std::string commandLine = "\"" + executable + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const ULONGLONG started = GetTickCount64();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    HWND window = nullptr;
    const bool up = driver::PollUntil([&] {
        window = window ? window : driver::FindMainWindow("Velmora", 0, process.dwProcessId);
        return window && IsWindowVisible(window) && driver::IconRegistered(window, kIconId);
    }, 20000);
    figures.milliseconds = static_cast<double>(GetTickCount64() - started);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    figures.workingSet = memory.WorkingSetSize;
    if (up && idleSeconds) {
        const ULONGLONG before = CpuTime100ns(process.hProcess);
        Sleep(idleSeconds * 1000);
        const double busy = static_cast<double>(CpuTime100ns(process.hProcess) - before) / 1e7;
        // Wine reports a process's CPU times to the process itself only; zero here proves nothing.
        if (busy == 0.0)
            std::printf("| CPU time over %lu s of refreshing | not measured: Wine gave this process no CPU times "
                        "of another |\n",
                        static_cast<unsigned long>(idleSeconds));
        else
            std::printf("| CPU time over %lu s of refreshing every 1.5 s, two running services (the Wine server's "
                    "and the service manager's share not included) | %.3f s = %.3f %% of one core |\n",
                    static_cast<unsigned long>(idleSeconds), busy, busy * 100.0 / idleSeconds);
    }
    if (window)
        driver::PostCommand(window, IDCANCEL);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return up;
}

} // namespace

void PrintProgramFigures(const std::string& executable)
{
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (GetFileAttributesExA(executable.c_str(), GetFileExInfoStandard, &file))
        std::printf("| Size of Velmora.exe | %lu KB |\n", static_cast<unsigned long>(file.nFileSizeLow / 1024));
    std::vector<double> times;
    SIZE_T workingSet = 0;
    for (int start = 0; start < kStarts; ++start) {
        StartFigures figures{};
        if (!Measure(executable, figures)) {
            std::printf("| Start-up | the window or the icon did not appear |\n");
            return;
        }
        times.push_back(figures.milliseconds);
        workingSet = figures.workingSet;
    }
    // The polling interval of the driver bounds the resolution of this figure.
    std::sort(times.begin(), times.end());
    std::printf("| Process start to tray icon added and window shown (median of %d, +-%lu ms) | %.0f ms |\n", kStarts,
                static_cast<unsigned long>(driver::kPollIntervalMs), times[times.size() / 2]);
    std::printf("| Working set after start-up | %lu KB |\n", static_cast<unsigned long>(workingSet / 1024));
    StartFigures idle{};
    Measure(executable, idle, kIdleSeconds);
}
