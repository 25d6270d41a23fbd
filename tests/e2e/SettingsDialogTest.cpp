// The settings dialog of the real program, opened from the tray menu over the main window.
#include "ProgramTest.h"

namespace {

using SettingsDialogTest = ProgramTest;

// Its owner, the disabled main window and the fields it shows are the in-process tests'.
TEST_F(SettingsDialogTest, OpensFromTheTrayMenuAndTheWindowWatchesWhatOkStored)
{
    AddServices("", "");
    ASSERT_TRUE(Launch());
    const HWND settings = OpenSettings();
    ASSERT_TRUE(settings);

    // The database as the list names it, by its display name.
    const std::string displayName = m_database + " Anzeige";
    driver::Send(GetDlgItem(settings, IDC_SERVICE_SRV), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(displayName.c_str()));
    ASSERT_TRUE(driver::PostCommand(settings, IDOK));
    EXPECT_TRUE(driver::PollUntil([&] { return !IsWindow(settings); }, kWaitMs)) << "OK did not close the dialog";
    EXPECT_EQ(RawSettings::Text(displayName), RawSettings::Read("OracleSrv"));
    EXPECT_TRUE(WaitLine(IDC_ORACLE_NAME, "(" + displayName + ")"));
    EXPECT_TRUE(WaitLine(IDC_ORACLE_STATE, "Oracle ist beendet."));
}

} // namespace
