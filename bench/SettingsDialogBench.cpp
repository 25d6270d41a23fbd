#include "SettingsDialogBench.h"
#include "InfoDlg.h"
#include "ServiceDriver.h"
#include "Timing.h"
#include "resource.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 5;
const int kServiceCounts[] = { 25, 300, 1000 };

DWORD BareEnumeration()
{
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
    static std::vector<BYTE> buffer(1 << 20);
    DWORD needed = 0;
    DWORD returned = 0;
    DWORD resume = 0;
    EnumServicesStatusA(manager, SERVICE_WIN32 | SERVICE_DRIVER, SERVICE_STATE_ALL,
                        reinterpret_cast<ENUM_SERVICE_STATUSA*>(buffer.data()), static_cast<DWORD>(buffer.size()),
                        &needed, &returned, &resume);
    CloseServiceHandle(manager);
    return returned;
}

// A different character each time, so that every keystroke changes the field.
void TypeOneCharacter(HWND dialog, int round)
{
    const HWND edit = GetWindow(GetDlgItem(dialog, IDC_SERVICE_SRV), GW_CHILD);
    SendMessageA(edit, WM_CHAR, static_cast<WPARAM>('a' + round % 26), 0);
}

} // namespace

void PrintSettingsDialogFigures()
{
    const std::string prefix = "VelmoraBenchList" + std::to_string(GetCurrentProcessId()) + "_";
    std::vector<std::string> added;
    std::printf("| Services | Bare EnumServicesStatusA | Settings dialog opened | Ratio | One keystroke in the "
                "database service's field | Ratio |\n|---|---|---|---|---|---|\n");
    for (const int wanted : kServiceCounts) {
        while (static_cast<int>(BareEnumeration()) < wanted) {
            const std::string name = prefix + std::to_string(added.size());
            if (!driver::CreateStandinService(name, name, ""))
                break;
            added.push_back(name);
        }
        std::vector<double> bare;
        std::vector<double> open;
        std::vector<double> keystroke;
        for (int round = 0; round < kRounds; ++round) {
            bare.push_back(bench::Microseconds([] { BareEnumeration(); }));
            CInfoDlg dialog;
            open.push_back(bench::Microseconds([&] { dialog.Create(CInfoDlg::IDD); }));
            keystroke.push_back(bench::Microseconds([&] { TypeOneCharacter(dialog.m_hWnd, round); }));
            dialog.DestroyWindow();
        }
        const double bareMs = bench::Median(bare) / 1000;
        const double openMs = bench::Median(open) / 1000;
        const double keyMs = bench::Median(keystroke) / 1000;
        std::printf("| %lu | %.1f ms | %.1f ms | %.1f | %.1f ms | %.1f |\n", static_cast<unsigned long>(BareEnumeration()),
                    bareMs, openMs, openMs / bareMs, keyMs, keyMs / bareMs);
    }
    for (const std::string& name : added)
        driver::RemoveService(name);
}
