// The main window's wiring: what a refresh, a click, a timer or the tray does to the lines, the
// buttons, the menu, the icon, the questions and the service manager.
#include "MonitorWindowFixture.h"
#include "RawSettings.h"

namespace {

using MonitorWiringTest = MonitorWindowFixture;

TEST_F(MonitorWiringTest, EachCombinedStateShowsItsIconAndCommands)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    OpenWindow();
    EXPECT_STREQ("Oracle Datenbank", m_shell.calls.at(0).second.szTip) << "without a text of its own, the service";
    const HMENU menu = m_dlg->m_pTrayPopup->m_hMenu;
    for (const DWORD listener : { SERVICE_RUNNING, SERVICE_STOPPED }) {
        for (const DWORD database : { SERVICE_RUNNING, SERVICE_STOPPED }) {
            SetStates(database, listener);
            m_dlg->RefreshStatus();
            const int running = (database == SERVICE_RUNNING) + (listener == SERVICE_RUNNING);
            EXPECT_EQ(m_dlg->TrayIcon(IDI_STOPPED + running), m_shell.calls.back().second.hIcon);
            EXPECT_EQ(running < 2, Enabled(IDC_START)) << running;
            EXPECT_EQ(running > 0, Enabled(IDC_STOP)) << running;
            EXPECT_EQ(running == 2, (GetMenuState(menu, ID_TRAY_START, MF_BYCOMMAND) & MF_GRAYED) != 0);
            EXPECT_EQ(running == 0, (GetMenuState(menu, ID_TRAY_STOP, MF_BYCOMMAND) & MF_GRAYED) != 0);
        }
    }
    WriteText("OracleSrv", "");
    m_dlg->RefreshStatus();
    EXPECT_EQ("", Line(IDC_ORACLE_STATE) + Line(IDC_ORACLE_NAME)) << "an unnamed service's lines stand blank";
}

TEST_F(MonitorWiringTest, WithoutTheServiceManagerOnlyTheFirstLineSaysSo)
{
    m_scm.managerFails = true;
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    OpenWindow();
    m_dlg->StartDatabase();
    EXPECT_EQ("Service-Manager konnte nicht geöffnet werden!", Line(IDC_ORACLE_STATE) + Line(IDC_TNS_STATE));
    EXPECT_TRUE(m_scm.requests.empty());
}

// A pending state this program did not ask for grows no dots, and each line pair names its service.
TEST_F(MonitorWiringTest, TheRefreshNamesTheServicesAndDotsOnlyItsOwnRequests)
{
    Configure(SERVICE_START_PENDING, SERVICE_STOP_PENDING);
    OpenWindow();
    m_dlg->RefreshStatus();
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle wird gestartet.(Oracle Datenbank)TNS-Listener wird beendet.(OracleTestTNSListener)",
              Line(IDC_ORACLE_STATE) + Line(IDC_ORACLE_NAME) + Line(IDC_TNS_STATE) + Line(IDC_TNS_NAME));
}

// Each open asks for exactly the rights its calls need, so that an ordinary user may watch; a
// request's handle is kept until the refresh sees it served.
TEST_F(MonitorWiringTest, StartAndStopAreWatchedUntilTheyComeToRest)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_scm.services[kListener].openError = ERROR_ACCESS_DENIED;
    OpenWindow();
    m_dlg->StartDatabase();
    EXPECT_EQ(std::vector<std::string>{ "start OracleServiceTEST" }, m_scm.requests);
    EXPECT_EQ("Dienst für TNS-Listener konnte nicht geöffnet werden.(OracleTestTNSListener)",
              Line(IDC_TNS_STATE) + Line(IDC_TNS_NAME));
    EXPECT_EQ(2u, OpenHandles()) << "the manager and the start's kept handle";
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ(1u, OpenHandles()) << "the start's handle is closed once it has served";
    EXPECT_EQ((std::vector<DWORD>{ SC_MANAGER_CONNECT, SERVICE_START | SERVICE_QUERY_STATUS, SERVICE_QUERY_STATUS }),
              std::vector<DWORD>(m_scm.rights.begin(), m_scm.rights.begin() + 3));
    m_scm.services[kListener].openError = 0;
    SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_TRAY_STOP, 0);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOP), m_scm.rights.back());
    EXPECT_EQ("TNS-Listener wird beendet.", Line(IDC_TNS_STATE));
    SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_TRAY_START, 0);
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ(1u, OpenHandles()) << "a start sent during a stop lets go of the stop's handles";
}

struct ExitRow {
    const char* name;
    int paramAsk, paramEnde, answer;
    DWORD databaseAfterStop;
    bool endsAtOnce, endsAfterRefresh;
    const char* question; // none when null
};

class ExitPathTest : public MonitorWindowFixture, public ::testing::WithParamInterface<ExitRow> {};

// Every way of closing reaches OnCancel: a question, a stop before exit, and its failure.
TEST_P(ExitPathTest, AsksStopsAndEnds)
{
    const ExitRow& row = GetParam();
    Configure(SERVICE_RUNNING, SERVICE_STOPPED);
    WriteNumber("ParamAsk", row.paramAsk);
    WriteNumber("ParamEnde", row.paramEnde);
    m_ui.answers = { row.answer };
    OpenWindow();
    m_dlg->OnCancel();
    EXPECT_EQ(row.endsAtOnce, Ended());
    EXPECT_EQ(row.paramEnde == 1, !m_scm.requests.empty());
    SetStates(row.databaseAfterStop, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_EQ(row.endsAfterRefresh, Ended());
    EXPECT_EQ(row.question ? std::vector<std::string>{ row.question } : std::vector<std::string>(), m_ui.questions);
    if (row.paramAsk && !row.endsAfterRefresh) {
        m_dlg->OnCancel();
        EXPECT_EQ(2u, m_ui.questions.size()) << "a declined exit is asked again";
    }
}

const char* const kAsk = "Wollen Sie das Programm wirklich beenden?";
const char* const kFailedStop =
    "Datenbank konnte nicht erfolgreich beendet werden. \nWollen Sie das Programm dennoch beenden?";
const ExitRow kExitRows[] = {
    { "Plain", 0, 0, IDNO, SERVICE_RUNNING, true, true, nullptr },
    { "AskedNo", 1, 0, IDNO, SERVICE_RUNNING, false, false, kAsk },
    { "AskedYes", 1, 0, IDYES, SERVICE_RUNNING, true, true, kAsk },
    { "FailedStopEndAnyway", 0, 1, IDYES, SERVICE_RUNNING, false, true, kFailedStop },
    { "FailedStopStay", 0, 1, IDNO, SERVICE_RUNNING, false, false, kFailedStop },
};
INSTANTIATE_TEST_SUITE_P(Rows, ExitPathTest, ::testing::ValuesIn(kExitRows),
                         [](const ::testing::TestParamInfo<ExitRow>& info) { return std::string(info.param.name); });

// Closed while the settings are open, the program takes nothing of what they show.
TEST_F(MonitorWiringTest, AnExitWhileTheSettingsAreOpenClosesThemUnsaved)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    OpenWindow();
    WhenModal([&] {
        m_dlg->m_infoDlg.m_strInfoText = "Nicht gespeichert";
        m_dlg->m_infoDlg.UpdateData(FALSE);
        m_dlg->OnCancel();
    });
    // Opened from the system menu, whose command's four low bits are the system's.
    SendMessageA(m_dlg->m_hWnd, WM_SYSCOMMAND, IDM_INFO_COMMAND | 0xF, 0);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(std::nullopt, RawSettings::Read("InfoText"));
}

// Services that cannot be reached were not seen active; a stop of theirs must not end the program.
TEST_F(MonitorWiringTest, ParamStopEndsOnlyOnceTheServicesWereSeenActive)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber("ParamStop", 1);
    OpenWindow();
    m_scm.services[kDatabase].openError = m_scm.services[kListener].openError = ERROR_ACCESS_DENIED;
    m_dlg->RefreshStatus();
    m_scm.services[kDatabase].openError = m_scm.services[kListener].openError = 0;
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_FALSE(Ended());
    SetStates(SERVICE_RUNNING, SERVICE_START_PENDING);
    m_dlg->RefreshStatus();
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_TRUE(Ended());
}

class StartAtLaunchTest : public MonitorWindowFixture, public ::testing::WithParamInterface<DWORD> {};

TEST_P(StartAtLaunchTest, HidesTheWindowOnceBothRunUnlessTheDatabaseFailsToStart)
{
    const bool started = GetParam() == SERVICE_RUNNING;
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber("ParamStart", 1);
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    EXPECT_EQ(1500u, m_ui.timers.at(CMonitorDlg::TIMER_REFRESH));
    SetStates(GetParam(), SERVICE_RUNNING);
    Tick(CMonitorDlg::TIMER_REFRESH);
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    Tick(CMonitorDlg::TIMER_REFRESH);
    ASSERT_EQ(started, m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE) == 1);
    if (!started)
        return;
    Tick(CMonitorDlg::TIMER_MINIMIZE);
    EXPECT_TRUE(Minimised());
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE));
}

INSTANTIATE_TEST_SUITE_P(DatabaseReached, StartAtLaunchTest, ::testing::Values(SERVICE_STOPPED, SERVICE_RUNNING));

class WithoutAStartTest : public MonitorWindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(WithoutAStartTest, TheWindowGoesIntoTheTrayAfterASecondOrAtOnce)
{
    const int paramMin = GetParam();
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber("ParamMin", paramMin);
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    EXPECT_EQ(paramMin == 1, Minimised());
    EXPECT_EQ(paramMin == 0, m_ui.timers.count(CMonitorDlg::TIMER_MINIMIZE) == 1);
    EXPECT_TRUE(m_scm.requests.empty());
    EXPECT_FALSE(m_ui.timers.count(CMonitorDlg::TIMER_STARTUP));
}

INSTANTIATE_TEST_SUITE_P(ParamMin, WithoutAStartTest, ::testing::Values(0, 1));

TEST_F(MonitorWiringTest, AFirstRunOpensTheSettingsOverTheDisabledWindowThenRefreshesOften)
{
    m_scm.services["Spooler"].displayName = "Druckwarteschlange";
    OpenWindow();
    EXPECT_STREQ("Kein Service eingetragen", m_shell.calls.at(0).second.szTip);
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
    EXPECT_STREQ("Meine DB", m_shell.calls.back().second.szTip);
    EXPECT_EQ(RawSettings::Text(""), RawSettings::Read("OracleSrv")) << "no service chosen, none stored";
}

// That the system menu's entry opens the settings is shown where an exit closes them; the tray
// menu's "Info über Velmora ..." is the end-to-end tests'.
TEST_F(MonitorWiringTest, TheFrameCarriesTheProgramsIconAndTheSystemMenuTheSettingsEntry)
{
    OpenWindow();
    for (const WPARAM size : { ICON_BIG, ICON_SMALL })
        EXPECT_NE(0, SendMessageA(m_dlg->m_hWnd, WM_GETICON, size, 0)) << "the caption's and the taskbar's icon " << size;
    char infoCommand[64] = "";
    GetMenuStringA(GetSystemMenu(m_dlg->m_hWnd, FALSE), IDM_INFO_COMMAND, infoCommand, sizeof(infoCommand), MF_BYCOMMAND);
    EXPECT_STRNE("", infoCommand);
}

// The window and the icon id the shell calls back with are the end-to-end tests', which double-click
// the icon to restore the window.
TEST_F(MonitorWiringTest, OkPutsTheWindowIntoTheTrayWhoseMenuRestoresIt)
{
    OpenWindow();
    EXPECT_EQ(static_cast<UINT>(WM_TRAY_CALLBACK), m_shell.calls.at(0).second.uCallbackMessage);
    m_dlg->OnTrayIconMessage(ID_TRAY_ICON, WM_RBUTTONUP);
    EXPECT_TRUE(m_ui.greyedInLastMenu.count(ID_TRAY_RESTORE)) << "the window is not in the tray";
    SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Minimised() && !Ended()) << "OK and the Enter key";
    m_dlg->OnTrayIconMessage(ID_TRAY_ICON, WM_RBUTTONUP);
    EXPECT_FALSE(m_ui.greyedInLastMenu.count(ID_TRAY_RESTORE));
    SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_TRAY_RESTORE, 0);
    EXPECT_TRUE(IsWindowVisible(m_dlg->m_hWnd) && !IsIconic(m_dlg->m_hWnd));
}

TEST_F(MonitorWiringTest, ANewTaskbarShowsTheIconAgain)
{
    OpenWindow();
    const size_t calls = m_shell.calls.size();
    SendMessageA(m_dlg->m_hWnd, CMonitorDlg::WM_TASKBARCREATED, 0, 0);
    ASSERT_EQ(calls + 1, m_shell.calls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), m_shell.calls.back().first);
}

TEST_F(MonitorWiringTest, WithoutItsTrayIconTheWindowIsNotMade)
{
    m_shell.refuseAdd = true;
    EXPECT_FALSE(CMonitorDlg().Create(CMonitorDlg::IDD));
}

} // namespace
