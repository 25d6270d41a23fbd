// A start or stop refused for lack of rights: whether one more entry in a service's access list
// would let the user in, the one question per request, Windows' sc.exe run once per service
// with an administrator's consent, and the request sent again where the list was set.
#include "MonitorWindowFixture.h"
#include "ServiceAccess.h"

namespace {

constexpr const char* kWindowsDefault = "D:(A;;CCLCSWRPWPDTLOCRRC;;;SY)(A;;CCDCLCSWRPWPDTLOCRSDRCWDWO;;;BA)"
                                        "(A;;CCLCSWLOCRRC;;;IU)(A;;CCLCSWLOCRRC;;;SU)";
const std::string kQuestionEnd = ".\nSoll Windows ihm das Starten und Beenden der Datenbankdienste dauerhaft erlauben? "
                                 "Dazu fragt Windows je Dienst einmal nach der Zustimmung eines Administrators.";
const std::string kStartQuestion = "Windows erlaubt diesem Benutzer nicht, die Datenbank zu starten" + kQuestionEnd;
const std::string kStopQuestion = "Windows erlaubt diesem Benutzer nicht, die Datenbank zu beenden" + kQuestionEnd;

// The entry that lets this user query, start and stop a service; Wine's user is always this one.
const std::string kUserEntry = "(A;;LCRPWP;;;S-1-5-21-0-0-0-1000)";

struct ListRow {
    const char* name;
    const char* dacl;
    bool granted; // the list with the user's entry appended; else nothing
};

// The fixture's scripted manager hands out an ordinary user's token.
class AccessListTest : public FakeSeamsFixture, public ::testing::WithParamInterface<ListRow> {};

TEST_P(AccessListTest, OneEntryMoreIsProposedOnlyWhereWindowsWouldThenLetTheUserIn)
{
    const ListRow& row = GetParam();
    EXPECT_EQ(row.granted ? row.dacl + kUserEntry : "", DaclGrantingUser(row.dacl).str());
}

const ListRow kListRows[] = {
    { "WindowsDefault", kWindowsDefault, true },
    { "GrantedAlreadyAsAHexMask", "D:(A;;CCLCSWLOCRRC;;;IU)(A;;0x34;;;IU)", false },
    { "DeniedToAGroupOfTheUser", "D:(D;;WP;;;IU)(A;;CCLCSWLOCRRC;;;IU)", false },
    { "Empty", "D:", true },
    { "Protected", "D:P(A;;LCRC;;;IU)", true },
    { "InheritedEntry", "D:AI(A;ID;LC;;;IU)", false },
    { "NotAnAccessList", "O:BA", false },
};
INSTANTIATE_TEST_SUITE_P(Rows, AccessListTest, ::testing::ValuesIn(kListRows),
                         [](const ::testing::TestParamInfo<ListRow>& info) { return std::string(info.param.name); });

class AccessGrantTest : public MonitorWindowFixture {
protected:
    // Both services stopped and refused to this user for a start and a stop; sc.exe sets a list
    // so that the next open succeeds.
    void ConfigureRefused()
    {
        Configure(SERVICE_STOPPED, SERVICE_STOPPED);
        for (const char* name : { kDatabase, kListener }) {
            m_scm.services[name].deniedRights = SERVICE_START | SERVICE_STOP;
            m_scm.services[name].dacl = kWindowsDefault;
        }
        m_shell.whileRunning = [this](const std::string& parameters) {
            for (auto& [name, service] : m_scm.services)
                if (parameters.find('"' + name + '"') != std::string::npos)
                    service.deniedRights = 0;
        };
    }
    static std::string Launch(const char* keyName)
    {
        char folder[MAX_PATH] = "";
        GetSystemDirectoryA(folder, MAX_PATH);
        return "runas " + std::string(folder) + "\\sc.exe sdset \"" + keyName + "\" \"" + kWindowsDefault + kUserEntry
            + "\"";
    }
};

struct GrantRow {
    const char* name;
    void (CMonitorDlg::*request)();
    std::function<void(FakeServiceControl&, FakeShell&)> arrange;
    int answer;
    std::vector<std::string> questions;
    std::vector<const char*> launched; // key names, in order
    std::vector<std::string> sent;
};

class GrantRowTest : public AccessGrantTest, public ::testing::WithParamInterface<GrantRow> {};

TEST_P(GrantRowTest, OnlyServicesWhoseListWasSetGetTheRequestAgain)
{
    const GrantRow& row = GetParam();
    ConfigureRefused();
    row.arrange(m_scm, m_shell);
    m_ui.answers = { row.answer };
    OpenWindow();
    (m_dlg.get()->*row.request)();
    EXPECT_EQ(row.questions, m_ui.questions);
    std::vector<std::string> launched;
    for (const char* keyName : row.launched)
        launched.push_back(Launch(keyName));
    EXPECT_EQ(launched, m_shell.executed);
    EXPECT_EQ(row.sent, m_scm.requests);
    DWORD flags = 0;
    EXPECT_FALSE(m_shell.process && GetHandleInformation(m_shell.process, &flags)) << "sc.exe's handle is closed";
}

const auto start = &CMonitorDlg::StartDatabase;
const auto stop = &CMonitorDlg::StopDatabase;
const auto asIs = [](FakeServiceControl&, FakeShell&) {};
const std::vector<std::string> kStartBoth{ "start OracleServiceTEST", "start OracleTestTNSListener" };
const GrantRow kGrantRows[] = {
    { "BothGranted", start, asIs, IDYES, { kStartQuestion }, { "OracleServiceTEST", "OracleTestTNSListener" },
      kStartBoth },
    { "OneOfTwoFails", start, [](FakeServiceControl&, FakeShell& shell) { shell.exitCodes = { 5, 0 }; },
      IDYES, { kStartQuestion }, { "OracleServiceTEST", "OracleTestTNSListener" }, { "start OracleTestTNSListener" } },
    // A list no grant can help is left out the same way; which those are is the table above's.
    { "ListUnreadable", start, [](FakeServiceControl& scm, FakeShell&) { scm.services["OracleServiceTEST"].dacl = ""; },
      IDYES, { kStartQuestion }, { "OracleTestTNSListener" }, { "start OracleTestTNSListener" } },
    { "AnsweredNo", stop, asIs, IDNO, { kStopQuestion }, {}, {} },
    { "ConsentDeclined", start, [](FakeServiceControl&, FakeShell& shell) { shell.executeError = ERROR_CANCELLED; },
      IDYES, { kStartQuestion }, { "OracleServiceTEST" }, {} },
    { "ToolTimedOut", start, [](FakeServiceControl&, FakeShell& shell) { shell.endsInTime = false; },
      IDYES, { kStartQuestion }, { "OracleServiceTEST", "OracleTestTNSListener" }, {} },
    { "RefusedAgainAfterTheGrant", stop, [](FakeServiceControl&, FakeShell& shell) { shell.whileRunning = nullptr; },
      IDYES, { kStopQuestion }, { "OracleServiceTEST", "OracleTestTNSListener" }, {} },
};
INSTANTIATE_TEST_SUITE_P(Rows, GrantRowTest, ::testing::ValuesIn(kGrantRows),
                         [](const ::testing::TestParamInfo<GrantRow>& info) { return std::string(info.param.name); });

TEST_F(AccessGrantTest, AStartAtLaunchAndAStopBeforeExitCompleteAfterAGrant)
{
    ConfigureRefused();
    WriteNumber("ParamStart", 1);
    WriteNumber("ParamEnde", 1);
    m_ui.answers = { IDYES, IDYES };
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle ist gestartet.", Line(IDC_ORACLE_STATE));
    EXPECT_EQ(500u, m_ui.timers.at(CMonitorDlg::TIMER_MINIMIZE)) << "the start at launch is complete";
    m_scm.services[kListener].deniedRights = SERVICE_STOP;
    m_dlg->OnCancel();
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_TRUE(Ended());
    EXPECT_EQ(3u, m_shell.executed.size());
}

TEST_F(AccessGrantTest, IsNotOfferedWhileAnotherQuestionWaitsForItsAnswer)
{
    ConfigureRefused();
    WriteNumber("ParamAsk", 1);
    OpenWindow();
    m_ui.whileAsking = [&] { m_dlg->StartDatabase(); };
    m_dlg->OnCancel();
    EXPECT_EQ(std::vector<std::string>{ "Wollen Sie das Programm wirklich beenden?" }, m_ui.questions);
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", Line(IDC_ORACLE_STATE));
    EXPECT_TRUE(m_shell.executed.empty());
}

} // namespace
