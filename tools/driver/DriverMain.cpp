// Command line of the driver, for the scripts: velmora-driver <command> args...
#include "ServiceDriver.h"
#include "TrayDriver.h"
#include "WindowDriver.h"
#include "resource.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr DWORD kFindWindowTimeoutMs = 10000;
constexpr const char* kUsage =
    "usage: velmora-driver create-service NAME DISPLAY [standin args...] | watch-status CAPTION"
    " | wait-text CAPTION ID TEXT TIMEOUT_MS | command CAPTION ID | tray CAPTION MOUSE_MESSAGE | close-menu CAPTION\n"
    "ID: a control's or command's name as the program's resource header names it, e.g. IDC_ORACLE_STATE\n";

// Each command with the number of arguments it needs at least.
const std::map<std::string, int> kCommands = {
    { "create-service", 2 }, { "watch-status", 1 }, { "wait-text", 4 },
    { "command", 2 },        { "tray", 2 },         { "close-menu", 1 },
};

// The ids the scripts ask for, by the names they have in the program's resource header.
#define NAMED_ID(id) { #id, id }
const std::map<std::string, int> kIds = {
    NAMED_ID(IDC_ORACLE_STATE), NAMED_ID(IDC_ORACLE_NAME), NAMED_ID(IDC_TNS_STATE),
    NAMED_ID(IDC_SERVICE_SRV),  NAMED_ID(IDC_SERVICE_TNS), NAMED_ID(ID_TRAY_INFO),
    NAMED_ID(ID_TRAY_CLOSE),
};
#undef NAMED_ID

int IdNamed(const char* name)
{
    const auto found = kIds.find(name);
    return found == kIds.end() ? 0 : found->second;
}

// Prints the four status lines each time they change, until the window is gone.
bool WatchStatus(HWND wnd)
{
    std::string shown;
    while (IsWindow(wnd)) {
        std::string lines;
        for (const int id : { IDC_ORACLE_STATE, IDC_ORACLE_NAME, IDC_TNS_STATE, IDC_TNS_NAME })
            lines += driver::ControlText(wnd, id) + "\n";
        // A window that vanished mid-read yields empty texts that it never showed.
        if (lines != shown && IsWindow(wnd)) {
            std::fputs(lines.c_str(), stdout);
            std::fflush(stdout);
            shown = lines;
        }
        Sleep(250);
    }
    return true;
}

bool Run(const std::string& command, int count, char** args)
{
    if (command == "create-service") {
        std::string standinArgs;
        for (int i = 2; i < count; ++i)
            standinArgs += std::string(i > 2 ? " " : "") + args[i];
        return driver::CreateStandinService(args[0], args[1], standinArgs);
    }
    const HWND wnd = driver::FindMainWindow(args[0], kFindWindowTimeoutMs);
    if (!wnd) {
        std::fprintf(stderr, "no window with caption \"%s\"\n", args[0]);
        return false;
    }
    if (command == "watch-status")
        return WatchStatus(wnd);
    const bool takesId = command == "wait-text" || command == "command";
    const int id = takesId ? IdNamed(args[1]) : 0;
    if (takesId && id == 0) {
        std::fprintf(stderr, "no id named \"%s\"\n", args[1]);
        return false;
    }
    if (command == "wait-text")
        return driver::WaitControlText(wnd, id, args[2], std::strtoul(args[3], nullptr, 10));
    if (command == "command")
        return driver::PostCommand(wnd, id);
    if (command == "tray")
        return driver::PostTrayCallback(wnd, std::strtoul(args[1], nullptr, 10));
    // Ends the tracking of an open popup menu of the window, as a click elsewhere does.
    return PostMessageA(wnd, WM_CANCELMODE, 0, 0);
}

} // namespace

int main(int argc, char** argv)
{
    const auto command = argc > 1 ? kCommands.find(argv[1]) : kCommands.end();
    if (command == kCommands.end() || argc - 2 < command->second) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    if (Run(command->first, argc - 2, argv + 2))
        return 0;
    std::fprintf(stderr, "%s failed (error %lu)\n", argv[1], static_cast<unsigned long>(GetLastError()));
    return 1;
}
