// VelmoraDienste.exe started directly, as Velmora starts it elevated: it sends and ends at once,
// and says by its exit code which name it could not send to.
#include "HostPath.h"
#include "ProgramTest.h"

namespace {

class ServiceHelperTest : public ProgramTest {
protected:
    // The exit code once the helper has ended by itself: a window waiting for an answer would
    // keep it running.
    DWORD RunHelper(std::string commandLine)
    {
        commandLine = "\"" + driver::WindowsPath(VELMORA_HELPER_EXE) + "\" " + commandLine;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION helper{};
        DWORD code = STILL_ACTIVE;
        EXPECT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &helper));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(helper.hProcess, kWaitMs));
        GetExitCodeProcess(helper.hProcess, &code);
        CloseHandle(helper.hThread);
        CloseHandle(helper.hProcess);
        return code;
    }
};

TEST_F(ServiceHelperTest, StartThenStopBringsBothServicesThereAndEndsWithZero)
{
    AddServices("", "");
    for (const auto& [verb, state] : { std::pair{ "start ", SERVICE_RUNNING }, std::pair{ "stop ", SERVICE_STOPPED } }) {
        EXPECT_EQ(0u, RunHelper(verb + m_database + " " + m_listener));
        EXPECT_TRUE(driver::WaitForServiceState(m_database, state, kWaitMs));
        EXPECT_TRUE(driver::WaitForServiceState(m_listener, state, kWaitMs));
    }
}

TEST_F(ServiceHelperTest, AWrongCommandLineTouchesNothingAndAnUnknownNameIsNamedByTheExitCode)
{
    AddServices("", "");
    for (const std::string& wrong : { std::string(), "begin " + m_database, std::string("start \"\""),
                                      "start " + m_database + " " + m_listener + " " + m_database })
        EXPECT_EQ(4u, RunHelper(wrong)) << wrong;
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), driver::QueryServiceState(m_database));
    EXPECT_EQ(1u, RunHelper("start VelmoraUnbekannt " + m_database));
    EXPECT_EQ(2u, RunHelper("start " + m_listener + " VelmoraUnbekannt"));
    EXPECT_TRUE(driver::WaitForServiceState(m_database, SERVICE_RUNNING, kWaitMs));
    EXPECT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_RUNNING, kWaitMs));
}

} // namespace
