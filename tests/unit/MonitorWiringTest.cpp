// The main window's wiring: what a refresh, a click, a timer or the tray does to the lines, the
// buttons, the menu, the icon, the questions and the service manager.
#include "MonitorFixture.h"

namespace {

using MonitorWiringTest = MonitorFixture;

TEST_F(MonitorWiringTest, EachCombinedStateShowsItsIconAndCommands)
{
    const struct {
        DWORD database, listener;
        UINT icon;
        bool start, stop;
    } rows[] = {
        { SERVICE_RUNNING, SERVICE_RUNNING, 140, false, true },
        { SERVICE_RUNNING, SERVICE_STOPPED, 139, true, true },
        { SERVICE_STOPPED, SERVICE_STOPPED, 138, true, false },
    };
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    OpenWindow();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.icon);
        SetStates(row.database, row.listener);
        m_dlg->RefreshStatus();
        EXPECT_EQ(Icon(row.icon), LastIcon());
        EXPECT_EQ(row.start, Enabled(CMonitorDlg::IDC_START));
        EXPECT_EQ(row.stop, Enabled(CMonitorDlg::IDC_STOP));
        EXPECT_EQ(!row.start, MenuItemGreyed(CMonitorDlg::ID_TRAY_START));
        EXPECT_EQ(!row.stop, MenuItemGreyed(CMonitorDlg::ID_TRAY_STOP));
    }
    EXPECT_EQ("Oracle ist beendet.", Line(IDC_ORACLE_STATE));
    EXPECT_EQ("(OracleServiceTEST)", Line(IDC_ORACLE_NAME));
    EXPECT_EQ("TNS-Listener ist beendet.", Line(IDC_TNS_STATE));
    EXPECT_EQ("(OracleTestTNSListener)", Line(IDC_TNS_NAME));
    WriteText("OracleSrv", "");
    m_dlg->RefreshStatus();
    EXPECT_EQ("", Line(IDC_ORACLE_STATE)) << "an unnamed service's lines stand blank";
    EXPECT_EQ("", Line(IDC_ORACLE_NAME));
}

TEST_F(MonitorWiringTest, WithoutTheServiceManagerOnlyTheFirstLineSaysSo)
{
    m_scm.managerFails = true;
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    OpenWindow();
    for (auto action : { &CMonitorDlg::RefreshStatus, &CMonitorDlg::StartDatabase, &CMonitorDlg::StopDatabase }) {
        (m_dlg.get()->*action)();
        EXPECT_EQ("Service-Manager konnte nicht geöffnet werden!", Line(IDC_ORACLE_STATE));
        EXPECT_EQ("", Line(IDC_TNS_STATE));
    }
    EXPECT_TRUE(m_scm.requests.empty());
}

// Each open asks for exactly the rights its calls need, so that an ordinary user may watch.
TEST_F(MonitorWiringTest, StartAndStopAreWatchedUntilTheyComeToRest)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_scm.services[kListener].openError = ERROR_ACCESS_DENIED;
    OpenWindow();
    m_dlg->StartDatabase();
    EXPECT_EQ(std::vector<std::string>{ "start OracleServiceTEST" }, m_scm.requests);
    EXPECT_EQ("Oracle wird gestartet.", Line(IDC_ORACLE_STATE));
    EXPECT_EQ("Dienst für TNS-Listener konnte nicht geöffnet werden.", Line(IDC_TNS_STATE));
    EXPECT_EQ("(OracleTestTNSListener)", Line(IDC_TNS_NAME));
    m_dlg->RefreshStatus();
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle wird gestartet...", Line(IDC_ORACLE_STATE)) << "one dot more each refresh";
    EXPECT_EQ(2u, m_scm.open.size()) << "the manager and the start's kept handle";
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ(REQUEST_STARTED, m_dlg->m_nOracleRequest);
    EXPECT_EQ(1u, m_scm.open.size()) << "the start's handle is closed once it has served";

    m_scm.services[kListener].openError = 0;
    m_dlg->StopDatabase();
    EXPECT_EQ("TNS-Listener wird beendet.", Line(IDC_TNS_STATE));
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_EQ(REQUEST_STOPPED, m_dlg->m_nTnsRequest);
    EXPECT_EQ(1u, m_scm.open.size());
    const DWORD expected[] = { SC_MANAGER_CONNECT, SERVICE_START | SERVICE_QUERY_STATUS, SERVICE_QUERY_STATUS };
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(expected[i], m_scm.opens.at(i).access) << i;
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOP), m_scm.opens.at(m_scm.opens.size() - 4).access);
}

struct ExitRow {
    const char* label;
    int paramAsk, paramEnde;
    std::deque<int> answers;
    DWORD stateAfterStop;
    bool endsAtOnce, endsAfterRefresh;
    size_t questions;
};

// Every way of closing reaches OnCancel; a question, a stop before exit, and its failure.
TEST_F(MonitorWiringTest, TheExitPathAsksStopsAndEnds)
{
    const ExitRow rows[] = {
        { "plain", 0, 0, {}, 0, true, true, 0 },
        { "asked, no", 1, 0, { IDNO }, 0, false, false, 1 },
        { "asked, yes", 1, 0, { IDYES }, 0, true, true, 1 },
        { "stop on exit", 0, 1, {}, SERVICE_STOPPED, false, true, 0 },
        { "failed stop, end anyway", 0, 1, { IDYES }, SERVICE_RUNNING, false, true, 1 },
        { "failed stop, stay", 0, 1, { IDNO }, SERVICE_RUNNING, false, false, 1 },
    };
    for (const ExitRow& row : rows) {
        SCOPED_TRACE(row.label);
        Configure(SERVICE_RUNNING, SERVICE_STOPPED);
        WriteNumber("ParamAsk", row.paramAsk);
        WriteNumber("ParamEnde", row.paramEnde);
        m_scm.services[kDatabase].stateAfterStop = row.stateAfterStop;
        m_scm.services[kListener].stateAfterStop = SERVICE_STOPPED;
        m_ui.answers = row.answers;
        m_ui.questions.clear();
        OpenWindow();
        m_dlg->OnCancel();
        EXPECT_EQ(row.endsAtOnce, Ended());
        EXPECT_EQ(row.paramEnde == 1, !m_scm.requests.empty());
        m_dlg->RefreshStatus();
        EXPECT_EQ(row.endsAfterRefresh, Ended());
        EXPECT_EQ(row.questions, m_ui.questions.size());
        m_dlg->DestroyWindow();
        m_scm.requests.clear();
    }
    EXPECT_EQ("Datenbank konnte nicht erfolgreich beendet werden. \nWollen Sie das Programm dennoch beenden?",
              m_ui.questions.at(0));
}

TEST_F(MonitorWiringTest, AServiceStoredUnderItsDisplayNameIsWatched)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.services[kDatabase].displayName = "Oracle Datenbank";
    WriteText("OracleSrv", "Oracle Datenbank");
    OpenWindow();
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle ist gestartet.", Line(IDC_ORACLE_STATE));
    EXPECT_EQ("(Oracle Datenbank)", Line(IDC_ORACLE_NAME));
}

TEST_F(MonitorWiringTest, ParamStopEndsOnlyOnceTheServicesWereSeenActive)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber("ParamStop", 1);
    m_scm.services[kDatabase].queryFails = true;
    m_scm.services[kListener].queryFails = true;
    OpenWindow();
    m_dlg->RefreshStatus();
    m_scm.services[kDatabase].queryFails = false;
    m_scm.services[kListener].queryFails = false;
    m_dlg->RefreshStatus();
    EXPECT_FALSE(Ended()) << "unreachable services were not seen active";
    SetStates(SERVICE_RUNNING, SERVICE_START_PENDING);
    m_dlg->RefreshStatus();
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_TRUE(Ended());
}

TEST_F(MonitorWiringTest, AStartAtLaunchHidesTheWindowOnceBothRun)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber("ParamStart", 1);
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    EXPECT_EQ(2u, m_scm.requests.size());
    EXPECT_EQ(1500u, m_ui.timers.at(CMonitorDlg::TIMER_REFRESH));
    m_dlg->RefreshStatus();
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE));
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    Tick(CMonitorDlg::TIMER_REFRESH);
    EXPECT_EQ(500u, m_ui.timers.at(CMonitorDlg::TIMER_MINIMIZE));
    Tick(CMonitorDlg::TIMER_MINIMIZE);
    EXPECT_TRUE(Minimised());
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE));
}

TEST_F(MonitorWiringTest, AFailedStartAtLaunchKeepsTheWindow)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber("ParamStart", 1);
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    SetStates(SERVICE_STOPPED, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE));
}

TEST_F(MonitorWiringTest, WithoutAStartTheWindowGoesIntoTheTrayAfterASecondOrAtOnce)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_STARTUP));
    EXPECT_EQ(1000u, m_ui.timers.at(CMonitorDlg::TIMER_MINIMIZE));
    EXPECT_EQ("Oracle ist gestartet.", Line(IDC_ORACLE_STATE));
    EXPECT_TRUE(m_scm.requests.empty());
    m_dlg->DestroyWindow();
    m_ui.timers.clear();
    WriteNumber("ParamMin", 1);
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    EXPECT_TRUE(Minimised());
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE));
}

TEST_F(MonitorWiringTest, AFirstRunOpensTheSettingsOverTheDisabledWindowThenRefreshesOften)
{
    m_scm.services["Spooler"].displayName = "Druckwarteschlange";
    OpenWindow();
    bool windowEnabled = true;
    WhenModal([&] {
        windowEnabled = IsWindowEnabled(m_dlg->m_hWnd);
        m_dlg->m_infoDlg.m_strInfoText = "Meine DB";
        m_dlg->m_infoDlg.m_bInfoText = 1;
        m_dlg->m_infoDlg.UpdateData(FALSE);
        m_dlg->m_infoDlg.OnOK();
    });
    Tick(CMonitorDlg::TIMER_STARTUP);
    EXPECT_FALSE(windowEnabled) << "the settings dialog is owned by the main window";
    EXPECT_TRUE(IsWindowEnabled(m_dlg->m_hWnd));
    EXPECT_EQ(m_dlg.get(), AfxGetMainWnd()) << "the settings dialog's end leaves the main window known";
    EXPECT_EQ(500u, m_ui.timers.at(CMonitorDlg::TIMER_REFRESH));
    EXPECT_EQ("Meine DB", m_shell.calls.back().tooltip);
}

TEST_F(MonitorWiringTest, TheTrayIconCarriesTheTooltipMenuAndRestore)
{
    OpenWindow();
    EXPECT_EQ("Kein Service eingetragen", m_shell.calls.at(0).tooltip);
    EXPECT_EQ(m_dlg->m_hWnd, m_shell.calls.at(0).window);
    EXPECT_EQ(1034u, m_shell.calls.at(0).callbackMessage);
    EXPECT_EQ(104u, m_shell.calls.at(0).iconId);
    char infoCommand[64] = "";
    GetMenuStringA(GetSystemMenu(m_dlg->m_hWnd, FALSE), 16, infoCommand, sizeof(infoCommand), MF_BYCOMMAND);
    EXPECT_STRNE("", infoCommand) << "the system menu opens the settings too";
    WriteText("OracleSrv", kDatabase);
    EXPECT_EQ(CString(kDatabase), m_dlg->GetTooltipText());
    m_dlg->OnTrayIconMessage(CMonitorDlg::TRAY_ICON_ID, WM_RBUTTONUP);
    ASSERT_EQ(1u, m_ui.greyedInTrackedMenus.size());
    EXPECT_TRUE(m_ui.greyedInTrackedMenus[0].count(CMonitorDlg::ID_TRAY_RESTORE)) << "the window is not in the tray";
    m_dlg->MinimizeWindow();
    EXPECT_TRUE(Minimised());
    m_dlg->OnTrayIconMessage(CMonitorDlg::TRAY_ICON_ID, WM_RBUTTONUP);
    EXPECT_FALSE(m_ui.greyedInTrackedMenus.at(1).count(CMonitorDlg::ID_TRAY_RESTORE));
    m_dlg->OnTrayIconMessage(CMonitorDlg::TRAY_ICON_ID, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_FALSE(IsIconic(m_dlg->m_hWnd));
    m_dlg->MinimizeWindow();
    SendMessageA(m_dlg->m_hWnd, WM_COMMAND, 32774, 0); // the tray menu's "Wiederherstellen"
    EXPECT_TRUE(IsWindowVisible(m_dlg->m_hWnd));
    const size_t calls = m_shell.calls.size();
    SendMessageA(m_dlg->m_hWnd, CMonitorDlg::WM_TASKBARCREATED, 0, 0);
    ASSERT_EQ(calls + 1, m_shell.calls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), m_shell.calls.back().command) << "the icon is shown again";
}

TEST_F(MonitorWiringTest, WithoutItsTrayIconTheWindowIsNotMade)
{
    m_shell.refuseAdd = true;
    m_dlg = std::make_unique<CMonitorDlg>();
    EXPECT_FALSE(m_dlg->Create(CMonitorDlg::IDD));
}

} // namespace
