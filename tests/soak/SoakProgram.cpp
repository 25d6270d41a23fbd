// The program as shipped, with a way in for the soak test and the benchmark: refreshes driven
// directly, faster than any timer, and the counts of what the program's handle owners hold.
#include "MonitorApp.h"
#include "MonitorDlg.h"
#include "RegistryKey.h"
#include "ServiceManager.h"
#include "SoakProtocol.h"

namespace {

constexpr soak::Leak kLeak = static_cast<soak::Leak>(VELMORA_SOAK_LEAK);

class CSoakMonitorDlg : public CMonitorDlg {
public:
    static const UINT WM_SOAK;

    LRESULT OnSoak(WPARAM request, LPARAM cycles)
    {
        switch (request) {
        case soak::REFRESH:
            for (LPARAM cycle = 0; cycle < cycles; ++cycle) {
                RefreshStatus();
                LeakOnce();
            }
            return cycles;
        case soak::LIVE_SERVICE_HANDLES:
            return ServiceHandle::LiveCount();
        case soak::LIVE_REGISTRY_KEYS:
            return RegistryKey::LiveCount();
        case soak::LIVE_ICONS:
            return HandleOwner<IconTraits>::LiveCount();
        case soak::LIVE_BITMAPS:
            return HandleOwner<GdiObjectTraits>::LiveCount();
        default:
            return -1;
        }
    }

    DECLARE_MESSAGE_MAP()

private:
    void LeakOnce()
    {
        if (kLeak == soak::LEAK_REGISTRY_KEY) {
            HKEY key = nullptr;
            RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key);
        } else if (kLeak == soak::LEAK_SERVICE_HANDLE) {
            ServiceManager::OpenForQuery(m_hSCManager.get(), m_strOracleSrv).release();
        }
    }
};

const UINT CSoakMonitorDlg::WM_SOAK = RegisterWindowMessageA(soak::kMessageName);

BEGIN_MESSAGE_MAP(CSoakMonitorDlg, CMonitorDlg)
    ON_REGISTERED_MESSAGE(WM_SOAK, OnSoak)
END_MESSAGE_MAP()

// The application as shipped, under its own registry branch, with the soak test's window.
class CSoakApp : public CMonitorApp {
public:
    CSoakApp() : CMonitorApp("Velmora") {}

    BOOL InitInstance() override
    {
        UseProgramProfile();
        CSoakMonitorDlg dlg;
        return RunMainWindow(dlg);
    }
};

CSoakApp theApp;

} // namespace
