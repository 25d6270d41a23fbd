// The real Velmora.exe started under Wine: it shows its window, reads its settings and ends when closed.
#include "ProgramSession.h"
#include "WindowDriver.h"
#include <gtest/gtest.h>

namespace {

TEST(ProgramStartTest, AFirstRunAsksForTheServicesOverTheWindowAndEndsOnClose)
{
    ProgramSession program;
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.SectionExists());
    EXPECT_EQ("OK", driver::ControlText(program.window, IDOK));
    EXPECT_EQ("Datenbank starten", driver::ControlText(program.window, 1005));
    EXPECT_EQ("Datenbank beenden", driver::ControlText(program.window, 1004));
    for (int line : { 1001, 1009, 1010, 1011, 1012 })
        EXPECT_TRUE(GetDlgItem(program.window, line)) << line;

    // Nothing configured: the settings dialog opens at once.
    const HWND settings = driver::FindMainWindow("Info über Velmora", 20000, program.process.dwProcessId);
    ASSERT_TRUE(settings);
    ASSERT_TRUE(driver::PostCommand(settings, IDCANCEL));
    EXPECT_TRUE(driver::WaitWindowGone(settings, 10000));

    ASSERT_TRUE(driver::PostCommand(program.window, IDCANCEL));
    EXPECT_TRUE(driver::WaitWindowGone(program.window, 10000));
    EXPECT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(0u, program.ExitCode());
    EXPECT_EQ("<none>", program.ReadText("OracleSrv")) << "Esc stores nothing";
}

} // namespace
