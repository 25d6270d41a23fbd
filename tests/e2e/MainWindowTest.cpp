// The main window of the real program against two real stand-in services.
#include "ProgramWithServices.h"

namespace {

using MainWindowTest = ProgramWithServices;
constexpr const char* kDelays = "--start-delay=1500 --stop-delay=1000";

TEST_F(MainWindowTest, ButtonsStartAndStopBothServices)
{
    AddBoth(kDelays, kDelays);
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_EQ("(" + m_database + ")", driver::ControlText(m_program.window, 1010));
    EXPECT_EQ("TNS-Listener ist beendet.", driver::ControlText(m_program.window, 1011));
    EXPECT_EQ("(" + m_listener + ")", driver::ControlText(m_program.window, 1012));

    ASSERT_TRUE(driver::ClickButton(m_program.window, 1005));
    EXPECT_TRUE(WaitLine(1009, "Oracle wird gestartet.")) << driver::ControlText(m_program.window, 1009);
    EXPECT_TRUE(driver::WaitForServiceState(m_database, SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist gestartet."));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));

    ASSERT_TRUE(driver::ClickButton(m_program.window, 1004));
    EXPECT_TRUE(driver::WaitForServiceState(m_database, SERVICE_STOPPED, kWaitMs));
    EXPECT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_STOPPED, kWaitMs));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist beendet."));
}

TEST_F(MainWindowTest, AMissingServiceGetsItsFailureLineWhileTheOtherIsStarted)
{
    const std::string listener = AddService("Tns", kDelays);
    m_program.WriteText("OracleSrv", "VelmoraNoSuchService");
    m_program.WriteText("OracleTns", listener);
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Dienst für Oracle konnte nicht geöffnet werden."));
    ASSERT_TRUE(driver::PostCommand(m_program.window, 1005));
    EXPECT_TRUE(driver::WaitForServiceState(listener, SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", driver::ControlText(m_program.window, 1009));
}

TEST_F(MainWindowTest, AServiceStoredUnderItsDisplayNameIsWatchedAndStarted)
{
    const std::string keyName = AddService("Db", kDelays);
    const std::string displayName = keyName + " Anzeige";
    m_program.WriteText("OracleSrv", displayName);
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_EQ("(" + displayName + ")", driver::ControlText(m_program.window, 1010));
    ASSERT_TRUE(driver::PostCommand(m_program.window, 1005));
    EXPECT_TRUE(driver::WaitForServiceState(keyName, SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist gestartet."));
}

} // namespace
