// What the services and the shell can do to a running program: each row disturbs it in one
// way and names the outcome it must come to, most often a status line with the program still watching.
#include "Polling.h"
#include "ProgramWithServices.h"
#include "TrayDriver.h"

namespace {

constexpr UINT kIconId = 104;

class FaultsTest : public ProgramWithServices {
public:
    // The rows of the table below act on the fixture.
    using ProgramWithServices::OpenSettings;
    using ProgramWithServices::StillRunningAfter;
    using ProgramWithServices::WaitLine;
    using ProgramWithServices::kWaitMs;
    using ProgramWithServices::WaitQuestion;
    using ProgramWithServices::m_database;
    using ProgramWithServices::m_listener;
    using ProgramWithServices::m_program;

    void WatchBoth(const std::string& databaseArgs)
    {
        AddBoth(databaseArgs, "--start-delay=200");
        m_program.WriteNumber("ParamAsk", 0);
        ASSERT_TRUE(m_program.Start());
        ASSERT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    }

    void PressStart()
    {
        ASSERT_TRUE(driver::ClickButton(m_program.window, 1005));
        ASSERT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));
    }

    // Still polling: the listener's line follows a change from outside.
    void ExpectStillWatching()
    {
        EXPECT_TRUE(driver::IconRegistered(m_program.window, kIconId));
        if (driver::QueryServiceState(m_listener) == SERVICE_STOPPED) {
            driver::StartServiceByName(m_listener);
            EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));
        } else {
            driver::StopServiceByName(m_listener);
            EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist beendet."));
        }
    }

    // Once a service's process is gone, Windows marks the service stopped, while Wine's manager
    // keeps reporting the last state the service gave; either way the line follows the manager.
    std::string LineForTheManagersState() const
    {
        switch (driver::QueryServiceState(m_database)) {
        case SERVICE_RUNNING:
            return "Oracle ist gestartet.";
        case SERVICE_START_PENDING:
            return "Oracle wird gestartet.";
        default:
            return "Oracle ist beendet.";
        }
    }

    void PressStartAndLoseTheDatabaseProcess()
    {
        PressStart();
        ASSERT_TRUE(driver::WaitForServiceProcessExit(m_database, kWaitMs));
    }
};

enum class Outcome {
    ShowsLine,             // the database's line comes to the row's line, and polling goes on
    ShowsTheManagersState, // the line begins as the manager's state reads, and polling goes on
    Ends,                  // the program ends by itself
};

struct Fault {
    const char* name;
    const char* databaseArgs;
    void (*disturb)(FaultsTest&);
    Outcome outcome;
    const char* databaseLine;
};

class FaultTableTest : public FaultsTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultTableTest, TheProgramShowsItAndGoesOn)
{
    const Fault& fault = GetParam();
    WatchBoth(fault.databaseArgs);
    fault.disturb(*this);
    const auto line = [&] { return driver::ControlText(m_program.window, 1009); };
    switch (fault.outcome) {
    case Outcome::Ends:
        EXPECT_TRUE(m_program.WaitForExit(kWaitMs));
        EXPECT_EQ(0u, m_program.ExitCode());
        return;
    case Outcome::ShowsTheManagersState:
        EXPECT_TRUE(driver::PollUntil([&] { return line().rfind(LineForTheManagersState(), 0) == 0; }, kWaitMs))
            << line() << " while the manager reports " << driver::QueryServiceState(m_database);
        break;
    case Outcome::ShowsLine:
        EXPECT_TRUE(WaitLine(1009, fault.databaseLine)) << line();
        break;
    }
    ExpectStillWatching();
}

const Fault kFaults[] = {
    { "DeletedAndCreatedAgain", "",
      [](FaultsTest& test) {
          ASSERT_TRUE(driver::RemoveService(test.m_database));
          EXPECT_TRUE(test.WaitLine(1009, "Dienst für Oracle konnte nicht geöffnet werden."));
          // The name is free again once no process holds a handle to the deleted service.
          EXPECT_TRUE(driver::PollUntil(
              [&] { return driver::CreateStandinService(test.m_database, test.m_database, "--start-delay=200"); },
              20000));
          test.PressStart();
      },
      Outcome::ShowsLine, "Oracle ist gestartet." },
    { "StuckInStartPending", "--start-delay=20000",
      [](FaultsTest& test) {
          test.PressStart();
          // A dot more at every refresh for as long as the start is pending.
          EXPECT_TRUE(test.WaitLine(1009, "Oracle wird gestartet." + std::string(10, '.')));
          EXPECT_TRUE(driver::IsControlEnabled(test.m_program.window, 1004));
      },
      Outcome::ShowsLine, "Oracle ist gestartet." },
    { "TaskbarRecreatedWhileHidden", "",
      [](FaultsTest& test) {
          ASSERT_TRUE(driver::PostCommand(test.m_program.window, IDOK));
          ASSERT_TRUE(driver::PollUntil([&] { return !IsWindowVisible(test.m_program.window); }, 10000));
          driver::DeleteIcon(test.m_program.window, kIconId);
          ASSERT_TRUE(driver::SendTaskbarCreated(test.m_program.window));
          EXPECT_TRUE(driver::PollUntil([&] { return driver::IconRegistered(test.m_program.window, kIconId); }, 10000));
          EXPECT_FALSE(IsWindowVisible(test.m_program.window));
      },
      Outcome::ShowsLine, "Oracle ist beendet." },
    { "EndsItsProcessWhileStarting", "--start-delay=1500 --crash-while-starting",
      [](FaultsTest& test) { test.PressStartAndLoseTheDatabaseProcess(); },
      Outcome::ShowsTheManagersState, nullptr },
    { "EndsItsProcessWhileRunning", "--crash-after=1000",
      [](FaultsTest& test) { test.PressStartAndLoseTheDatabaseProcess(); },
      Outcome::ShowsTheManagersState, nullptr },
    { "RefusesToStopOnExit", "--refuse-stop",
      [](FaultsTest& test) {
          test.PressStart();
          ASSERT_TRUE(test.WaitLine(1009, "Oracle ist gestartet."));
          test.m_program.WriteNumber("ParamEnde", 1);
          ASSERT_TRUE(driver::PostCommand(test.m_program.window, IDCANCEL));
          const HWND box = test.WaitQuestion(
              "Datenbank konnte nicht erfolgreich beendet werden. \nWollen Sie das Programm dennoch beenden?");
          ASSERT_TRUE(box);
          // The listener was stopped as asked; No keeps the program with the database running.
          EXPECT_TRUE(test.WaitLine(1011, "TNS-Listener ist beendet."));
          ASSERT_TRUE(driver::AnswerMessageBox(box, IDNO));
          ASSERT_TRUE(driver::WaitWindowGone(box, FaultsTest::kWaitMs));
          EXPECT_TRUE(test.StillRunningAfter(2000));
      },
      Outcome::ShowsLine, "Oracle ist gestartet." },
    { "SettingsOpenWhenTheProgramEndsByItself", "",
      [](FaultsTest& test) {
          test.m_program.WriteNumber("ParamStop", 1);
          test.PressStart();
          ASSERT_TRUE(test.WaitLine(1009, "Oracle ist gestartet."));
          const HWND settings = test.OpenSettings();
          ASSERT_TRUE(settings);
          ASSERT_TRUE(driver::SetChecked(settings, 1014, true));
          ASSERT_TRUE(driver::SetControlText(settings, 1015, "Halb eingegeben"));
          driver::StopServiceByName(test.m_database);
          driver::StopServiceByName(test.m_listener);
          ASSERT_TRUE(test.m_program.WaitForExit(FaultsTest::kWaitMs));
          EXPECT_FALSE(IsWindow(settings));
          // An OK would have written all eight values.
          EXPECT_EQ("<none>", ProgramSession::ReadText("InfoText"));
          EXPECT_EQ(test.m_database, ProgramSession::ReadText("OracleSrv"));
      },
      Outcome::Ends, nullptr },
};

INSTANTIATE_TEST_SUITE_P(Faults, FaultTableTest, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST_F(FaultsTest, TwoInstancesEachKeepTheirOwnIconAndPolling)
{
    WatchBoth("");
    ProgramSession second;
    m_program.WriteText("OracleSrv", m_database);
    m_program.WriteText("OracleTns", m_listener);
    ASSERT_TRUE(second.Start());
    ASSERT_NE(second.window, m_program.window);
    ASSERT_TRUE(driver::StartServiceByName(m_database));
    for (const HWND window : { m_program.window, second.window }) {
        EXPECT_TRUE(driver::WaitControlText(window, 1009, "Oracle ist gestartet.", kWaitMs));
        EXPECT_TRUE(driver::IconRegistered(window, kIconId));
    }
}

} // namespace
