// VelmoraDienste.exe started directly, as Velmora starts it elevated: it sends and ends at once
// without a window to answer, and says by its exit code which name it could not send to.
#include "ProgramTest.h"

namespace {

using ServiceHelperTest = ProgramTest;

TEST_F(ServiceHelperTest, SendsToEveryNameItCanAndNamesTheOthersByItsExitCode)
{
    AddServices("", "");
    const auto run = [&](const std::string& arguments) {
        return Start(VELMORA_HELPER_EXE, arguments) ? ExitCode() : STILL_ACTIVE;
    };
    for (const std::string& wrong : { std::string(), "begin " + m_database, std::string("start \"\""),
                                      "start " + m_database + " " + m_listener + " " + m_database })
        EXPECT_EQ(4u, run(wrong)) << "a command line it does not take: " << wrong;
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), driver::QueryServiceState(m_database));
    for (const auto& [verb, state] : { std::pair{ "start ", SERVICE_RUNNING }, std::pair{ "stop ", SERVICE_STOPPED } }) {
        EXPECT_EQ(0u, run(verb + m_database + " " + m_listener));
        EXPECT_TRUE(driver::WaitForServiceState(m_database, state, kWaitMs));
        EXPECT_TRUE(driver::WaitForServiceState(m_listener, state, kWaitMs));
    }
    EXPECT_EQ(1u, run("start VelmoraUnbekannt " + m_listener));
    EXPECT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_RUNNING, kWaitMs));
}

} // namespace
