// How the main window ends: the close requests, the questions, the stop before exit and the
// three exits the refresh takes.
#include "MonitorFixture.h"
#include "Settings.h"

namespace {

constexpr const char* kFailedStopQuestion =
    "Datenbank konnte nicht erfolgreich beendet werden. \nWollen Sie das Programm dennoch beenden?";
constexpr const char* kExitQuestion = "Wollen Sie das Programm wirklich beenden?";

using ExitPathTest = MonitorFixture;

TEST_F(ExitPathTest, EscCloseBoxAltF4AndTrayCloseAllAskTheSameQuestion)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber(Settings::kParamAsk, 1);
    CMonitorDlg& dlg = OpenWindow();
    const HWND window = dlg.m_hWnd;

    MSG escape{ window, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, { 0, 0 } };
    IsDialogMessageA(window, &escape);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(window, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    PumpMessages();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(32773, 0), 0);

    ASSERT_EQ(4u, m_ui.questions.size());
    for (const AskedQuestion& question : m_ui.questions) {
        EXPECT_EQ(kExitQuestion, question.text);
        EXPECT_EQ("Velmora", question.caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO), question.type);
        EXPECT_EQ(window, question.owner);
    }
    EXPECT_FALSE(Ended()) << "every answer was No";
    EXPECT_FALSE(dlg.m_bExitConfirmed);
    EXPECT_FALSE(dlg.m_bStopOnExit);
}

TEST_F(ExitPathTest, WithoutQuestionACloseEndsAtOnce)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    OpenWindow();
    SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(m_ui.questions.empty());
}

TEST_F(ExitPathTest, OkAndEnterMinimiseIntoTheTrayAndNeverEnd)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    SendMessageA(dlg.m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(IsIconic(dlg.m_hWnd));
    EXPECT_FALSE(IsWindowVisible(dlg.m_hWnd));
}

TEST_F(ExitPathTest, StopBeforeExitEndsOnceBothStopsHaveCompleted)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    EXPECT_TRUE(dlg.m_bStopOnExit);
    EXPECT_TRUE(dlg.m_bExitConfirmed);
    EXPECT_EQ(2, m_scm.stopRequests);
    EXPECT_FALSE(Ended());
    dlg.RefreshStatus();
    EXPECT_FALSE(Ended()) << "both still stopping";
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    m_scm.Service(kListener).state = SERVICE_STOPPED;
    dlg.RefreshStatus();
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(m_ui.questions.empty());
}

TEST_F(ExitPathTest, SecondCloseDuringThePendingStopEndsAtOnce)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber(Settings::kParamEnde, 1);
    WriteNumber(Settings::kParamAsk, 1);
    m_ui.answers = { IDYES };
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    EXPECT_FALSE(Ended());
    dlg.OnCancel();
    EXPECT_TRUE(Ended());
    EXPECT_EQ(1u, m_ui.questions.size());
    EXPECT_EQ(2, m_scm.stopRequests) << "no second stop";
}

TEST_F(ExitPathTest, DatabaseRefusingToStopAsksOnceAndNoKeepsTheProgramWithFlagsClear)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service(kDatabase).refusesStop = true;
    m_scm.Service(kListener).stateAfterStop = SERVICE_STOPPED;
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    dlg.RefreshStatus();
    ASSERT_EQ(1u, m_ui.questions.size());
    EXPECT_EQ(kFailedStopQuestion, m_ui.questions[0].text);
    EXPECT_EQ("Velmora", m_ui.questions[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), m_ui.questions[0].type);
    EXPECT_FALSE(dlg.m_bStopOnExit);
    EXPECT_FALSE(dlg.m_bExitConfirmed);
    dlg.RefreshStatus();
    EXPECT_EQ(1u, m_ui.questions.size()) << "asked once";
    EXPECT_FALSE(Ended());

    // A later close is a fresh stop before exit, which asks again; Yes ends.
    m_ui.answers = { IDYES };
    dlg.OnCancel();
    dlg.RefreshStatus();
    EXPECT_EQ(2u, m_ui.questions.size());
    EXPECT_TRUE(Ended());
}

TEST_F(ExitPathTest, OnlyTheListenerConfiguredAsksAtOnceWhileItStops)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteText(Settings::kOracleSrv, "");
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    EXPECT_EQ(SERVICE_STOP_PENDING, m_scm.Service(kListener).state);
    dlg.RefreshStatus();
    EXPECT_EQ(1u, m_ui.questions.size()) << "a database without a name is never seen stopping";
}

TEST_F(ExitPathTest, DatabaseStoppingOrStoppedDoesNotAsk)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service(kListener).refusesStop = true;
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    dlg.RefreshStatus();
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    dlg.RefreshStatus();
    EXPECT_TRUE(m_ui.questions.empty());
    EXPECT_TRUE(dlg.m_bExitConfirmed);
}

TEST_F(ExitPathTest, StopsRefusedAtOpenLeaveTheProgramOpenUntilClosedAgain)
{
    // An ordinary user may watch the services but not stop them.
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service(kDatabase).deniedAccess = SERVICE_STOP;
    m_scm.Service(kListener).deniedAccess = SERVICE_STOP;
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", Line(1009));
    EXPECT_EQ("Dienst für TNS-Listener konnte nicht geöffnet werden.", Line(1011));
    Refreshes(3);
    EXPECT_EQ(Icon(140), LastIcon());
    EXPECT_TRUE(m_ui.questions.empty());
    EXPECT_TRUE(dlg.m_bExitConfirmed);
    EXPECT_TRUE(dlg.m_bStopOnExit);
    EXPECT_FALSE(Ended());
    dlg.OnCancel();
    EXPECT_TRUE(Ended());
}

TEST_F(ExitPathTest, WithoutConnectionTheStopBeforeExitNeverCompletesButASecondCloseEnds)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.managerFails = true;
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    Refreshes(3);
    EXPECT_FALSE(Ended());
    dlg.OnCancel();
    EXPECT_TRUE(Ended());
}

TEST_F(ExitPathTest, StopBeforeExitWithBothAlreadyStoppedEndsAtTheNextRefresh)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    EXPECT_EQ("Oracle ist beendet.", Line(1009));
    EXPECT_EQ("TNS-Listener ist beendet.", Line(1011));
    EXPECT_FALSE(Ended());
    dlg.RefreshStatus();
    EXPECT_TRUE(Ended());
}

TEST_F(ExitPathTest, ParamStopEndsOnceTheServicesStopAfterBeingSeenRunning)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber(Settings::kParamStop, 1);
    CMonitorDlg& dlg = OpenWindow();
    Refreshes(2);
    EXPECT_FALSE(Ended()) << "stopped all along";
    m_scm.Service(kDatabase).state = SERVICE_RUNNING;
    m_scm.Service(kListener).state = SERVICE_RUNNING;
    dlg.RefreshStatus();
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    m_scm.Service(kListener).state = SERVICE_STOPPED;
    dlg.RefreshStatus();
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(m_ui.questions.empty());
}

TEST_F(ExitPathTest, ParamStopIgnoresAMixedStateInWhichNothingWasSeen)
{
    struct Case {
        const char* label;
        const char* database;
        const char* listener;
    };
    // Both names empty (summaries 10 and 10), or a name that cannot be opened, look mixed.
    const Case cases[] = {
        { "both names empty", "", "" },
        { "database name unknown", "OracleServiceTYPO", kListener },
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.label);
        Configure(SERVICE_STOPPED, SERVICE_STOPPED);
        WriteText(Settings::kOracleSrv, each.database);
        WriteText(Settings::kOracleTns, each.listener);
        WriteNumber(Settings::kParamStop, 1);
        CMonitorDlg& dlg = OpenWindow();
        Refreshes(3);
        EXPECT_EQ(Icon(139), LastIcon());
        EXPECT_FALSE(dlg.m_bWasActive);
        // The user then names two stopped services.
        Configure(SERVICE_STOPPED, SERVICE_STOPPED);
        dlg.RefreshStatus();
        EXPECT_EQ(Icon(138), LastIcon());
        EXPECT_FALSE(Ended());
        CloseWindow();
    }
}

TEST_F(ExitPathTest, StopBeforeExitCompletingWithParamStopEndsOnlyOnce)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    WriteNumber(Settings::kParamEnde, 1);
    WriteNumber(Settings::kParamStop, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.RefreshStatus();
    dlg.OnCancel();
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    m_scm.Service(kListener).state = SERVICE_STOPPED;
    dlg.RefreshStatus();
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(m_ui.questions.empty());
}

TEST_F(ExitPathTest, BothNamesEmptyEndAsSoonAsTheExitIsConfirmed)
{
    WriteNumber(Settings::kParamEnde, 1);
    CMonitorDlg& dlg = OpenWindow();
    dlg.OnCancel();
    EXPECT_FALSE(Ended());
    dlg.RefreshStatus();
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(m_ui.questions.empty());
}

} // namespace

namespace {

CMonitorDlg* g_window = nullptr;

void CALLBACK CloseTheWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    SetWindowTextA(GetDlgItem(g_window->m_infoDlg.m_hWnd, 1012), "Halb eingegeben");
    g_window->OnCancel();
}

TEST_F(ExitPathTest, AnExitWhileTheSettingsAreOpenClosesThemFirstAndStoresNothing)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    g_window = &OpenWindow();
    const size_t shellCalls = m_shell.calls.size();
    SetTimer(nullptr, 0, 0, &CloseTheWindow);
    g_window->ShowInfoDialog();
    EXPECT_EQ(IDCANCEL, g_window->m_infoDlg.m_nModalResult);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(kDatabase, std::string(m_app.GetProfileString(Settings::kSection, Settings::kOracleSrv, "")));
    EXPECT_EQ(shellCalls, m_shell.calls.size()) << "no tooltip renewal after a cancel";
}

} // namespace
