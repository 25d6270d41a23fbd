// What the user does with both services: the buttons, a start at launch into the tray and back,
// a stop on exit.
#include "ProgramTest.h"
#include "TrayDriver.h"

namespace {

using ServiceFlowsTest = ProgramTest;

// Slow enough for every pending state to be seen, quick enough for a short test.
constexpr const char* kStandin = "--start-delay=1500 --stop-delay=1500";

TEST_F(ServiceFlowsTest, TheButtonsTakeBothServicesThroughPendingAndTheLinesFollow)
{
    AddServices(kStandin, kStandin);
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(driver::PostCommand(m_window, IDC_START));
    EXPECT_TRUE(WaitStateLines("wird gestartet."));
    EXPECT_TRUE(WaitStateLines("ist gestartet."));
    ASSERT_TRUE(driver::PostCommand(m_window, IDC_STOP));
    EXPECT_TRUE(WaitStateLines("wird beendet."));
    EXPECT_TRUE(WaitStateLines("ist beendet."));
}

TEST_F(ServiceFlowsTest, AStartAtLaunchGoesIntoTheTrayOnceDoneAndADoubleClickOnTheIconBringsItBack)
{
    AddServices(kStandin, kStandin);
    RawSettings::Store("ParamStart", RawSettings::Number(1));
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(WaitStateLines("ist gestartet."));
    EXPECT_TRUE(driver::PollUntil([&] { return !IsWindowVisible(m_window); }, kWaitMs)) << "still shown";

    ASSERT_TRUE(driver::PostTrayCallback(m_window, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(driver::PollUntil([&] { return IsWindowVisible(m_window) && !IsIconic(m_window); }, kWaitMs))
        << "not restored";
}

TEST_F(ServiceFlowsTest, ClosingWithStopOnExitStopsBothAndTheProgramEndsOnceTheyAreStopped)
{
    AddServices(kStandin, kStandin);
    RawSettings::Store("ParamEnde", RawSettings::Number(1));
    ASSERT_TRUE(driver::StartServiceByName(m_database));
    ASSERT_TRUE(driver::StartServiceByName(m_listener));
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(WaitStateLines("ist gestartet."));

    ASSERT_TRUE(driver::PostCommand(m_window, IDCANCEL));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(m_process.hProcess, kWaitMs)) << "the program did not end by itself";
    DWORD exitCode = STILL_ACTIVE;
    EXPECT_TRUE(GetExitCodeProcess(m_process.hProcess, &exitCode) && exitCode == 0) << exitCode;
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), driver::QueryServiceState(m_database));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), driver::QueryServiceState(m_listener));
}

} // namespace
