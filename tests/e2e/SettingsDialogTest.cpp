// The settings dialog of the real program, opened from the tray menu over the main window.
#include "ProgramTest.h"

namespace {

using SettingsDialogTest = ProgramTest;

TEST_F(SettingsDialogTest, OpensOverTheDisabledMainWindowAndTheWindowWatchesWhatOkStored)
{
    AddServices("", "");
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(driver::PostCommand(m_window, 32776));
    const HWND settings = driver::FindMainWindow("Info über Velmora", kWaitMs, m_process.dwProcessId);
    // Until it is shown, the dialog may still be filling its controls.
    ASSERT_TRUE(settings && driver::PollUntil([&] { return IsWindowVisible(settings) != FALSE; }, kWaitMs));
    EXPECT_EQ(m_window, GetWindow(settings, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(m_window));
    EXPECT_EQ(m_database, driver::ControlText(settings, 1012));

    // The database as the list names it, by its display name.
    const std::string displayName = m_database + " Anzeige";
    driver::Send(GetDlgItem(settings, 1012), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(displayName.c_str()));
    ASSERT_TRUE(driver::PostCommand(settings, IDOK));
    EXPECT_TRUE(driver::PollUntil([&] { return !IsWindow(settings); }, kWaitMs)) << "OK did not close the dialog";
    EXPECT_TRUE(IsWindowEnabled(m_window));
    EXPECT_EQ(RawSettings::Text(displayName), RawSettings::Read("OracleSrv"));
    EXPECT_TRUE(WaitLine(1010, "(" + displayName + ")"));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist beendet."));
}

} // namespace
