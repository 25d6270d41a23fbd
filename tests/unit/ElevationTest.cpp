// A start or stop refused for lack of rights: one question per click, the helper started elevated
// for exactly the refused services, and the refresh watching what it sent.
#include "HelperCommand.h"
#include "MonitorFixture.h"
#include <cstring>

namespace {

const std::string kStartQuestion =
    "Zum Starten der Datenbank werden Administratorrechte benötigt.\nMit Administratorrechten starten?";
const std::string kStopQuestion =
    "Zum Beenden der Datenbank werden Administratorrechte benötigt.\nMit Administratorrechten beenden?";
constexpr DWORD kDenied = ERROR_ACCESS_DENIED;
constexpr const char* kBoth = "start \"OracleServiceTEST\" \"OracleTestTNSListener\"";

struct Row {
    const char* name;
    void (CMonitorDlg::*click)();
    DWORD databaseError, listenerError, launchError;
    int answer;
    std::vector<std::string> questions;
    const char* parameters; // of the helper's launch; none when null
    std::vector<int> progress; // request and dots of the database, then of the listener
};

class ElevationTest : public MonitorFixture {
protected:
    // The fake refuses every open of a service, the refresh's too: so only around the action.
    void Refused(DWORD databaseError, DWORD listenerError, const std::function<void()>& action)
    {
        m_scm.services[kDatabase].openError = databaseError;
        m_scm.services[kListener].openError = listenerError;
        action();
        m_scm.services[kDatabase].openError = 0;
        m_scm.services[kListener].openError = 0;
    }
};

class ElevationOfferTest : public ElevationTest, public ::testing::WithParamInterface<Row> {};

// The launch as recorded, with the helper beside this test's exe, where the window looks for it.
std::string Launch(const char* parameters)
{
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return "runas " + std::string(exe, std::strrchr(exe, '\\') + 1) + "VelmoraDienste.exe " + parameters;
}

TEST_P(ElevationOfferTest, OnlyOpensRefusedForLackOfRightsAreOfferedToTheHelperOncePerClick)
{
    const Row& row = GetParam();
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    m_ui.answers = { row.answer };
    m_shell.executeError = row.launchError;
    OpenWindow();
    Refused(row.databaseError, row.listenerError, [&] { (m_dlg.get()->*row.click)(); });
    EXPECT_EQ(row.questions, m_ui.questions);
    EXPECT_EQ(row.parameters ? std::vector<std::string>{ Launch(row.parameters) } : std::vector<std::string>(),
              m_shell.executed);
    DWORD flags = 0;
    EXPECT_FALSE(m_shell.process && GetHandleInformation(m_shell.process, &flags)) << "the helper's handle is closed";
    EXPECT_EQ(row.progress, (std::vector<int>{ m_dlg->m_nOracleRequest, m_dlg->m_nOracleDots, m_dlg->m_nTnsRequest,
                                               m_dlg->m_nTnsDots }));
}

const auto start = &CMonitorDlg::StartDatabase;
const auto stop = &CMonitorDlg::StopDatabase;
const std::vector<int> kUnchanged{ REQUEST_NONE, 0, REQUEST_NONE, 0 };
const Row kRows[] = {
    { "BothRefused", start, kDenied, kDenied, 0, IDYES, { kStartQuestion }, kBoth,
      { REQUEST_START, 1, REQUEST_START, 1 } },
    { "ListenerRefused", stop, 0, kDenied, 0, IDYES, { kStopQuestion }, "stop \"OracleTestTNSListener\"",
      { REQUEST_STOP, 1, REQUEST_STOP, 1 } },
    { "OtherFailures", start, ERROR_INVALID_HANDLE, ERROR_SERVICE_DOES_NOT_EXIST, 0, IDYES, {}, nullptr, kUnchanged },
    { "AnsweredNo", stop, kDenied, kDenied, 0, IDNO, { kStopQuestion }, nullptr, kUnchanged },
    { "ConsentDeclined", start, kDenied, kDenied, ERROR_CANCELLED, IDYES, { kStartQuestion }, kBoth, kUnchanged },
};
INSTANTIATE_TEST_SUITE_P(Rows, ElevationOfferTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST_F(ElevationTest, AStartAtLaunchAndAStopOnExitCompleteThroughTheHelper)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber("ParamStart", 1);
    WriteNumber("ParamEnde", 1);
    m_ui.answers = { IDYES, IDYES };
    OpenWindow();
    Refused(kDenied, kDenied, [&] { Tick(CMonitorDlg::TIMER_STARTUP); });
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ(500u, m_ui.timers.at(CMonitorDlg::TIMER_MINIMIZE)) << "the start at launch is complete";
    Refused(kDenied, kDenied, [&] { m_dlg->OnCancel(); });
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_TRUE(Ended());
}

TEST_F(ElevationTest, IsNotOfferedWhileAnotherQuestionWaitsForItsAnswer)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber("ParamAsk", 1);
    OpenWindow();
    m_ui.whileAsking = [&] { Refused(kDenied, kDenied, [&] { m_dlg->StartDatabase(); }); };
    m_dlg->OnCancel();
    EXPECT_EQ(std::vector<std::string>{ "Wollen Sie das Programm wirklich beenden?" }, m_ui.questions);
    EXPECT_TRUE(m_shell.executed.empty());
}

TEST(HelperCommandTest, ANameTheHelperCouldNotReadBackUnchangedIsNeverPassed)
{
    EXPECT_FALSE(PassableToHelper("Oracle \"XE\""));
    EXPECT_FALSE(PassableToHelper("Oracle\\"));
}

} // namespace
