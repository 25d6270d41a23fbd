// Starting and stopping both services from the main window.
#include "MonitorFixture.h"
#include "Settings.h"
#include <algorithm>

namespace {

using DatabaseControlTest = MonitorFixture;

std::vector<std::string> Without(std::vector<std::string> calls, const std::string& prefix)
{
    calls.erase(std::remove_if(calls.begin(), calls.end(),
                               [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }),
                calls.end());
    return calls;
}

TEST_F(DatabaseControlTest, StartHandlesTheDatabaseCompletelyBeforeTheListener)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    CMonitorDlg& dlg = OpenWindow();
    dlg.StartDatabase();
    const std::vector<std::string> expected = { "open OracleServiceTEST 20", "start OracleServiceTEST",
                                                "open OracleTestTNSListener 20", "start OracleTestTNSListener" };
    EXPECT_EQ(expected, m_scm.calls);
    EXPECT_EQ("Oracle wird gestartet.", Line(1009));
    EXPECT_EQ("(OracleServiceTEST)", Line(1010));
    EXPECT_EQ("TNS-Listener wird gestartet.", Line(1011));
    EXPECT_EQ("(OracleTestTNSListener)", Line(1012));
    EXPECT_EQ(REQUEST_START, dlg.m_nOracleRequest);
    EXPECT_EQ(REQUEST_START, dlg.m_nTnsRequest);
    EXPECT_EQ(1, dlg.m_nOracleDots);
    EXPECT_TRUE(dlg.m_hOracleStart);
    EXPECT_TRUE(dlg.m_hTnsStart);
}

TEST_F(DatabaseControlTest, StopSendsOneStopToEachAndShowsTheStateItReturned)
{
    Configure(SERVICE_RUNNING, SERVICE_STOPPED);
    CMonitorDlg& dlg = OpenWindow();
    dlg.StopDatabase();
    const std::vector<std::string> expected = { "open OracleServiceTEST 32", "stop OracleServiceTEST",
                                                "open OracleTestTNSListener 32", "stop OracleTestTNSListener" };
    EXPECT_EQ(expected, m_scm.calls);
    EXPECT_EQ("Oracle wird beendet.", Line(1009));
    EXPECT_EQ("TNS-Listener ist beendet.", Line(1011)) << "already stopped";
    EXPECT_EQ(REQUEST_STOP, dlg.m_nTnsRequest);
    dlg.RefreshStatus();
    EXPECT_EQ(REQUEST_STOPPED, dlg.m_nTnsRequest);
}

TEST_F(DatabaseControlTest, StartWhileRunningCompletesAtTheNextRefresh)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    dlg.StartDatabase();
    EXPECT_EQ("Oracle ist gestartet.", Line(1009));
    EXPECT_EQ("TNS-Listener ist gestartet.", Line(1011));
    dlg.RefreshStatus();
    EXPECT_EQ(REQUEST_STARTED, dlg.m_nOracleRequest);
    EXPECT_EQ(REQUEST_STARTED, dlg.m_nTnsRequest);
    EXPECT_EQ(Icon(140), LastIcon());
}

TEST_F(DatabaseControlTest, AServiceThatCannotBeOpenedLeavesTheOtherHandled)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteText(Settings::kOracleSrv, "OracleServiceMISSING");
    CMonitorDlg& dlg = OpenWindow();
    dlg.StartDatabase();
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", Line(1009));
    EXPECT_EQ("(OracleServiceMISSING)", Line(1010));
    EXPECT_EQ("TNS-Listener wird gestartet.", Line(1011));
    EXPECT_EQ(REQUEST_NONE, dlg.m_nOracleRequest);
    dlg.StopDatabase();
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", Line(1009));
    EXPECT_EQ("TNS-Listener wird beendet.", Line(1011));
}

TEST_F(DatabaseControlTest, FailedQueryAfterTheStartHasItsOwnWording)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_scm.Service(kDatabase).queryFails = true;
    m_scm.Service(kListener).queryFails = true;
    OpenWindow();
    m_dlg->StartDatabase();
    EXPECT_EQ("Status von Oracle kann nicht herausgefunden werden.", Line(1009));
    EXPECT_EQ("Status von TNS-Listener kann nicht herausgefunden werden.", Line(1011));
}

TEST_F(DatabaseControlTest, OnlyTheListenerConfiguredLeavesTheDatabaseLinesBlank)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteText(Settings::kOracleSrv, "");
    OpenWindow();
    m_dlg->StartDatabase();
    EXPECT_EQ("", Line(1009));
    EXPECT_EQ("", Line(1010));
    EXPECT_EQ("TNS-Listener wird gestartet.", Line(1011));
    EXPECT_EQ(std::vector<std::string>({ "open OracleTestTNSListener 20", "start OracleTestTNSListener" }),
              m_scm.calls);
}

TEST_F(DatabaseControlTest, BothNamesEmptyClearTheLinesAndTouchNothing)
{
    CMonitorDlg& dlg = OpenWindow();
    SetDlgItemTextA(dlg.m_hWnd, 1009, "old");
    dlg.StartDatabase();
    dlg.StopDatabase();
    EXPECT_EQ("", Line(1009));
    EXPECT_TRUE(m_scm.calls.empty());
    EXPECT_EQ(REQUEST_NONE, dlg.m_nOracleRequest);
}

TEST_F(DatabaseControlTest, ASecondStartBeginsTheDotsAgain)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    CMonitorDlg& dlg = OpenWindow();
    dlg.StartDatabase();
    Refreshes(5);
    EXPECT_EQ(6, dlg.m_nOracleDots);
    dlg.StartDatabase();
    EXPECT_EQ(1, dlg.m_nOracleDots);
    dlg.RefreshStatus();
    EXPECT_EQ("Oracle wird gestartet..", Line(1009));
}

TEST_F(DatabaseControlTest, NoHandleIsLeftOpenHoweverOftenTheButtonsArePressed)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    const int baseline = m_scm.openHandles;
    for (int round = 0; round < 10; ++round) {
        dlg.StopDatabase(); // pending stop
        dlg.StartDatabase(); // replaces it while it is pending
        dlg.StartDatabase();
        dlg.StopDatabase();
        EXPECT_EQ(baseline + 2, m_scm.openHandles) << "one kept request per service, round " << round;
    }
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    m_scm.Service(kListener).state = SERVICE_STOPPED;
    dlg.RefreshStatus();
    EXPECT_EQ(baseline, m_scm.openHandles);
}

TEST_F(DatabaseControlTest, AFailedOpenKeepsTheEarlierRequestAndTheRefreshClosesItsHandle)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    const int baseline = m_scm.openHandles;
    dlg.StopDatabase();
    m_scm.Service(kDatabase).deniedAccess = SERVICE_START;
    dlg.StartDatabase();
    EXPECT_EQ(REQUEST_STOP, dlg.m_nOracleRequest);
    EXPECT_TRUE(dlg.m_hOracleStop);
    m_scm.Service(kDatabase).state = SERVICE_STOPPED;
    m_scm.Service(kListener).state = SERVICE_RUNNING;
    dlg.RefreshStatus();
    EXPECT_EQ(REQUEST_STOPPED, dlg.m_nOracleRequest);
    EXPECT_EQ(baseline, m_scm.openHandles);
}

TEST_F(DatabaseControlTest, AStopThatFillsInNoStateShowsAKnownLine)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service(kDatabase).stopFillsNoStatus = true;
    OpenWindow();
    m_dlg->StopDatabase();
    EXPECT_EQ("Unbekannter Status.", Line(1009));
}

TEST_F(DatabaseControlTest, AStoredDisplayNameIsOpenedThroughItsKeyName)
{
    struct Case {
        const char* label;
        const char* displayName;
    };
    const Case cases[] = {
        { "display name differs from key name", "Oracle Datenbank TEST" },
        { "display name with a backslash", "Oracle\\TEST Datenbank" },
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.label);
        Configure(SERVICE_STOPPED, SERVICE_STOPPED);
        m_scm.Service(kDatabase).displayName = each.displayName;
        WriteText(Settings::kOracleSrv, each.displayName);
        CMonitorDlg& dlg = OpenWindow();
        dlg.RefreshStatus();
        EXPECT_EQ("Oracle ist beendet.", Line(1009));
        EXPECT_EQ(std::string("(") + each.displayName + ")", Line(1010)) << "the stored name is what is shown";
        dlg.StartDatabase();
        EXPECT_EQ("Oracle wird gestartet.", Line(1009));
        m_scm.Service(kDatabase).state = SERVICE_RUNNING;
        dlg.StopDatabase();
        EXPECT_EQ("Oracle wird beendet.", Line(1009));
        const std::vector<std::string> opens = Without(Without(Without(m_scm.calls, "close"), "start"), "stop");
        EXPECT_EQ(std::string("open ") + each.displayName + " 4", opens.at(0));
        EXPECT_EQ("open OracleServiceTEST 4", opens.at(1));
        CloseWindow();
        m_scm.calls.clear();
    }
}

TEST_F(DatabaseControlTest, OnlyAMissingKeyNameIsTriedAsADisplayName)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service("Other").displayName = kDatabase;
    m_scm.Service(kDatabase).openError = ERROR_ACCESS_DENIED;
    OpenWindow();
    m_dlg->RefreshStatus();
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", Line(1009));
    EXPECT_EQ(0, std::count(m_scm.calls.begin(), m_scm.calls.end(), "open Other 4"));
}

} // namespace
