// The program living in the notification area and automating itself, driven from outside.
#include "Polling.h"
#include "ProgramWithServices.h"
#include "TrayDriver.h"
#include <algorithm>

namespace {

constexpr const char* kTwoSeconds = "--start-delay=2000 --stop-delay=2000";
constexpr UINT kIconId = 104;

class AutomationTest : public ProgramWithServices {
protected:
    bool WaitHidden() { return driver::PollUntil([&] { return !IsWindowVisible(m_program.window); }, kWaitMs); }

    // Both services running, then the program started in the tray with ParamEnde on.
    void StartWithStopOnExit(const char* databaseArgs, const char* listenerArgs)
    {
        AddBoth(databaseArgs, listenerArgs);
        ASSERT_TRUE(driver::StartServiceByName(m_database));
        ASSERT_TRUE(driver::StartServiceByName(m_listener));
        ASSERT_TRUE(driver::WaitForServiceState(m_database, SERVICE_RUNNING, kWaitMs));
        ASSERT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_RUNNING, kWaitMs));
        m_program.WriteNumber("ParamEnde", 1);
        m_program.WriteNumber("ParamMin", 1);
        ASSERT_TRUE(m_program.Start());
    }
};

TEST_F(AutomationTest, StartAtLaunchShowsTheProgressThenHidesTheWindow)
{
    AddBoth("--start-delay=6000 --stop-delay=2000", "--start-delay=6000 --stop-delay=2000");
    m_program.WriteNumber("ParamStart", 1);
    m_program.WriteNumber("ParamMin", 0);
    ASSERT_TRUE(m_program.Start());

    std::vector<std::string> lines;
    bool alwaysVisible = true;
    const bool started = driver::PollUntil([&] {
        const std::string line = driver::ControlText(m_program.window, 1009);
        if (!line.empty() && (lines.empty() || lines.back() != line))
            lines.push_back(line);
        alwaysVisible = alwaysVisible && IsWindowVisible(m_program.window);
        return line == "Oracle ist gestartet.";
    }, 30000);
    ASSERT_TRUE(started) << (lines.empty() ? "" : lines.back());
    EXPECT_TRUE(alwaysVisible) << "the window stays while the services start";
    const auto seen = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    EXPECT_TRUE(seen("Oracle wird gestartet."));
    EXPECT_TRUE(seen("Oracle wird gestartet.."));
    EXPECT_TRUE(seen("Oracle wird gestartet..."));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));
    EXPECT_TRUE(WaitHidden());
    EXPECT_FALSE(driver::IsControlEnabled(m_program.window, 1005));
    EXPECT_TRUE(driver::IsControlEnabled(m_program.window, 1004));
}

TEST_F(AutomationTest, TrayCallbacksRestoreTheWindowAndOpenTheMenu)
{
    AddBoth(kTwoSeconds, kTwoSeconds);
    m_program.WriteNumber("ParamMin", 1);
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitHidden());
    EXPECT_TRUE(driver::IconRegistered(m_program.window, kIconId));

    ASSERT_TRUE(driver::PostTrayCallback(m_program.window, kIconId, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(driver::PollUntil([&] { return IsWindowVisible(m_program.window) && !IsIconic(m_program.window); },
                                  kWaitMs));

    ASSERT_TRUE(driver::PostTrayCallback(m_program.window, kIconId, WM_RBUTTONUP));
    const HWND menu = driver::FindPopupMenu(m_program.process.dwProcessId, kWaitMs);
    ASSERT_TRUE(menu) << "the tray menu did not open";
    EXPECT_TRUE(driver::DismissPopupMenu(menu));

    ASSERT_TRUE(driver::PostCommand(m_program.window, IDCANCEL));
    ASSERT_TRUE(m_program.WaitForExit(kWaitMs));
    EXPECT_FALSE(driver::IconRegistered(m_program.window, kIconId)) << "the icon goes with the program";
}

TEST_F(AutomationTest, StopBeforeExitStopsBothAndEndsByItself)
{
    ASSERT_NO_FATAL_FAILURE(StartWithStopOnExit(kTwoSeconds, kTwoSeconds));
    ASSERT_TRUE(driver::PostCommand(m_program.window, IDCANCEL));
    EXPECT_TRUE(m_program.WaitForExit(kWaitMs));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), driver::QueryServiceState(m_database));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), driver::QueryServiceState(m_listener));
}

TEST_F(AutomationTest, ASecondCloseWhileTheStopIsPendingEndsAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(StartWithStopOnExit("--start-delay=100 --stop-delay=15000", "--start-delay=100 --stop-delay=15000"));
    ASSERT_TRUE(driver::PostCommand(m_program.window, IDCANCEL));
    ASSERT_TRUE(driver::WaitForServiceState(m_database, SERVICE_STOP_PENDING, kWaitMs));
    ASSERT_TRUE(driver::PostCommand(m_program.window, IDCANCEL));
    EXPECT_TRUE(m_program.WaitForExit(5000));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOP_PENDING), driver::QueryServiceState(m_database));
}

TEST_F(AutomationTest, ParamStopEndsOnlyAfterTheServicesWereSeenRunning)
{
    AddBoth(kTwoSeconds, kTwoSeconds);
    m_program.WriteNumber("ParamStop", 1);
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_TRUE(StillRunningAfter(3500)) << "stopped all along";

    ASSERT_TRUE(driver::StartServiceByName(m_database));
    ASSERT_TRUE(driver::StartServiceByName(m_listener));
    ASSERT_TRUE(WaitLine(1009, "Oracle ist gestartet."));
    ASSERT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));
    ASSERT_TRUE(driver::StopServiceByName(m_database));
    ASSERT_TRUE(driver::StopServiceByName(m_listener));
    EXPECT_TRUE(m_program.WaitForExit(kWaitMs));
}

TEST_F(AutomationTest, ParamAskQuestionAnsweredNoKeepsTheProgram)
{
    AddBoth(kTwoSeconds, kTwoSeconds);
    m_program.WriteNumber("ParamAsk", 1);
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(driver::PostCommand(m_program.window, IDCANCEL));
    HWND box = WaitQuestion("Wollen Sie das Programm wirklich beenden?");
    ASSERT_TRUE(box);
    ASSERT_TRUE(driver::AnswerMessageBox(box, IDNO));
    ASSERT_TRUE(driver::WaitWindowGone(box, kWaitMs));
    EXPECT_TRUE(StillRunningAfter(1000));

    ASSERT_TRUE(driver::PostCommand(m_program.window, IDCANCEL));
    box = WaitQuestion("Wollen Sie das Programm wirklich beenden?");
    ASSERT_TRUE(box);
    ASSERT_TRUE(driver::AnswerMessageBox(box, IDYES));
    EXPECT_TRUE(m_program.WaitForExit(kWaitMs));
}

} // namespace
