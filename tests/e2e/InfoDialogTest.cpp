// The settings dialog of the real program, with the real registry and real services.
#include "Polling.h"
#include "ProgramWithServices.h"
#include "ServiceManager.h"

namespace {

constexpr const char* kSection = "Software\\Orvik Velmora\\Velmora\\Config";

class InfoDialogTest : public ProgramWithServices {
protected:
    static bool StoredNumber(const char* entry, DWORD& value)
    {
        DWORD size = sizeof(value);
        return RegGetValueA(HKEY_CURRENT_USER, kSection, entry, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
    }

    static DWORD Number(const char* entry)
    {
        DWORD value = 0xFFFFFFFF;
        EXPECT_TRUE(StoredNumber(entry, value)) << entry << " is no REG_DWORD";
        return value;
    }

    void StartConfigured()
    {
        m_listener = AddService("Tns", "--start-delay=100 --stop-delay=100");
        m_program.WriteText("OracleSrv", "Nicht installiert\\Dienst mit Blanks");
        m_program.WriteText("OracleTns", m_listener);
        ASSERT_TRUE(m_program.Start());
    }
};

TEST_F(InfoDialogTest, LoadsTheStoredSettingsAndOkWritesAllEight)
{
    m_program.WriteNumber("ParamStop", 5);
    m_program.WriteNumber("ParamStart", 0);
    m_program.WriteNumber("ParamAsk", 1);
    m_program.WriteText("InfoText", "Meine Datenbank");
    ASSERT_NO_FATAL_FAILURE(StartConfigured());
    const HWND settings = OpenSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ("Nicht installiert\\Dienst mit Blanks", driver::ControlText(settings, 1012));
    EXPECT_EQ(m_listener, driver::ControlText(settings, 1004)) << "the lists are still empty when the members are first shown";
    EXPECT_FALSE(driver::IsChecked(settings, 1007)) << "5 is shown clear";
    EXPECT_TRUE(driver::IsChecked(settings, 1010));
    EXPECT_TRUE(driver::IsChecked(settings, 1014));
    EXPECT_TRUE(driver::IsControlEnabled(settings, 1015));
    EXPECT_EQ("Meine Datenbank", driver::ControlText(settings, 1015));
    EXPECT_EQ("Danke an", driver::ControlText(settings, 1011));
    EXPECT_EQ("Feiertage am ", driver::ControlText(settings, 1005).substr(0, 13));

    driver::SetControlText(settings, 1004, m_listener);
    ASSERT_TRUE(driver::PostCommand(settings, IDOK));
    ASSERT_TRUE(driver::WaitWindowGone(settings, kWaitMs));
    EXPECT_EQ("Nicht installiert\\Dienst mit Blanks", m_program.ReadText("OracleSrv"));
    EXPECT_EQ(m_listener, m_program.ReadText("OracleTns"));
    EXPECT_EQ(0u, Number("ParamStop"));
    EXPECT_EQ(0u, Number("ParamStart"));
    EXPECT_EQ(0u, Number("ParamEnde"));
    EXPECT_EQ(1u, Number("ParamAsk"));
    EXPECT_EQ(0u, Number("ParamMin"));
    EXPECT_EQ("Meine Datenbank", m_program.ReadText("InfoText"));
}

TEST_F(InfoDialogTest, EscWritesNothingAndAnEmptyAlternativeTextIsRefused)
{
    m_program.WriteText("InfoText", "Alt");
    ASSERT_NO_FATAL_FAILURE(StartConfigured());
    HWND settings = OpenSettings();
    ASSERT_TRUE(settings);
    driver::SetChecked(settings, 1006, true);
    ASSERT_TRUE(driver::PostCommand(settings, IDCANCEL));
    ASSERT_TRUE(driver::WaitWindowGone(settings, kWaitMs));
    DWORD ignored = 0;
    EXPECT_FALSE(StoredNumber("ParamStart", ignored)) << "Esc stores nothing";

    settings = OpenSettings();
    ASSERT_TRUE(settings);
    driver::SetControlText(settings, 1015, "");
    ASSERT_TRUE(driver::PostCommand(settings, IDOK));
    const HWND box = driver::FindMessageBox("Velmora", kWaitMs, m_program.process.dwProcessId);
    ASSERT_TRUE(box);
    EXPECT_EQ("Es muss ein alternativer Text für den Infobereich eingegeben werden!", driver::MessageBoxText(box));
    ASSERT_TRUE(driver::AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(driver::WaitWindowGone(box, kWaitMs));
    EXPECT_TRUE(IsWindow(settings)) << "the dialog stays open";
    EXPECT_FALSE(StoredNumber("ParamStart", ignored));
    ASSERT_TRUE(driver::PostCommand(settings, IDCANCEL));
}

TEST_F(InfoDialogTest, ServiceListsHoldEveryServiceOnceAlsoAfterTyping)
{
    ASSERT_NO_FATAL_FAILURE(StartConfigured());
    AddService("Zwei", "");
    const HWND settings = OpenSettings();
    ASSERT_TRUE(settings);
    // Every installed service and driver once in each list, however often the field was typed in.
    const int services = static_cast<int>(ServiceManager::EnumerateDisplayNames().size());
    ASSERT_GT(services, 2);
    const auto checkLists = [&](const char* when) {
        EXPECT_EQ(services, driver::ComboRowCount(settings, 1012)) << when;
        EXPECT_EQ(services, driver::ComboRowCount(settings, 1004)) << when;
    };
    checkLists("after opening");
    ASSERT_TRUE(driver::TypeIntoCombo(settings, 1012, "Velmora Dienst", true));
    EXPECT_EQ("Velmora Dienst", driver::ControlText(settings, 1012));
    EXPECT_EQ("Velmora Dienst", driver::ControlText(settings, 1015)) << "the alternative text follows";
    checkLists("after typing");

    // ü to Ü is a change of letter case only.
    ASSERT_TRUE(driver::TypeIntoCombo(settings, 1012, "\xFC", true));
    EXPECT_EQ("\xFC", driver::ControlText(settings, 1015));
    ASSERT_TRUE(driver::TypeIntoCombo(settings, 1012, "\xDC", true));
    EXPECT_EQ("\xDC", driver::ControlText(settings, 1012));
    EXPECT_EQ("\xFC", driver::ControlText(settings, 1015)) << "nothing else changes";
    ASSERT_TRUE(driver::PostCommand(settings, IDCANCEL));
}

TEST_F(InfoDialogTest, TheFirstStartAsksAndTheChosenServicesAreWatchedAfterOk)
{
    const std::string database = AddService("Db", "--start-delay=100 --stop-delay=100");
    ASSERT_TRUE(m_program.Start());
    const HWND settings = WaitSettings();
    ASSERT_TRUE(settings);
    driver::SetControlText(settings, 1012, database);
    ASSERT_TRUE(driver::PostCommand(settings, IDOK));
    ASSERT_TRUE(driver::WaitWindowGone(settings, kWaitMs));
    EXPECT_EQ(database, m_program.ReadText("OracleSrv"));
    EXPECT_TRUE(WaitLine(1010, "(" + database + ")"));
    EXPECT_TRUE(WaitLine(1009, "Oracle ist beendet."));
}

} // namespace
