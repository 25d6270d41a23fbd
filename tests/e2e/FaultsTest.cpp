// What the services and the shell can do to a running program: each row disturbs it in one
// way and names the line the database's status must come to, with the program still watching.
#include "Polling.h"
#include "ProgramWithServices.h"
#include "TrayDriver.h"

namespace {

constexpr UINT kIconId = 104;

class FaultsTest : public ProgramWithServices {
public:
    // The rows of the table below act on the fixture.
    using ProgramWithServices::WaitLine;
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

    // Still polling: the listener's line follows a stop from outside.
    void ExpectStillWatching()
    {
        EXPECT_TRUE(driver::IconRegistered(m_program.window, kIconId));
        driver::StopServiceByName(m_listener);
        EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist beendet."));
    }
};

struct Fault {
    const char* name;
    const char* databaseArgs;
    void (*disturb)(FaultsTest&);
    const char* databaseLine;
};

class FaultTableTest : public FaultsTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultTableTest, TheProgramShowsItAndGoesOnWatching)
{
    const Fault& fault = GetParam();
    WatchBoth(fault.databaseArgs);
    fault.disturb(*this);
    EXPECT_TRUE(WaitLine(1009, fault.databaseLine)) << driver::ControlText(m_program.window, 1009);
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
      "Oracle ist gestartet." },
    { "StuckInStartPending", "--start-delay=20000",
      [](FaultsTest& test) {
          test.PressStart();
          // A dot more at every refresh for as long as the start is pending.
          EXPECT_TRUE(test.WaitLine(1009, "Oracle wird gestartet." + std::string(10, '.')));
          EXPECT_TRUE(driver::IsControlEnabled(test.m_program.window, 1004));
      },
      "Oracle ist gestartet." },
    { "TaskbarRecreatedWhileHidden", "",
      [](FaultsTest& test) {
          ASSERT_TRUE(driver::PostCommand(test.m_program.window, IDOK));
          ASSERT_TRUE(driver::PollUntil([&] { return !IsWindowVisible(test.m_program.window); }, 10000));
          driver::DeleteIcon(test.m_program.window, kIconId);
          ASSERT_TRUE(driver::SendTaskbarCreated(test.m_program.window));
          EXPECT_TRUE(driver::PollUntil([&] { return driver::IconRegistered(test.m_program.window, kIconId); }, 10000));
          EXPECT_FALSE(IsWindowVisible(test.m_program.window));
      },
      "Oracle ist beendet." },
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
