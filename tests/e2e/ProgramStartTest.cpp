// The real Velmora.exe started under Wine: it shows its window, reads its settings and ends when closed.
#include "ProgramSession.h"
#include "WindowDriver.h"
#include <gtest/gtest.h>

namespace {

TEST(ProgramStartTest, ShowsTheWindowWithItsControlsCreatesTheBranchAndEndsOnClose)
{
    ProgramSession program;
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.SectionExists());
    EXPECT_EQ("OK", driver::ControlText(program.window, IDOK));
    EXPECT_EQ("Datenbank starten", driver::ControlText(program.window, 1005));
    EXPECT_EQ("Datenbank beenden", driver::ControlText(program.window, 1004));
    for (int line : { 1001, 1009, 1010, 1011, 1012 })
        EXPECT_TRUE(GetDlgItem(program.window, line)) << line;

    ASSERT_TRUE(driver::PostCommand(program.window, IDCANCEL));
    EXPECT_TRUE(driver::WaitWindowGone(program.window, 10000));
    EXPECT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(0u, program.ExitCode());
}

} // namespace
