#pragma once
// A test of the real program against stand-in services registered for that test alone.
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
            driver::StopServiceByName(name);
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

    ProgramSession m_program;
    std::vector<std::string> m_services;
    std::string m_database;
    std::string m_listener;
};
