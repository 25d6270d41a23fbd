// The start-up, minimise and refresh ticks, driven by the test instead of by time.
#include "MonitorFixture.h"
#include "Settings.h"
#include <algorithm>

namespace {

using MonitorTimersTest = MonitorFixture;
constexpr UINT kStartup = CMonitorDlg::TIMER_STARTUP;
constexpr UINT kMinimize = CMonitorDlg::TIMER_MINIMIZE;
constexpr UINT kRefresh = CMonitorDlg::TIMER_REFRESH;

TEST_F(MonitorTimersTest, StartUpByParamStartAndParamMin)
{
    struct Row {
        DWORD paramStart;
        DWORD paramMin;
        bool minimisedAtTick;
        int minimiseDelayAfterTick; // 0: none armed
        int minimiseDelayAfterStart;
    };
    const Row rows[] = {
        { 0, 0, false, 1000, 0 },
        { 0, 1, true, 0, 0 },
        { 0, 2, false, 1000, 0 },
        { 1, 0, false, 0, 500 },
        { 1, 1, true, 0, 0 },
        { 1, 2, false, 0, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "ParamStart " << row.paramStart << ", ParamMin " << row.paramMin);
        Configure(SERVICE_STOPPED, SERVICE_STOPPED);
        WriteNumber(Settings::kParamStart, row.paramStart);
        WriteNumber(Settings::kParamMin, row.paramMin);
        m_ui.timers.clear();
        m_scm.startRequests = 0;
        CMonitorDlg& dlg = OpenWindow();
        EXPECT_EQ(10u, m_ui.timers.at(kStartup));
        Tick(kStartup);
        EXPECT_EQ(0u, m_ui.timers.count(kStartup)) << "the start-up tick comes once";
        EXPECT_EQ(1500u, m_ui.timers.at(kRefresh));
        EXPECT_EQ(row.minimisedAtTick, Minimised());
        EXPECT_EQ(row.paramStart == 1, m_scm.startRequests == 2);
        EXPECT_EQ(row.paramStart == 1, dlg.m_bAutoStart != FALSE);
        if (row.minimiseDelayAfterTick) {
            EXPECT_EQ(static_cast<UINT>(row.minimiseDelayAfterTick), m_ui.timers.at(kMinimize));
            Tick(kMinimize);
            EXPECT_TRUE(Minimised());
            EXPECT_EQ(0u, m_ui.timers.count(kMinimize));
        } else {
            EXPECT_EQ(0u, m_ui.timers.count(kMinimize));
        }
        if (row.paramStart == 1) {
            Tick(kRefresh);
            EXPECT_TRUE(dlg.m_bAutoStart) << "still pending";
            m_scm.Service(kDatabase).state = SERVICE_RUNNING;
            m_scm.Service(kListener).state = SERVICE_RUNNING;
            Tick(kRefresh);
            EXPECT_FALSE(dlg.m_bAutoStart);
            if (row.minimiseDelayAfterStart) {
                EXPECT_FALSE(Minimised()) << "visible while the services start";
                EXPECT_EQ(static_cast<UINT>(row.minimiseDelayAfterStart), m_ui.timers.at(kMinimize));
                Tick(kMinimize);
                EXPECT_TRUE(Minimised());
            } else {
                EXPECT_EQ(0u, m_ui.timers.count(kMinimize)) << "only ParamMin 0 minimises after the start";
            }
        }
        CloseWindow();
    }
}

TEST_F(MonitorTimersTest, TheFirstRefreshShowsTheStateBeforeTheStart)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber(Settings::kParamStart, 1);
    OpenWindow();
    Tick(kStartup);
    EXPECT_EQ(Icon(138), LastIcon());
    EXPECT_EQ("Oracle wird gestartet.", Line(1009));
}

// Closes the settings dialog from inside its modal loop, noting what stood before it closed.
CMonitorDlg* g_monitor = nullptr;
bool g_settingsWereOpen = false;
bool g_refreshArmedWhileOpen = true;

void CALLBACK CloseSettings(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_settingsWereOpen = IsWindow(g_monitor->m_infoDlg.m_hWnd) != FALSE;
    g_refreshArmedWhileOpen = FakeUserInterface::current->timers.count(CMonitorDlg::TIMER_REFRESH) > 0;
    g_monitor->m_infoDlg.Cancel();
}

TEST_F(MonitorTimersTest, NothingConfiguredOpensTheSettingsFirstAndRefreshesEveryHalfSecond)
{
    WriteNumber(Settings::kParamStart, 1);
    WriteNumber(Settings::kParamMin, 1);
    g_monitor = &OpenWindow();
    SetTimer(nullptr, 0, 0, &CloseSettings);
    Tick(kStartup);
    EXPECT_TRUE(g_settingsWereOpen);
    EXPECT_FALSE(g_refreshArmedWhileOpen) << "no refresh runs during the first settings dialog";
    EXPECT_EQ(500u, m_ui.timers.at(kRefresh));
    EXPECT_EQ(0u, m_ui.timers.count(kMinimize));
    EXPECT_FALSE(Minimised());
    EXPECT_EQ(0, m_scm.startRequests);
    EXPECT_EQ(0, std::count_if(m_scm.calls.begin(), m_scm.calls.end(),
                               [](const std::string& call) { return call.rfind("open ", 0) == 0; }))
        << "no service opened: no refresh";
    EXPECT_EQ(std::vector<std::string>({ "set 1044 10", "kill 1044", "set 1064 500" }), m_ui.timerCalls);
}

TEST_F(MonitorTimersTest, AStartAtLaunchThatFailsKeepsTheWindowShowingIt)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_scm.Service(kDatabase).stateAfterStart = SERVICE_STOPPED; // the service gives up at once
    WriteNumber(Settings::kParamStart, 1);
    CMonitorDlg& dlg = OpenWindow();
    Tick(kStartup);
    m_scm.Service(kListener).state = SERVICE_RUNNING;
    Tick(kRefresh);
    EXPECT_EQ("Oracle ist beendet.", Line(1009));
    EXPECT_FALSE(dlg.m_bAutoStart);
    EXPECT_EQ(0u, m_ui.timers.count(kMinimize));
    EXPECT_FALSE(Minimised());
}

TEST_F(MonitorTimersTest, AServiceThatCannotBeOpenedForTheStartLeavesTheMinimiseToALaterStart)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_scm.Service(kDatabase).deniedAccess = SERVICE_START;
    WriteNumber(Settings::kParamStart, 1);
    CMonitorDlg& dlg = OpenWindow();
    Tick(kStartup);
    m_scm.Service(kListener).state = SERVICE_RUNNING;
    Tick(kRefresh);
    Tick(kRefresh);
    EXPECT_TRUE(dlg.m_bAutoStart) << "no start request exists for the database";
    EXPECT_EQ(0u, m_ui.timers.count(kMinimize));

    m_scm.Service(kDatabase).deniedAccess = 0;
    SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(1005, BN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(1005)));
    m_scm.Service(kDatabase).state = SERVICE_RUNNING;
    Tick(kRefresh);
    EXPECT_FALSE(dlg.m_bAutoStart);
    EXPECT_EQ(500u, m_ui.timers.at(kMinimize));
}

TEST_F(MonitorTimersTest, TheOneSecondMinimiseLeavesAMinimisedWindowAlone)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    CMonitorDlg& dlg = OpenWindow();
    Tick(kStartup);
    dlg.MinimizeWindow();
    dlg.RestoreWindow();
    EXPECT_FALSE(Minimised());
    Tick(kMinimize);
    EXPECT_TRUE(Minimised());
    dlg.MinimizeWindow();
    EXPECT_TRUE(Minimised());
}

TEST_F(MonitorTimersTest, ARefreshTickThatEndsTheProgramReturnsNormally)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber(Settings::kParamStop, 1);
    OpenWindow();
    Tick(kStartup);
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    m_scm.Service(kListener).state = SERVICE_STOPPED;
    Tick(kRefresh);
    EXPECT_TRUE(Ended());
}

} // namespace
