#pragma once
// A test of the real program against stand-in services registered for that test alone.
#include "Polling.h"
#include "ProgramSession.h"
#include "ServiceDriver.h"
#include "WindowDriver.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

class ProgramWithServices : public ::testing::Test {
protected:
    static constexpr DWORD kWaitMs = 20000;

    void TearDown() override
    {
        for (const std::string& name : m_services) {
            // A refused stop, or a service whose process is gone, has nothing to wait for.
            if (driver::StopServiceByName(name) || driver::QueryServiceState(name) == SERVICE_STOP_PENDING)
                driver::WaitForServiceState(name, SERVICE_STOPPED, kWaitMs);
            driver::RemoveService(name);
        }
    }

    // A name of its own for each test, so no service of an earlier test is still being deleted.
    std::string ServiceName(const std::string& role) const
    {
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        // A parameterised test's name holds a slash, which no service name may.
        std::replace(test.begin(), test.end(), '/', '_');
        return "Velmora" + test + role;
    }

    std::string AddService(const std::string& role, const std::string& standinArgs)
    {
        const std::string name = ServiceName(role);
        EXPECT_TRUE(driver::CreateStandinService(name, name + " Anzeige", standinArgs)) << name;
        m_services.push_back(name);
        return name;
    }

    // Both stand-ins registered and stored as the program's database and listener.
    void AddBoth(const std::string& databaseArgs, const std::string& listenerArgs)
    {
        m_database = AddService("Db", databaseArgs);
        m_listener = AddService("Tns", listenerArgs);
        m_program.WriteText("OracleSrv", m_database);
        m_program.WriteText("OracleTns", m_listener);
    }

    bool WaitLine(int id, const std::string& text)
    {
        return driver::WaitControlText(m_program.window, id, text, kWaitMs);
    }

    bool StillRunningAfter(DWORD ms) { return !m_program.WaitForExit(ms); }

    // The program's question with exactly that text, or nullptr.
    HWND WaitQuestion(const std::string& text)
    {
        const HWND box = driver::FindMessageBox("Velmora", kWaitMs, m_program.process.dwProcessId);
        EXPECT_TRUE(box) << "no question " << text;
        if (box) {
            EXPECT_EQ(text, driver::MessageBoxText(box));
        }
        return box;
    }

    // The settings dialog once it is shown: before that, it may still be filling its controls.
    HWND WaitSettings()
    {
        const HWND settings = driver::FindMainWindow("Info über Velmora", kWaitMs, m_program.process.dwProcessId);
        EXPECT_TRUE(settings && driver::PollUntil([&] { return IsWindowVisible(settings) != FALSE; }, kWaitMs));
        return settings;
    }

    // Opens the settings from the tray menu, as the user would.
    HWND OpenSettings()
    {
        EXPECT_TRUE(driver::PostCommand(m_program.window, 32776));
        return WaitSettings();
    }

    ProgramSession m_program;
    std::vector<std::string> m_services;
    std::string m_database;
    std::string m_listener;
};
