// The main window of the real program against two real stand-in services.
#include "ProgramSession.h"
#include "ServiceDriver.h"
#include "WindowDriver.h"
#include <gtest/gtest.h>

namespace {

constexpr DWORD kWaitMs = 20000;

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const std::string& name : m_services) {
            driver::StopServiceByName(name);
            driver::WaitForServiceState(name, SERVICE_STOPPED, kWaitMs);
            driver::RemoveService(name);
        }
    }

    void AddService(const std::string& name, const std::string& displayName)
    {
        ASSERT_TRUE(driver::CreateStandinService(name, displayName, "--start-delay=1500 --stop-delay=1000"));
        m_services.push_back(name);
    }

    bool WaitLine(int id, const std::string& text)
    {
        return driver::WaitControlText(m_program.window, id, text, kWaitMs);
    }

    ProgramSession m_program;
    std::vector<std::string> m_services;
};

TEST_F(MainWindowTest, ButtonsStartAndStopBothServices)
{
    AddService("VelmoraE2eDb", "Velmora E2E Datenbank");
    AddService("VelmoraE2eTns", "Velmora E2E Listener");
    m_program.WriteText("OracleSrv", "VelmoraE2eDb");
    m_program.WriteText("OracleTns", "VelmoraE2eTns");
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_EQ("(VelmoraE2eDb)", driver::ControlText(m_program.window, 1010));
    EXPECT_EQ("TNS-Listener ist beendet.", driver::ControlText(m_program.window, 1011));
    EXPECT_EQ("(VelmoraE2eTns)", driver::ControlText(m_program.window, 1012));

    ASSERT_TRUE(driver::ClickButton(m_program.window, 1005));
    EXPECT_TRUE(WaitLine(1009, "Oracle wird gestartet.")) << driver::ControlText(m_program.window, 1009);
    EXPECT_TRUE(driver::WaitForServiceState("VelmoraE2eDb", SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(driver::WaitForServiceState("VelmoraE2eTns", SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist gestartet."));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));

    ASSERT_TRUE(driver::ClickButton(m_program.window, 1004));
    EXPECT_TRUE(driver::WaitForServiceState("VelmoraE2eDb", SERVICE_STOPPED, kWaitMs));
    EXPECT_TRUE(driver::WaitForServiceState("VelmoraE2eTns", SERVICE_STOPPED, kWaitMs));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist beendet."));
}

TEST_F(MainWindowTest, AMissingServiceGetsItsFailureLineWhileTheOtherIsStarted)
{
    AddService("VelmoraE2eTns2", "Velmora E2E Listener 2");
    m_program.WriteText("OracleSrv", "VelmoraNoSuchService");
    m_program.WriteText("OracleTns", "VelmoraE2eTns2");
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Dienst für Oracle konnte nicht geöffnet werden."));
    ASSERT_TRUE(driver::PostCommand(m_program.window, 1005));
    EXPECT_TRUE(driver::WaitForServiceState("VelmoraE2eTns2", SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(WaitLine(1011, "TNS-Listener ist gestartet."));
    EXPECT_EQ("Dienst für Oracle konnte nicht geöffnet werden.", driver::ControlText(m_program.window, 1009));
}

TEST_F(MainWindowTest, AServiceStoredUnderItsDisplayNameIsWatchedAndStarted)
{
    AddService("VelmoraE2eKeyName", "Velmora Anzeigename Datenbank");
    m_program.WriteText("OracleSrv", "Velmora Anzeigename Datenbank");
    ASSERT_TRUE(m_program.Start());
    ASSERT_TRUE(WaitLine(1009, "Oracle ist beendet."));
    EXPECT_EQ("(Velmora Anzeigename Datenbank)", driver::ControlText(m_program.window, 1010));
    ASSERT_TRUE(driver::PostCommand(m_program.window, 1005));
    EXPECT_TRUE(driver::WaitForServiceState("VelmoraE2eKeyName", SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist gestartet."));
}

} // namespace
