// What services can do to a running program. Each row disturbs it in one way; then
// the program must still have its icon, follow a change from outside and show what the manager reports.
#include "ProgramTest.h"
#include "TrayDriver.h"

namespace {

class FaultsTest;

struct Fault {
    const char* name;
    const char* databaseArgs;
    void (FaultsTest::*disturb)();
};

class FaultsTest : public ProgramTest, public ::testing::WithParamInterface<Fault> {
public:
    void DeleteTheDatabaseAndCreateItAgain()
    {
        ASSERT_TRUE(driver::RemoveService(m_database));
        EXPECT_TRUE(WaitLine(IDC_ORACLE_STATE, "Dienst für Oracle konnte nicht geöffnet werden."));
        // The name is free again once no process holds a handle to the deleted service.
        EXPECT_TRUE(driver::PollUntil([&] { return driver::CreateStandinService(m_database, m_database, ""); }, kWaitMs));
    }

    // The stand-in ends its process as soon as it runs; then the user stops the database, and the
    // stop is handled before the test goes on.
    void LoseTheDatabaseProcessAndPressStop()
    {
        ASSERT_TRUE(driver::StartServiceByName(m_database));
        ASSERT_TRUE(driver::PollUntil(
            [&] { return driver::QueryServiceState(m_database) != SERVICE_START_PENDING; }, kWaitMs));
        EXPECT_NE(-1, driver::Send(m_window, WM_COMMAND, MAKEWPARAM(IDC_STOP, BN_CLICKED), 0, kWaitMs))
            << "the stop was not handled in time";
    }
};

TEST_P(FaultsTest, TheProgramGoesOnWatching)
{
    AddServices(GetParam().databaseArgs, "");
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(WaitLine(IDC_ORACLE_STATE, "Oracle ist beendet."));
    ASSERT_NO_FATAL_FAILURE((this->*GetParam().disturb)());

    EXPECT_TRUE(driver::PollUntil([&] { return driver::IconRegistered(m_window, ID_TRAY_ICON); }, kWaitMs))
        << "the icon is gone";
    ASSERT_TRUE(driver::StartServiceByName(m_listener));
    EXPECT_TRUE(WaitLine(IDC_TNS_STATE, "TNS-Listener ist gestartet."));
    // A service whose process is gone reads stopped on Windows and keeps its last state under Wine.
    const bool running = driver::QueryServiceState(m_database) == SERVICE_RUNNING;
    EXPECT_TRUE(WaitLine(IDC_ORACLE_STATE, running ? "Oracle ist gestartet." : "Oracle ist beendet."));
}

const Fault kFaults[] = {
    { "DeletedAndCreatedAgain", "", &FaultsTest::DeleteTheDatabaseAndCreateItAgain },
    { "EndsItsProcessOnceRunning", "--crash-after=0", &FaultsTest::LoseTheDatabaseProcessAndPressStop },
};

INSTANTIATE_TEST_SUITE_P(Faults, FaultsTest, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

} // namespace
