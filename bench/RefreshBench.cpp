// What one status refresh costs against the least the platform needs for the same result,
// both measured in this run against two running stand-in services.
#include "HostPath.h"
#include "MonitorDlg.h"
#include "ProgramFigures.h"
#include "ServiceDriver.h"
#include "SettingsDialogBench.h"
#include "Settings.h"
#include "Timing.h"
#include "WinApp.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Names of this run's own, so that a run broken off earlier is in no way.
const std::string kDatabase = "VelmoraBenchDb" + std::to_string(GetCurrentProcessId());
const std::string kListener = "VelmoraBenchTns" + std::to_string(GetCurrentProcessId());
constexpr int kCallsPerRound = 20;
constexpr int kRounds = 9;
constexpr DWORD kIdleSeconds = 60;

std::string ReadSetting(const char* entry)
{
    const std::string path = std::string("Software\\") + Settings::kCompany + "\\Velmora\\" + Settings::kSection;
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    char value[256] = "";
    DWORD size = sizeof(value);
    RegQueryValueExA(key, entry, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return value;
}

DWORD QueryOnce(SC_HANDLE manager, const std::string& name)
{
    const SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    QueryServiceStatus(service, &status);
    CloseServiceHandle(service);
    return status.dwCurrentState;
}

// The same visible result as a refresh, with nothing of the program's around it.
void BareRefresh(CMonitorDlg& dlg, SC_HANDLE manager, NOTIFYICONDATAA& icon)
{
    const std::string database = ReadSetting(Settings::kOracleSrv);
    const std::string listener = ReadSetting(Settings::kOracleTns);
    const HWND window = dlg.m_hWnd;
    const auto transfer = [&](const char* line1, const char* line2, const char* line3, const char* line4) {
        SetDlgItemTextA(window, IDC_ORACLE_STATE, line1);
        SetDlgItemTextA(window, IDC_ORACLE_NAME, line2);
        SetDlgItemTextA(window, IDC_TNS_STATE, line3);
        SetDlgItemTextA(window, IDC_TNS_NAME, line4);
    };
    transfer("", "", "", "");
    QueryOnce(manager, database);
    const std::string databaseLine = "(" + database + ")";
    const std::string listenerLine = "(" + listener + ")";
    transfer("Oracle ist gestartet.", databaseLine.c_str(), "", "");
    QueryOnce(manager, listener);
    transfer("Oracle ist gestartet.", databaseLine.c_str(), "TNS-Listener ist gestartet.", listenerLine.c_str());
    icon.uFlags = NIF_ICON;
    Shell_NotifyIconA(NIM_MODIFY, &icon);
    EnableWindow(GetDlgItem(window, IDC_START), FALSE);
    EnableWindow(GetDlgItem(window, IDC_STOP), TRUE);
    EnableMenuItem(dlg.m_pTrayPopup->m_hMenu, ID_TRAY_START, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(dlg.m_pTrayPopup->m_hMenu, ID_TRAY_STOP, MF_BYCOMMAND | MF_ENABLED);
}

double CpuSecondsOfThisProcess()
{
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(value(kernel) + value(user)) / 1e7;
}

// The window's own refresh timer, with nothing else running in this process, as in the
// program; measured here because Wine gives no other process a program's CPU times.
void PrintIdleCpu(const char* window)
{
    const double before = CpuSecondsOfThisProcess();
    const ULONGLONG end = GetTickCount64() + kIdleSeconds * 1000;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    const double busy = CpuSecondsOfThisProcess() - before;
    std::printf("| CPU time over %lu s of refreshing every 1.5 s, two running services, %s (the Wine server's and "
                "the service manager's share not included; Wine counts in 10 ms steps) | %.2f s = %.2f %% of one "
                "core |\n",
                static_cast<unsigned long>(kIdleSeconds), window, busy, busy * 100.0 / kIdleSeconds);
}

bool StartStandin(const std::string& name)
{
    return driver::CreateStandinService(name, name, "--start-delay=100 --stop-delay=100")
        && driver::StartServiceByName(name) && driver::WaitForServiceState(name, SERVICE_RUNNING, 20000);
}

} // namespace

int main()
{
    if (!StartStandin(kDatabase) || !StartStandin(kListener)) {
        std::fprintf(stderr, "the stand-in services did not start\n");
        return 1;
    }
    CWinApp app("Velmora");
    app.SetRegistryKey(Settings::kCompany);
    app.WriteProfileString(Settings::kSection, Settings::kOracleSrv, kDatabase.c_str());
    app.WriteProfileString(Settings::kSection, Settings::kOracleTns, kListener.c_str());

    CMonitorDlg dlg;
    app.m_pMainWnd = &dlg;
    dlg.Create(CMonitorDlg::IDD);
    dlg.KillTimer(CMonitorDlg::TIMER_STARTUP);

    const SC_HANDLE manager = OpenSCManagerA(nullptr, "ServicesActive", SC_MANAGER_CONNECT);
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = dlg.m_hWnd;
    icon.uID = ID_TRAY_ICON;
    icon.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_RUNNING));

    // Rounds of the two alternate, so that a slow moment of the machine falls on both alike.
    std::vector<double> refreshRounds;
    std::vector<double> bareRounds;
    for (int round = 0; round < kRounds; ++round) {
        refreshRounds.push_back(bench::Microseconds([&] { dlg.RefreshStatus(); }, kCallsPerRound));
        bareRounds.push_back(bench::Microseconds([&] { BareRefresh(dlg, manager, icon); }, kCallsPerRound));
    }
    const double refresh = bench::Median(refreshRounds);
    const double bare = bench::Median(bareRounds);
    std::printf("| Figure | Value |\n|---|---|\n");
    std::printf("| One RefreshStatus, both services running | %.1f us |\n", refresh);
    std::printf("| The bare platform calls for the same result | %.1f us |\n", bare);
    std::printf("| Ratio (goal at most 1.2) | %.2f |\n", refresh / bare);

    CloseServiceHandle(manager);
    // The program's own start-up step arms its refresh timer; the move into the tray it also
    // arms waits for the second figure.
    dlg.ShowWindow(SW_SHOW);
    dlg.OnTimer(CMonitorDlg::TIMER_STARTUP);
    dlg.KillTimer(CMonitorDlg::TIMER_MINIMIZE);
    PrintIdleCpu("window shown");
    dlg.MinimizeWindow();
    PrintIdleCpu("window hidden in the tray");
    dlg.DestroyWindow();
    PrintProgramFigures(driver::WindowsPath(VELMORA_EXE), driver::WindowsPath(VELMORA_SOAK_EXE));
    std::printf("\n");
    PrintSettingsDialogFigures();
    for (const std::string& name : { kDatabase, kListener }) {
        driver::StopServiceByName(name);
        driver::WaitForServiceState(name, SERVICE_STOPPED, 20000);
        driver::RemoveService(name);
    }
    return 0;
}
