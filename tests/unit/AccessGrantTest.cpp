// A start or stop refused for lack of rights: whether one more entry in a service's access list
// would let the user in, the one question per request, Windows' sc.exe run once per service
// with an administrator's consent on the list as it is then, what the user is told when the list
// was not set as proposed, and the request sent again where it was.
#include "MonitorWindowFixture.h"
#include "ServiceAccess.h"
#include <deque>

namespace {

constexpr const char* kOwnedBySystem = "O:SYG:SY";
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
    const char* ownerAndGroup;
    const char* dacl;
    bool granted; // the list with the user's entry appended; else nothing
};

// The fixture's scripted manager hands out an ordinary user's token.
class AccessListTest : public FakeSeamsFixture, public ::testing::WithParamInterface<ListRow> {};

TEST_P(AccessListTest, OneEntryMoreIsProposedOnlyWhereWindowsWouldThenLetTheUserIn)
{
    const ListRow& row = GetParam();
    EXPECT_EQ(row.granted ? row.dacl + kUserEntry : "", DaclGrantingUser(CString(row.ownerAndGroup) + row.dacl).str());
}

const ListRow kListRows[] = {
    { "WindowsDefault", kOwnedBySystem, kWindowsDefault, true },
    { "GrantedAlreadyAsAHexMask", kOwnedBySystem, "D:(A;;CCLCSWLOCRRC;;;IU)(A;;0x34;;;IU)", false },
    { "DeniedToAGroupOfTheUser", kOwnedBySystem, "D:(D;;WP;;;IU)(A;;CCLCSWLOCRRC;;;IU)", false },
    { "Empty", kOwnedBySystem, "D:", true },
    { "Protected", kOwnedBySystem, "D:P(A;;LCRC;;;IU)", true },
    { "InheritedEntry", kOwnedBySystem, "D:AI(A;ID;LC;;;IU)", false },
    // Entries for OWNER RIGHTS stand for the service's owner, here not this user. Wine's access
    // check knows no OWNER RIGHTS, so the row where the user owns the service is Windows' alone.
    { "OwnerRightsOfAnother", kOwnedBySystem, "D:(A;;LCRPWP;;;OW)", true },
    // Without an owner the access check gives no answer, so nothing is proposed.
    { "OwnerUnknown", "", kWindowsDefault, false },
    { "NotAnAccessList", "O:BA", "", false },
};
INSTANTIATE_TEST_SUITE_P(Rows, AccessListTest, ::testing::ValuesIn(kListRows),
                         [](const ::testing::TestParamInfo<ListRow>& info) { return std::string(info.param.name); });

// What sc.exe sdset does: the service named in `parameters` gets the list given there, its
// entries in another order, which is no change; with `opens` the user's next open succeeds.
void SetList(FakeServiceControl& scm, const std::string& parameters, bool opens)
{
    const std::string list = parameters.substr(parameters.rfind("\" \"") + 3);
    for (auto& [name, service] : scm.services)
        if (parameters.find('"' + name + '"') != std::string::npos) {
            service.dacl = "O:SYG:SYD:" + kUserEntry + list.substr(2, list.size() - 3 - kUserEntry.size());
            service.deniedRights = opens ? 0 : service.deniedRights;
        }
}

std::string Launch(const char* keyName, const char* builtFrom = kWindowsDefault)
{
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return "runas " + std::string(folder) + "\\sc.exe sdset \"" + keyName + "\" \"" + builtFrom + kUserEntry + "\"";
}

std::string NotChanged(const char* reason)
{
    return "Windows hat die Erlaubnis für den Dienst „Oracle Datenbank“ nicht geändert: " + std::string(reason);
}

class AccessGrantTest : public MonitorWindowFixture {
protected:
    // Both services stopped and refused to this user for a start and a stop; sc.exe sets the list
    // it is given so that the next open succeeds.
    void ConfigureRefused()
    {
        Configure(SERVICE_STOPPED, SERVICE_STOPPED);
        for (const char* name : { kDatabase, kListener }) {
            m_scm.services[name].deniedRights = SERVICE_START | SERVICE_STOP;
            m_scm.services[name].dacl = kOwnedBySystem + std::string(kWindowsDefault);
        }
        m_shell.whileRunning = [this](const std::string& parameters) { SetList(m_scm, parameters, true); };
    }
};

struct GrantRow {
    const char* name;
    void (CMonitorDlg::*request)();
    int answer;
    DWORD launchError; // the shell's refusal to start sc.exe
    std::deque<DWORD> exitCodes; // sc.exe's, one a run
    std::string listAfterQuestion; // the database's, when an administrator changes it while the question waits
    bool quitWhileRunning; // a quit request comes while the program waits for sc.exe's end
    std::function<void(FakeServiceControl&, FakeShell&)> arrange;
    std::vector<std::string> boxes;
    std::vector<std::string> launched;
    std::vector<std::string> sent;
};

class GrantRowTest : public AccessGrantTest, public ::testing::WithParamInterface<GrantRow> {};

TEST_P(GrantRowTest, OnlyServicesWhoseListWasSetAsProposedGetTheRequestAgain)
{
    const GrantRow& row = GetParam();
    ConfigureRefused();
    m_shell.executeError = row.launchError;
    m_shell.exitCodes = row.exitCodes;
    if (!row.listAfterQuestion.empty())
        m_ui.whileAsking = [&] { m_scm.services[kDatabase].dacl = row.listAfterQuestion; };
    row.arrange(m_scm, m_shell);
    m_shell.firstWaitFinds = row.quitWhileRunning ? [] { PostQuitMessage(0); } : std::function<void()>();
    m_ui.answers = { row.answer };
    OpenWindow();
    (m_dlg.get()->*row.request)();
    MSG quit{};
    EXPECT_EQ(row.quitWhileRunning, PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE) << "passed on";
    EXPECT_EQ(row.boxes, m_ui.questions);
    EXPECT_EQ(row.launched, m_shell.executed);
    EXPECT_EQ(row.sent, m_scm.requests);
    DWORD flags = 0;
    EXPECT_FALSE(m_shell.process && GetHandleInformation(m_shell.process, &flags)) << "sc.exe's handle is closed";
}

const auto start = &CMonitorDlg::StartDatabase;
const auto stop = &CMonitorDlg::StopDatabase;
const auto asIs = [](FakeServiceControl&, FakeShell&) {};
const std::string kDatabaseLaunch = Launch("OracleServiceTEST");
const std::string kListenerLaunch = Launch("OracleTestTNSListener");
const std::vector<std::string> kStartBoth{ "start OracleServiceTEST", "start OracleTestTNSListener" };
const std::vector<std::string> kStartListener{ "start OracleTestTNSListener" };
const char* const kOtherList = "D:(A;;CCLCSWLOCRRC;;;IU)(A;;LC;;;BA)";
const GrantRow kGrantRows[] = {
    { "BothGranted", start, IDYES, 0, {}, "", false, asIs, { kStartQuestion }, { kDatabaseLaunch, kListenerLaunch }, kStartBoth },
    { "AnsweredNo", stop, IDNO, 0, {}, "", false, asIs, { kStopQuestion }, {}, {} },
    { "ConsentDeclined", start, IDYES, ERROR_CANCELLED, {}, "", false, asIs, { kStartQuestion }, { kDatabaseLaunch }, {} },
    { "ElevationRefused", start, IDYES, ERROR_ACCESS_DENIED, {}, "", false, asIs,
      { kStartQuestion, NotChanged("Windows hat die Rückfrage abgelehnt.") }, { kDatabaseLaunch }, {} },
    { "ToolNotStarted", start, IDYES, ERROR_FILE_NOT_FOUND, {}, "", false, asIs,
      { kStartQuestion, NotChanged("sc.exe konnte nicht gestartet werden (Fehler 2).") }, { kDatabaseLaunch }, {} },
    // A quit request is the program's end: nothing more is sent, asked or launched.
    { "QuitWhileRunning", start, IDYES, 0, {}, "", true, asIs, { kStartQuestion }, { kDatabaseLaunch }, {} },
    { "ToolEndedWithAnError", start, IDYES, 0, { 5, 0 }, "", false, asIs,
      { kStartQuestion, NotChanged("sc.exe meldete Fehler 5.") }, { kDatabaseLaunch, kListenerLaunch }, kStartListener },
    // A list no grant can help is left out the same way; which those are is the table above's.
    { "ListUnreadable", start, IDYES, 0, {}, "", false, [](FakeServiceControl& scm, FakeShell&) { scm.services["OracleServiceTEST"].dacl = ""; },
      { kStartQuestion }, { kListenerLaunch }, kStartListener },
    { "ListChangedWhileAsking", start, IDYES, 0, {}, kOwnedBySystem + std::string(kOtherList), false, asIs,
      { kStartQuestion }, { Launch("OracleServiceTEST", kOtherList), kListenerLaunch }, kStartBoth },
    { "ListOpenedMeanwhile", start, IDYES, 0, {}, "O:SYG:SYD:(A;;LCRPWP;;;IU)", false, asIs,
      { kStartQuestion, NotChanged("seine Zugriffsliste hat sich seit der Frage geändert.") }, { kListenerLaunch },
      kStartListener },
    { "ListSetOtherwise", stop, IDYES, 0, {}, "", false, [](FakeServiceControl& scm, FakeShell& shell) {
          shell.whileRunning = [&scm](const std::string& parameters) {
              SetList(scm, parameters, true);
              scm.services["OracleTestTNSListener"].dacl = kOwnedBySystem + std::string(kWindowsDefault);
          };
      },
      { kStopQuestion, "Die Zugriffsliste des Dienstes „OracleTestTNSListener“ ist nach sc.exe nicht die "
                       "vorgeschlagene: Velmora sendet den Auftrag deshalb nicht. Ein Administrator kann sie mit "
                       "„sc sdshow OracleTestTNSListener“ prüfen." },
      { kDatabaseLaunch, kListenerLaunch }, { "stop OracleServiceTEST" } },
    { "RefusedAgainAfterTheGrant", stop, IDYES, 0, {}, "", false, [](FakeServiceControl& scm, FakeShell& shell) {
          shell.whileRunning = [&scm](const std::string& parameters) { SetList(scm, parameters, false); };
      },
      { kStopQuestion }, { kDatabaseLaunch, kListenerLaunch }, {} },
};
INSTANTIATE_TEST_SUITE_P(Rows, GrantRowTest, ::testing::ValuesIn(kGrantRows),
                         [](const ::testing::TestParamInfo<GrantRow>& info) { return std::string(info.param.name); });

TEST_F(AccessGrantTest, AStartAtLaunchCompletesAfterAGrant)
{
    ConfigureRefused();
    WriteNumber("ParamStart", 1);
    m_ui.answers = { IDYES };
    OpenWindow();
    Tick(CMonitorDlg::TIMER_STARTUP);
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle ist gestartet.", Line(IDC_ORACLE_STATE));
    EXPECT_EQ(500u, m_ui.timers.at(CMonitorDlg::TIMER_MINIMIZE)) << "the start at launch is complete";
}

// The question guard holds from the question to the last request sent again: while Windows asks
// for the consent, a refresh asks nothing and a command is ignored; while sc.exe runs, the window
// handles its messages. The stop before exit then completes as the user's own.
TEST_F(AccessGrantTest, TheWindowWorksOnButAsksNothingMoreUntilTheGrantsAreDone)
{
    ConfigureRefused();
    SetStates(SERVICE_RUNNING, SERVICE_STOPPED);
    WriteNumber("ParamEnde", 1);
    m_ui.answers = { IDYES };
    OpenWindow();
    m_shell.whileRunning = [this](const std::string& parameters) {
        m_dlg->RefreshStatus();
        m_dlg->StartDatabase();
        SetList(m_scm, parameters, true);
    };
    m_shell.firstWaitFinds = [this] { PostMessageA(m_dlg->m_hWnd, WM_TIMER, CMonitorDlg::TIMER_REFRESH, 0); };
    m_dlg->OnCancel();
    EXPECT_EQ(std::vector<std::string>{ kStopQuestion }, m_ui.questions);
    MSG waiting{};
    EXPECT_FALSE(PeekMessageA(&waiting, m_dlg->m_hWnd, WM_TIMER, WM_TIMER, PM_NOREMOVE)) << "handled while sc.exe ran";
    EXPECT_EQ((std::vector<std::string>{ "stop OracleServiceTEST", "stop OracleTestTNSListener" }), m_scm.requests);
    SetStates(SERVICE_STOPPED, SERVICE_STOPPED);
    m_dlg->RefreshStatus();
    EXPECT_TRUE(Ended());
}

} // namespace
