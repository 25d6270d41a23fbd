// Command line front end of the driver, for scripts and demos.
#include "ServiceDriver.h"
#include "TrayDriver.h"
#include "WindowDriver.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kFindWindowTimeoutMs = 10000;
constexpr DWORD kWatchIntervalMs = 250;
const int kStatusLineIds[] = {1009, 1010, 1011, 1012};

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    size_t minArgs;
    const char* usage;
    bool (*run)(const Args& args);
};

std::string JoinFrom(const Args& args, size_t first)
{
    std::string joined;
    for (size_t i = first; i < args.size(); ++i)
        joined += (joined.empty() ? "" : " ") + args[i];
    return joined;
}

HWND FindMainWindowOrComplain(const std::string& caption)
{
    const HWND wnd = driver::FindMainWindow(caption, kFindWindowTimeoutMs);
    if (!wnd)
        std::fprintf(stderr, "no window with caption \"%s\"\n", caption.c_str());
    return wnd;
}

bool RunCreateService(const Args& args)
{
    return driver::CreateStandinService(args[0], args[1], JoinFrom(args, 2));
}

bool RunDeleteService(const Args& args) { return driver::RemoveService(args[0]); }
bool RunStartService(const Args& args) { return driver::StartServiceByName(args[0]); }
bool RunStopService(const Args& args) { return driver::StopServiceByName(args[0]); }

bool RunQueryService(const Args& args)
{
    const DWORD state = driver::QueryServiceState(args[0]);
    std::printf("%lu\n", static_cast<unsigned long>(state));
    return state != 0;
}

bool RunWaitService(const Args& args)
{
    const DWORD state = std::strtoul(args[1].c_str(), nullptr, 10);
    const DWORD timeoutMs = std::strtoul(args[2].c_str(), nullptr, 10);
    return driver::WaitForServiceState(args[0], state, timeoutMs);
}

std::vector<std::string> StatusLines(HWND wnd)
{
    std::vector<std::string> lines;
    for (int id : kStatusLineIds)
        lines.push_back(driver::ControlText(wnd, id));
    return lines;
}

bool RunWatchStatus(const Args& args)
{
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    if (!wnd)
        return false;
    std::vector<std::string> shown;
    while (IsWindow(wnd)) {
        const std::vector<std::string> lines = StatusLines(wnd);
        // A window that vanished mid-read yields empty texts that it never showed.
        if (lines != shown && IsWindow(wnd)) {
            for (const std::string& line : lines)
                std::printf("%s\n", line.c_str());
            std::fflush(stdout);
            shown = lines;
        }
        Sleep(kWatchIntervalMs);
    }
    return true;
}

bool RunPrintText(const Args& args)
{
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    if (!wnd)
        return false;
    std::printf("%s\n", driver::ControlText(wnd, std::atoi(args[1].c_str())).c_str());
    return true;
}

bool RunClick(const Args& args)
{
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    return wnd && driver::ClickButton(wnd, std::atoi(args[1].c_str()));
}

bool RunWaitText(const Args& args)
{
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    return wnd && driver::WaitControlText(wnd, std::atoi(args[1].c_str()), args[2],
                                          static_cast<DWORD>(std::strtoul(args[3].c_str(), nullptr, 10)));
}

bool RunCommand(const Args& args)
{
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    return wnd && driver::PostCommand(wnd, std::atoi(args[1].c_str()));
}

// The tray icon's notification, as the shell sends it for a mouse message (517: right button up).
bool RunTray(const Args& args)
{
    constexpr UINT kIconId = 104;
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    return wnd && driver::PostTrayCallback(wnd, kIconId, static_cast<UINT>(std::strtoul(args[1].c_str(), nullptr, 10)));
}

bool RunCloseMenu(const Args& args)
{
    const HWND wnd = FindMainWindowOrComplain(args[0]);
    DWORD pid = 0;
    if (wnd)
        GetWindowThreadProcessId(wnd, &pid);
    const HWND menu = wnd ? driver::FindPopupMenu(pid, kFindWindowTimeoutMs) : nullptr;
    return menu && driver::DismissPopupMenu(menu);
}

const Command kCommands[] = {
    {"create-service", 2, "NAME DISPLAY [standin args...]", RunCreateService},
    {"delete-service", 1, "NAME", RunDeleteService},
    {"start-service", 1, "NAME", RunStartService},
    {"stop-service", 1, "NAME", RunStopService},
    {"query-service", 1, "NAME", RunQueryService},
    {"wait-service", 3, "NAME STATE TIMEOUT_MS", RunWaitService},
    {"watch-status", 1, "CAPTION", RunWatchStatus},
    {"text", 2, "CAPTION ID", RunPrintText},
    {"click", 2, "CAPTION ID", RunClick},
    {"wait-text", 4, "CAPTION ID TEXT TIMEOUT_MS", RunWaitText},
    {"command", 2, "CAPTION ID", RunCommand},
    {"tray", 2, "CAPTION MOUSE_MESSAGE", RunTray},
    {"close-menu", 1, "CAPTION", RunCloseMenu},
};

void PrintUsage()
{
    std::fprintf(stderr, "usage: velmora-driver <command> args...; commands:");
    for (const Command& command : kCommands)
        std::fprintf(stderr, " %s %s;", command.name, command.usage);
    std::fprintf(stderr, "\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintUsage();
        return 1;
    }
    const std::string name = argv[1];
    const Args args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name != command.name)
            continue;
        if (args.size() < command.minArgs) {
            std::fprintf(stderr, "usage: velmora-driver %s %s\n", command.name, command.usage);
            return 1;
        }
        if (command.run(args))
            return 0;
        std::fprintf(stderr, "%s failed (error %lu)\n", command.name,
                     static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    PrintUsage();
    return 1;
}
