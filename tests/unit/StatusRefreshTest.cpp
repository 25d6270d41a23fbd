// The status refresh of the main window against scripted service states.
#include "MonitorFixture.h"
#include "Settings.h"

namespace {

constexpr int kLine1 = 1009;
constexpr int kLine2 = 1010;
constexpr int kLine3 = 1011;
constexpr int kLine4 = 1012;

using StatusRefreshTest = MonitorFixture;

TEST_F(StatusRefreshTest, StateTextsForEveryStateAndKind)
{
    struct Row {
        DWORD state;
        const char* database;
        const char* listener;
    };
    const Row rows[] = {
        { SERVICE_STOPPED, "Oracle ist beendet.", "TNS-Listener ist beendet." },
        { SERVICE_START_PENDING, "Oracle wird gestartet.", "TNS-Listener wird gestartet." },
        { SERVICE_STOP_PENDING, "Oracle wird beendet.", "TNS-Listener wird beendet." },
        { SERVICE_RUNNING, "Oracle ist gestartet.", "TNS-Listener ist gestartet." },
        { SERVICE_CONTINUE_PENDING, "Oracle wird fortgesetzt.", "TNS-Listener wird fortgesetzt." },
        { SERVICE_PAUSE_PENDING, "Oracle wird unterbrochen.", "TNS-Listener wird unterbrochen." },
        { SERVICE_PAUSED, "Oracle ist unterbrochen.", "TNS-Listener ist unterbrochen." },
        { 0, "Unbekannter Status.", "Unbekannter Status." },
        { 8, "Unbekannter Status.", "Unbekannter Status." },
        { 0xFFFFFFFF, "Unbekannter Status.", "Unbekannter Status." },
    };
    CMonitorDlg& dlg = OpenWindow();
    for (const Row& row : rows) {
        SERVICE_STATUS status{};
        status.dwCurrentState = row.state;
        EXPECT_EQ(row.database, std::string(dlg.GetStatusText(status, 1))) << row.state;
        EXPECT_EQ(row.listener, std::string(dlg.GetStatusText(status, 2))) << row.state;
        EXPECT_EQ("Unbekannter Status.", std::string(dlg.GetStatusText(status, 0))) << row.state;
        EXPECT_EQ("Unbekannter Status.", std::string(dlg.GetStatusText(status, 3))) << row.state;
    }
}

TEST_F(StatusRefreshTest, ShowsBothLinesAndNamesAndClosesEveryQueryHandle)
{
    Configure(SERVICE_RUNNING, SERVICE_STOPPED);
    OpenWindow();
    const int handlesBefore = m_scm.openHandles;
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle ist gestartet.", Line(kLine1));
    EXPECT_EQ("(OracleServiceTEST)", Line(kLine2));
    EXPECT_EQ("TNS-Listener ist beendet.", Line(kLine3));
    EXPECT_EQ("(OracleTestTNSListener)", Line(kLine4));
    EXPECT_EQ(handlesBefore, m_scm.openHandles);
    EXPECT_EQ("open OracleServiceTEST 4", m_scm.calls.front());
}

TEST_F(StatusRefreshTest, FailureLinesOfEachService)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service(kDatabase).openError = ERROR_ACCESS_DENIED;
    m_scm.Service(kListener).queryFails = true;
    OpenWindow();
    m_dlg->RefreshStatus();
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", Line(kLine1));
    EXPECT_EQ("(OracleServiceTEST)", Line(kLine2));
    EXPECT_EQ("Status von TNS-Listener kann nicht herausgefunden werden.", Line(kLine3));
    EXPECT_EQ(SUMMARY_FAILED, m_dlg->m_nOracleSummary);
    EXPECT_EQ(SUMMARY_FAILED, m_dlg->m_nTnsSummary);
    EXPECT_EQ(Icon(139), LastIcon());

    m_scm.Service(kDatabase).openError = 0;
    m_scm.Service(kDatabase).queryFails = true;
    m_scm.Service(kListener).openError = ERROR_SERVICE_DOES_NOT_EXIST;
    m_dlg->RefreshStatus();
    EXPECT_EQ("Status für Oracle kann nicht herausgefunden werden.", Line(kLine1));
    EXPECT_EQ("Dienst für TNS-Listener konnte nicht geöffnet werden.", Line(kLine3));
    EXPECT_EQ(0, m_scm.openHandles - 1) << "only the manager's connection stays open";
}

TEST_F(StatusRefreshTest, WithoutConnectionOnlyLineOneSpeaksAndNothingElseMoves)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_scm.managerFails = true;
    CMonitorDlg& dlg = OpenWindow();
    const size_t shellCalls = m_shell.calls.size();
    dlg.m_bExitConfirmed = TRUE;
    dlg.m_bStopOnExit = TRUE;
    dlg.RefreshStatus();
    EXPECT_EQ("Service-Manager konnte nicht geöffnet werden!", Line(kLine1));
    EXPECT_EQ("", Line(kLine2));
    EXPECT_EQ("", Line(kLine3));
    EXPECT_EQ("", Line(kLine4));
    EXPECT_EQ(shellCalls, m_shell.calls.size());
    EXPECT_TRUE(ButtonEnabled(1005));
    EXPECT_TRUE(ButtonEnabled(1004));
    EXPECT_TRUE(m_ui.questions.empty());
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(m_scm.calls.empty());

    dlg.StartDatabase();
    EXPECT_EQ("Service-Manager konnte nicht geöffnet werden!", Line(kLine1));
    dlg.StopDatabase();
    EXPECT_EQ("Service-Manager konnte nicht geöffnet werden!", Line(kLine1));
    EXPECT_EQ("", Line(kLine3));
    EXPECT_TRUE(m_scm.calls.empty());
    EXPECT_EQ(REQUEST_NONE, dlg.m_nOracleRequest);
}

TEST_F(StatusRefreshTest, ProgressDotsCountModuloFifty)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    CMonitorDlg& dlg = OpenWindow();
    dlg.StartDatabase();
    EXPECT_EQ("Oracle wird gestartet.", Line(kLine1)) << "the start itself shows no dots";
    const std::string base = "Oracle wird gestartet.";
    for (int refresh = 1; refresh <= 51; ++refresh) {
        dlg.RefreshStatus();
        const size_t expectedDots = refresh % 50;
        if (refresh == 1 || refresh == 49 || refresh == 50 || refresh == 51) {
            EXPECT_EQ(base + std::string(expectedDots, '.'), Line(kLine1)) << "refresh " << refresh;
        }
    }
    m_scm.Service(kDatabase).state = SERVICE_RUNNING;
    dlg.RefreshStatus();
    EXPECT_EQ(0, dlg.m_nOracleDots);
    EXPECT_EQ("Oracle ist gestartet.", Line(kLine1));
}

TEST_F(StatusRefreshTest, PendingStateNotRequestedHereShowsNoDotsAndFailedQueryKeepsTheCounter)
{
    Configure(SERVICE_START_PENDING, SERVICE_STOPPED);
    CMonitorDlg& dlg = OpenWindow();
    Refreshes(3);
    EXPECT_EQ("Oracle wird gestartet.", Line(kLine1));
    EXPECT_EQ(0, dlg.m_nOracleDots);

    dlg.m_nOracleDots = 7;
    m_scm.Service(kDatabase).queryFails = true;
    dlg.RefreshStatus();
    EXPECT_EQ(7, dlg.m_nOracleDots);
}

TEST_F(StatusRefreshTest, RequestStatesComeToRestAsTheTableSays)
{
    struct Row {
        const char* label;
        int request;
        DWORD found;
        bool openFails;
        bool queryFails;
        int expectedRequest;
        bool handleClosed;
    };
    const Row rows[] = {
        { "start finds running", REQUEST_START, SERVICE_RUNNING, false, false, REQUEST_STARTED, true },
        { "start finds stopped", REQUEST_START, SERVICE_STOPPED, false, false, REQUEST_NONE, true },
        { "start finds paused", REQUEST_START, SERVICE_PAUSED, false, false, REQUEST_NONE, true },
        { "start finds start pending", REQUEST_START, SERVICE_START_PENDING, false, false, REQUEST_START, false },
        { "start finds stop pending", REQUEST_START, SERVICE_STOP_PENDING, false, false, REQUEST_START, false },
        { "start, open fails", REQUEST_START, SERVICE_RUNNING, true, false, REQUEST_START, false },
        { "start, query fails", REQUEST_START, SERVICE_RUNNING, false, true, REQUEST_START, false },
        { "stop finds stopped", REQUEST_STOP, SERVICE_STOPPED, false, false, REQUEST_STOPPED, true },
        { "stop finds running", REQUEST_STOP, SERVICE_RUNNING, false, false, REQUEST_NONE, true },
        { "stop finds stop pending", REQUEST_STOP, SERVICE_STOP_PENDING, false, false, REQUEST_STOP, false },
        { "stop finds start pending", REQUEST_STOP, SERVICE_START_PENDING, false, false, REQUEST_STOP, false },
        { "stop, query fails", REQUEST_STOP, SERVICE_STOPPED, false, true, REQUEST_STOP, false },
        { "started stays", REQUEST_STARTED, SERVICE_STOPPED, false, false, REQUEST_STARTED, false },
        { "stopped stays", REQUEST_STOPPED, SERVICE_RUNNING, false, false, REQUEST_STOPPED, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Configure(row.request == REQUEST_STOP ? SERVICE_RUNNING : SERVICE_STOPPED, SERVICE_STOPPED);
        m_scm.Service(kDatabase).openError = 0;
        m_scm.Service(kDatabase).queryFails = false;
        CMonitorDlg& dlg = OpenWindow();
        if (row.request == REQUEST_START)
            dlg.StartDatabase();
        else if (row.request == REQUEST_STOP)
            dlg.StopDatabase();
        else
            dlg.m_nOracleRequest = row.request;
        dlg.m_bAutoStart = TRUE;
        m_scm.Service(kDatabase).state = row.found;
        m_scm.Service(kDatabase).openError = row.openFails ? ERROR_ACCESS_DENIED : 0;
        m_scm.Service(kDatabase).queryFails = row.queryFails;
        dlg.RefreshStatus();
        EXPECT_EQ(row.expectedRequest, dlg.m_nOracleRequest);
        ServiceHandle& kept = row.request == REQUEST_START ? dlg.m_hOracleStart : dlg.m_hOracleStop;
        if (row.request == REQUEST_START || row.request == REQUEST_STOP) {
            EXPECT_EQ(row.handleClosed, !kept);
        }
        const bool startFailed = row.request == REQUEST_START && row.expectedRequest == REQUEST_NONE;
        EXPECT_EQ(!startFailed, dlg.m_bAutoStart != FALSE) << "only a start that came to rest elsewhere calls off the minimise";
        CloseWindow();
    }
}

TEST_F(StatusRefreshTest, CombinedStateShowsInIconButtonsAndMenu)
{
    constexpr DWORD kNone = 0; // no name configured
    struct Row {
        DWORD database;
        DWORD listener;
        UINT icon;
        bool startEnabled;
        bool stopEnabled;
    };
    const Row rows[] = {
        { SERVICE_RUNNING, SERVICE_RUNNING, 140, false, true },
        { SERVICE_STOPPED, SERVICE_STOPPED, 138, true, false },
        { SERVICE_RUNNING, SERVICE_STOPPED, 139, true, true },
        { SERVICE_START_PENDING, SERVICE_RUNNING, 139, true, true },
        { SERVICE_PAUSED, SERVICE_PAUSED, 139, true, true },
        { kNone, SERVICE_RUNNING, 140, false, true },
        { kNone, SERVICE_STOPPED, 138, true, false },
        { SERVICE_RUNNING, kNone, 140, false, true },
        { SERVICE_STOPPED, kNone, 138, true, false },
        { SERVICE_PAUSED, kNone, 139, true, true },
        { kNone, kNone, 139, true, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "database " << row.database << ", listener " << row.listener);
        Configure(row.database, row.listener);
        if (row.database == kNone)
            WriteText(Settings::kOracleSrv, "");
        if (row.listener == kNone)
            WriteText(Settings::kOracleTns, "");
        OpenWindow();
        m_dlg->RefreshStatus();
        EXPECT_EQ(Icon(row.icon), LastIcon());
        EXPECT_EQ(row.startEnabled, ButtonEnabled(1005));
        EXPECT_EQ(row.stopEnabled, ButtonEnabled(1004));
        EXPECT_EQ(!row.startEnabled, MenuItemGreyed(32775));
        EXPECT_EQ(!row.stopEnabled, MenuItemGreyed(32772));
        if (row.database == kNone && row.listener == kNone) {
            EXPECT_EQ("", Line(kLine1));
            EXPECT_EQ("", Line(kLine4));
        }
        CloseWindow();
    }
}

TEST_F(StatusRefreshTest, AServiceWithoutNameCountsWithTheSummaryItLastHad)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    OpenWindow();
    m_dlg->RefreshStatus();
    WriteText(Settings::kOracleSrv, "");
    WriteText(Settings::kOracleTns, "");
    m_dlg->RefreshStatus();
    EXPECT_EQ(Icon(140), LastIcon()) << "both stale running summaries still count";
    EXPECT_EQ("", Line(kLine1));
}

TEST_F(StatusRefreshTest, ANameChangedInTheSettingsIsQueriedAtTheNextRefresh)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    m_scm.Service("OracleServiceOTHER").state = SERVICE_STOPPED;
    OpenWindow();
    m_dlg->RefreshStatus();
    WriteText(Settings::kOracleSrv, "OracleServiceOTHER");
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle ist beendet.", Line(kLine1));
    EXPECT_EQ("(OracleServiceOTHER)", Line(kLine2));
}

} // namespace
