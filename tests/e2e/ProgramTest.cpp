#include "ProgramTest.h"
#include "HostPath.h"
#include <algorithm>

void ProgramTest::EndProcess()
{
    if (m_process.hProcess) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kWaitMs);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    m_process = {};
}

void ProgramTest::TearDown()
{
    EndProcess();
    for (const std::string& name : { m_database, m_listener }) {
        // A stand-in that is stopped already, or whose process is gone, has nothing to wait for.
        if (driver::StopServiceByName(name) || driver::QueryServiceState(name) == SERVICE_STOP_PENDING)
            driver::WaitForServiceState(name, SERVICE_STOPPED, kWaitMs);
        driver::RemoveService(name);
    }
}

void ProgramTest::AddServices(const std::string& databaseArgs, const std::string& listenerArgs)
{
    // Names of the test's own, so that no service of an earlier test is still being deleted; a
    // parameterised test's name holds a slash, which no service name may.
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(test.begin(), test.end(), '/', '_');
    m_database = "Velmora" + test + "Db";
    m_listener = "Velmora" + test + "Tns";
    EXPECT_TRUE(driver::CreateStandinService(m_database, m_database + " Anzeige", databaseArgs)) << m_database;
    EXPECT_TRUE(driver::CreateStandinService(m_listener, m_listener + " Anzeige", listenerArgs)) << m_listener;
    RawSettings::DeleteBranch();
    RawSettings::Store("OracleSrv", RawSettings::Text(m_database));
    RawSettings::Store("OracleTns", RawSettings::Text(m_listener));
}

::testing::AssertionResult ProgramTest::Launch(const std::string& unixPath)
{
    EndProcess();
    std::string commandLine = "\"" + driver::WindowsPath(unixPath) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
        return ::testing::AssertionFailure() << commandLine << " did not start: error " << GetLastError();
    m_window = driver::FindMainWindow("Velmora", kWaitMs, m_process.dwProcessId);
    // The window exists before its controls do; it is shown (or minimised) once they are all there.
    if (!m_window || !driver::PollUntil([&] { return IsWindowVisible(m_window) || IsIconic(m_window); }, kWaitMs))
        return ::testing::AssertionFailure() << "no window \"Velmora\" came up";
    return ::testing::AssertionSuccess();
}

HWND ProgramTest::OpenSettings() const
{
    driver::PostCommand(m_window, ID_TRAY_INFO);
    const HWND settings = driver::FindMainWindow("Info über Velmora", kWaitMs, m_process.dwProcessId);
    // Until it is shown, the dialog may still be filling its controls.
    return settings && driver::PollUntil([&] { return IsWindowVisible(settings) != FALSE; }, kWaitMs) ? settings : nullptr;
}

::testing::AssertionResult ProgramTest::WaitLine(int id, const std::string& text) const
{
    if (driver::WaitControlText(m_window, id, text, kWaitMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "line " << id << " shows \"" << driver::ControlText(m_window, id)
                                         << "\", expected it to begin with \"" << text << "\"";
}

::testing::AssertionResult ProgramTest::WaitStateLines(const std::string& text) const
{
    const ::testing::AssertionResult database = WaitLine(IDC_ORACLE_STATE, "Oracle " + text);
    return database ? WaitLine(IDC_TNS_STATE, "TNS-Listener " + text) : database;
}
