// A Windows service that behaves like a slow database service, one that may also vanish,
// so the monitor can be tested against real SCM state changes.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

struct Options {
    DWORD startDelayMs = 0;
    DWORD stopDelayMs = 0;
    DWORD crashAfterMs = INFINITE;
};

constexpr DWORD kPendingSliceMs = 500;

Options g_options;
SERVICE_STATUS_HANDLE g_statusHandle = nullptr;
SERVICE_STATUS g_status = {};
std::mutex g_statusMutex;
HANDLE g_stopEvent = nullptr;

void ReadMsOption(const char* arg, const char* prefix, DWORD& value)
{
    const size_t length = std::strlen(prefix);
    if (std::strncmp(arg, prefix, length) == 0)
        value = static_cast<DWORD>(std::strtoul(arg + length, nullptr, 10));
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        ReadMsOption(arg, "--start-delay=", options.startDelayMs);
        ReadMsOption(arg, "--stop-delay=", options.stopDelayMs);
        ReadMsOption(arg, "--crash-after=", options.crashAfterMs);
    }
    return options;
}

void ReportStatus(DWORD state, DWORD waitHintMs = 0)
{
    std::lock_guard<std::mutex> lock(g_statusMutex);
    const bool pending = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING;
    g_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    g_status.dwCurrentState = state;
    // While pending nothing is accepted, as real services do.
    g_status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
    g_status.dwCheckPoint = pending ? g_status.dwCheckPoint + 1 : 0;
    g_status.dwWaitHint = waitHintMs;
    SetServiceStatus(g_statusHandle, &g_status);
}

// Spends the delay in the pending state, moving the checkpoint so the SCM and any
// watcher see progress rather than a hung service.
void StayPending(DWORD pendingState, DWORD delayMs)
{
    DWORD remaining = delayMs;
    ReportStatus(pendingState, remaining + kPendingSliceMs);
    while (remaining > 0) {
        const DWORD slice = remaining < kPendingSliceMs ? remaining : kPendingSliceMs;
        Sleep(slice);
        remaining -= slice;
        ReportStatus(pendingState, remaining + kPendingSliceMs);
    }
}

[[noreturn]] void CrashAbruptly()
{
    // No final status report: the monitor must cope with a service that simply vanishes.
    TerminateProcess(GetCurrentProcess(), ERROR_PROCESS_ABORTED);
    ExitProcess(ERROR_PROCESS_ABORTED);
}

DWORD WINAPI HandleControl(DWORD control, DWORD, LPVOID, LPVOID)
{
    switch (control) {
    case SERVICE_CONTROL_STOP:
        // A real service answers the stop with its pending state, which the caller reads from the reply.
        ReportStatus(SERVICE_STOP_PENDING, g_options.stopDelayMs + 1000);
        SetEvent(g_stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD argc, LPSTR* argv)
{
    const char* serviceName = argc > 0 ? argv[0] : "";
    g_statusHandle = RegisterServiceCtrlHandlerExA(serviceName, HandleControl, nullptr);
    if (!g_statusHandle)
        return;
    g_stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);

    StayPending(SERVICE_START_PENDING, g_options.startDelayMs);

    ReportStatus(SERVICE_RUNNING);
    if (WaitForSingleObject(g_stopEvent, g_options.crashAfterMs) == WAIT_TIMEOUT)
        CrashAbruptly();

    StayPending(SERVICE_STOP_PENDING, g_options.stopDelayMs);
    ReportStatus(SERVICE_STOPPED);
}

} // namespace

int main(int argc, char** argv)
{
    g_options = ParseOptions(argc, argv);
    // With a single own-process entry the SCM does not care about the name.
    char name[] = "VelmoraStandin";
    const SERVICE_TABLE_ENTRYA table[] = {{name, ServiceMain}, {nullptr, nullptr}};
    if (!StartServiceCtrlDispatcherA(table)) {
        const char message[] = "velmora-standin-service runs only when started as a service\r\n";
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), message, sizeof message - 1, &written, nullptr);
        return 1;
    }
    return 0;
}
