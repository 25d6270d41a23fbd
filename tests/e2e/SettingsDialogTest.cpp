// The settings dialog of the real program, opened from the tray menu over the main window.
#include "ProgramTest.h"
#include <utility>

namespace {

using SettingsDialogTest = ProgramTest;

TEST_F(SettingsDialogTest, OpensOverTheDisabledMainWindowWithTheStoredSettingsAndOkWritesThem)
{
    AddServices("", "");
    RawSettings::Store("ParamAsk", RawSettings::Number(1));
    RawSettings::Store("InfoText", RawSettings::Text("Meine Datenbank"));
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(driver::PostCommand(m_window, 32776));
    const HWND settings = driver::FindMainWindow("Info über Velmora", kWaitMs, m_process.dwProcessId);
    // Until it is shown, the dialog may still be filling its controls.
    ASSERT_TRUE(settings && driver::PollUntil([&] { return IsWindowVisible(settings) != FALSE; }, kWaitMs));
    EXPECT_EQ(m_window, GetWindow(settings, GW_OWNER));
    EXPECT_FALSE(IsWindowEnabled(m_window));
    const auto control = [&](int id) { return GetDlgItem(settings, id); };
    EXPECT_EQ(m_database, driver::ControlText(settings, 1012));
    EXPECT_EQ(m_listener, driver::ControlText(settings, 1004));
    EXPECT_EQ(BST_CHECKED, driver::Send(control(1010), BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, driver::Send(control(1014), BM_GETCHECK));
    EXPECT_EQ("Meine Datenbank", driver::ControlText(settings, 1015));
    EXPECT_GE(driver::Send(control(1012), CB_GETCOUNT), 2) << "the installed services are offered";
    EXPECT_EQ(7, driver::Send(control(1011), CB_GETCOUNT)) << "rows of the credits list";

    // The database as the list names it, by its display name; and the minimise at start-up ticked.
    const std::string displayName = m_database + " Anzeige";
    driver::Send(control(1012), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(displayName.c_str()));
    driver::Send(control(1008), BM_SETCHECK, BST_CHECKED);
    ASSERT_TRUE(driver::PostCommand(settings, IDOK));
    EXPECT_TRUE(driver::PollUntil([&] { return !IsWindow(settings); }, kWaitMs)) << "OK did not close the dialog";
    EXPECT_TRUE(IsWindowEnabled(m_window));
    const std::pair<const char*, RawSettings::Value> kWritten[] = {
        { "OracleSrv", RawSettings::Text(displayName) }, { "OracleTns", RawSettings::Text(m_listener) },
        { "ParamStop", RawSettings::Number(0) },         { "ParamStart", RawSettings::Number(0) },
        { "ParamEnde", RawSettings::Number(0) },         { "ParamAsk", RawSettings::Number(1) },
        { "ParamMin", RawSettings::Number(1) },          { "InfoText", RawSettings::Text("Meine Datenbank") },
    };
    for (const auto& [entry, value] : kWritten)
        EXPECT_EQ(value, RawSettings::Read(entry)) << entry;
    // The main window watches the service under the name just stored.
    EXPECT_TRUE(WaitLine(1010, "(" + displayName + ")"));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist beendet."));
}

} // namespace
