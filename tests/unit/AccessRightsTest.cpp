// The rights the program asks of the service manager: no more than its calls need, so that an
// ordinary user, who is refused anything beyond watching, still sees the services.
#include "InfoDlg.h"
#include "MonitorFixture.h"
#include <functional>

namespace {

using AccessRightsTest = MonitorFixture;

constexpr int kLine1 = 1009;
constexpr int kLine3 = 1011;
constexpr const char* kDatabaseOpenFailed = "Dienst für Oracle konnte nicht geöffnet werden.";
constexpr const char* kListenerOpenFailed = "Dienst für TNS-Listener konnte nicht geöffnet werden.";

// Opens the settings dialog as a fresh run would; the rows of both service lists together.
LRESULT RowsListedInSettings()
{
    CInfoDlg info;
    info.LoadSettings();
    EXPECT_TRUE(info.Create(CInfoDlg::IDD));
    const LRESULT rows = SendDlgItemMessageA(info.m_hWnd, 1012, CB_GETCOUNT, 0, 0)
        + SendDlgItemMessageA(info.m_hWnd, 1004, CB_GETCOUNT, 0, 0);
    info.DestroyWindow();
    return rows;
}

TEST_F(AccessRightsTest, EveryOpenAsksExactlyTheRightsItsCallsNeed)
{
    struct Row {
        const char* operation;
        std::function<void()> run;
        bool manager;
        DWORD mask;
        size_t opens;
    };
    // The window's connection serves every open of the rows after it.
    const Row rows[] = {
        { "window connection", [&] { OpenWindow(); }, true, SC_MANAGER_CONNECT, 1 },
        { "query", [&] { m_dlg->RefreshStatus(); }, false, SERVICE_QUERY_STATUS, 2 },
        { "start, its state read at once", [&] { m_dlg->StartDatabase(); }, false, SERVICE_START | SERVICE_QUERY_STATUS, 2 },
        { "stop", [&] { m_dlg->StopDatabase(); }, false, SERVICE_STOP, 2 },
        { "enumeration", [] { RowsListedInSettings(); }, true, SC_MANAGER_ENUMERATE_SERVICE, 1 },
    };
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    std::vector<size_t> firstOpen;
    for (const Row& row : rows) {
        firstOpen.push_back(m_scm.opens.size());
        row.run();
    }
    firstOpen.push_back(m_scm.opens.size());
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].operation);
        ASSERT_EQ(rows[i].opens, firstOpen[i + 1] - firstOpen[i]);
        for (size_t open = firstOpen[i]; open < firstOpen[i + 1]; ++open) {
            const FakeOpen& each = m_scm.opens[open];
            EXPECT_EQ(rows[i].manager, each.target.empty()) << each.target;
            EXPECT_EQ(rows[i].mask, each.asked) << each.target;
            EXPECT_EQ(rows[i].mask, each.needed) << each.target;
        }
    }
}

// An ordinary user may watch and list the services but neither start nor stop them.
TEST_F(AccessRightsTest, ARefusedOpenShowsInTheLinesAndTheWatchingGoesOn)
{
    struct Row {
        const char* label;
        DWORD deniedServiceAccess;
        DWORD deniedManagerAccess;
        std::function<void()> command;
        const char* databaseLine;
        const char* listenerLine;
    };
    const Row rows[] = {
        { "start", SERVICE_START, 0, [&] { m_dlg->StartDatabase(); }, kDatabaseOpenFailed, kListenerOpenFailed },
        { "stop", SERVICE_STOP, 0, [&] { m_dlg->StopDatabase(); }, kDatabaseOpenFailed, kListenerOpenFailed },
        { "listing, the lists stay empty without a word", 0, SC_MANAGER_ENUMERATE_SERVICE,
          [] { EXPECT_EQ(0, RowsListedInSettings()); }, "Oracle ist gestartet.", "TNS-Listener ist gestartet." },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Configure(SERVICE_RUNNING, SERVICE_RUNNING);
        m_scm.Service(kDatabase).deniedAccess = row.deniedServiceAccess;
        m_scm.Service(kListener).deniedAccess = row.deniedServiceAccess;
        m_scm.deniedManagerAccess = row.deniedManagerAccess;
        OpenWindow();
        Tick(CMonitorDlg::TIMER_STARTUP);
        row.command();
        EXPECT_EQ(row.databaseLine, Line(kLine1));
        EXPECT_EQ(row.listenerLine, Line(kLine3));
        EXPECT_EQ(0, m_scm.startRequests + m_scm.stopRequests);
        EXPECT_TRUE(m_ui.questions.empty());
        Tick(CMonitorDlg::TIMER_REFRESH);
        EXPECT_EQ("Oracle ist gestartet.", Line(kLine1));
        EXPECT_EQ("TNS-Listener ist gestartet.", Line(kLine3));
        EXPECT_EQ(Icon(140), LastIcon());
        CloseWindow();
    }
}

} // namespace
