#include "ProgramFigures.h"
#include "Polling.h"
#include "ProcessFigures.h"
#include "SoakProtocol.h"
#include "TrayDriver.h"
#include "WindowDriver.h"
#include "resource.h"
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kStarts = 5;
constexpr int kLongRunRefreshes = 10000;
constexpr UINT kLongRunTimeoutMs = 1800000;

struct RunningProgram {
    HWND window;
    HANDLE process;
    DWORD processId;
};

using WhileRunning = std::function<void(const RunningProgram&)>;

// Starts the program, returns the time until its icon is added and its window shown, and runs
// whileRunning before it ends the program; a negative time when it did not come up.
double MeasureStart(const std::string& executable, const WhileRunning& whileRunning)
{
    std::string commandLine = "\"" + executable + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const ULONGLONG started = GetTickCount64();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    HWND window = nullptr;
    const bool up = driver::PollUntil([&] {
        window = window ? window : driver::FindMainWindow("Velmora", 0, process.dwProcessId);
        return window && IsWindowVisible(window) && driver::IconRegistered(window, ID_TRAY_ICON);
    }, 20000);
    const double milliseconds = static_cast<double>(GetTickCount64() - started);
    if (up)
        whileRunning({ window, process.hProcess, process.dwProcessId });
    if (window)
        driver::PostCommand(window, IDCANCEL);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return up ? milliseconds : -1;
}

void PrintMemoryAndHandles(const RunningProgram& program, const char* when)
{
    std::printf("| Working set %s | %lu KB |\n", when,
                static_cast<unsigned long>(driver::WorkingSetBytes(program.process) / 1024));
    std::printf("| Kernel handles %s | %ld |\n", when, driver::KernelHandleCount(program.processId));
}

LRESULT AskSoakBuild(const RunningProgram& program, soak::Request request, LPARAM cycles = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(program.window, RegisterWindowMessageA(soak::kMessageName), request, cycles, SMTO_NORMAL,
                        kLongRunTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// The soak build is the program as shipped plus a way to drive refreshes faster than the timer.
void MeasureLongRun(const RunningProgram& program)
{
    PrintMemoryAndHandles(program, "after start-up");
    AskSoakBuild(program, soak::REFRESH, kLongRunRefreshes);
    PrintMemoryAndHandles(program, "after 10,000 more refreshes");
}

} // namespace

void PrintProgramFigures(const std::string& executable, const std::string& soakExecutable)
{
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (GetFileAttributesExA(executable.c_str(), GetFileExInfoStandard, &file))
        std::printf("| Size of Velmora.exe | %lu KB |\n", static_cast<unsigned long>(file.nFileSizeLow / 1024));
    std::vector<double> times;
    for (int start = 0; start < kStarts; ++start) {
        const double milliseconds = MeasureStart(executable, [](const RunningProgram&) {});
        if (milliseconds < 0) {
            std::printf("| Start-up | the window or the icon did not appear |\n");
            return;
        }
        times.push_back(milliseconds);
    }
    // The polling interval of the driver bounds the resolution of this figure.
    std::sort(times.begin(), times.end());
    std::printf("| Process start to tray icon added and window shown (median of %d, +-%lu ms) | %.0f ms |\n", kStarts,
                static_cast<unsigned long>(driver::kPollIntervalMs), times[times.size() / 2]);
    if (MeasureStart(soakExecutable, MeasureLongRun) < 0)
        std::printf("| Long run | the soak build did not come up |\n");
}
