// Whatever stands in the stored settings: the main window's start-up, the refresh, the tooltip
// and the settings dialog take each value within its data, and OK writes back what was loaded.
#include "MonitorFixture.h"
#include "RawSettings.h"
#include "Settings.h"
#include <cstring>
#include <iterator>
#include <map>
#include <random>

namespace {

class StoredSettingsTest : public MonitorFixture {
protected:
    std::vector<std::string> OpenCalls() const
    {
        std::vector<std::string> opens;
        for (const std::string& call : m_scm.calls)
            if (call.rfind("open ", 0) == 0)
                opens.push_back(call);
        return opens;
    }
};

TEST_F(StoredSettingsTest, NamesReachTheServiceManagerAsTheyStand)
{
    struct Row {
        std::string name;
        bool installed;
    };
    const Row rows[] = {
        { "Oracle\\Dienst mit Blanks", true },
        { " OracleServiceXE ", true },
        { "\\\\.\\Oracle\\", true },
        { std::string(100 * 1024, 'n'), false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.substr(0, 30));
        const std::string listener = row.name + " TNS";
        WriteText(Settings::kOracleSrv, row.name);
        WriteText(Settings::kOracleTns, listener);
        if (row.installed) {
            m_scm.Service(row.name).state = SERVICE_RUNNING;
            m_scm.Service(listener).state = SERVICE_RUNNING;
        }
        CMonitorDlg& dlg = OpenWindow();
        m_scm.calls.clear();
        dlg.RefreshStatus();
        EXPECT_EQ(std::vector<std::string>({ "open " + row.name + " 4", "open " + listener + " 4" }), OpenCalls());
        EXPECT_EQ(row.installed ? "Oracle ist gestartet." : "Dienst für Oracle konnte nicht geöffnet werden.",
                  dlg.m_strOracleState.str());
        EXPECT_EQ(row.installed ? "TNS-Listener ist gestartet." : "Dienst für TNS-Listener konnte nicht geöffnet werden.",
                  dlg.m_strTnsState.str());
        EXPECT_EQ("(" + row.name + ")", dlg.m_strOracleName.str());
        CloseWindow();
    }
}

// Any type, mostly a few bytes long, now and then a long text; zeros inside, at the end or missing.
RawValue RandomValue(std::mt19937& random, const Setting& setting)
{
    static const DWORD kTypes[] = { REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_BINARY, REG_QWORD, REG_NONE };
    static const size_t kMaxLengths[] = { 0, 8, 8, 8, 64, 64, 600, 5000 };
    // Most values have the setting's own type, so that the reads get past their type test.
    const DWORD type = random() % 4 ? (setting.isSwitch ? REG_DWORD : REG_SZ) : kTypes[random() % std::size(kTypes)];
    std::string data(random() % (kMaxLengths[random() % std::size(kMaxLengths)] + 1), '\0');
    for (char& byte : data)
        byte = static_cast<char>(random());
    // The numbers the settings dialog tells apart: on, off and neither.
    if (data.size() == sizeof(DWORD) && random() % 2)
        data = RawSettings::Number(random() % 3).data;
    if (!data.empty() && random() % 4 == 0)
        data[random() % data.size()] = '\0';
    if (random() % 3 == 0)
        data += '\0';
    return { type, data };
}

// A correct bounded read of the stored bytes: a text is its bytes up to the first zero or the end
// of the data, a switch a REG_DWORD of exactly four bytes; anything else reads as the default.
std::string TextIn(const RawValue& value)
{
    return value.type == REG_SZ ? value.data.substr(0, value.data.find('\0')) : std::string();
}

int NumberIn(const RawValue& value)
{
    DWORD number = 0;
    if (value.type == REG_DWORD && value.data.size() == sizeof(number))
        std::memcpy(&number, value.data.data(), sizeof(number));
    return static_cast<int>(number);
}

void ExpectLoaded(const CInfoDlg& dialog, const std::map<std::string, RawValue>& stored)
{
    using namespace Settings;
    const std::string infoText = TextIn(stored.at(kInfoText));
    EXPECT_EQ(TextIn(stored.at(kOracleSrv)), dialog.m_strOracleSrv.str());
    EXPECT_EQ(TextIn(stored.at(kOracleTns)), dialog.m_strOracleTns.str());
    EXPECT_EQ(NumberIn(stored.at(kParamStop)), dialog.m_bParamStop);
    EXPECT_EQ(NumberIn(stored.at(kParamStart)), dialog.m_bParamStart);
    EXPECT_EQ(NumberIn(stored.at(kParamEnde)), dialog.m_bParamEnde);
    EXPECT_EQ(NumberIn(stored.at(kParamAsk)), dialog.m_bParamAsk);
    EXPECT_EQ(NumberIn(stored.at(kParamMin)), dialog.m_bParamMin);
    EXPECT_EQ(infoText.empty() ? 0 : 1, dialog.m_bInfoText);
    EXPECT_EQ(infoText.empty() ? TextIn(stored.at(kOracleSrv)) : infoText, dialog.m_strInfoText.str());
}

// Confirms the settings dialog from inside its modal loop, as the user's OK would.
CMonitorDlg* g_window = nullptr;
bool g_settingsConfirmed = false;

LRESULT CALLBACK ConfirmSettings(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP)
        return DefWindowProcA(window, message, wParam, lParam);
    CInfoDlg& settings = g_window->m_infoDlg;
    g_settingsConfirmed = IsWindow(settings.m_hWnd) != FALSE;
    if (!g_settingsConfirmed)
        return 0;
    SendMessageA(settings.m_hWnd, WM_COMMAND, IDOK, 0);
    // An OK that refused to end would leave the modal loop waiting for a user.
    if (settings.m_nModalResult != IDOK)
        settings.Cancel();
    return 0;
}

// Whether the settings dialog ran, and was confirmed, during `action`. The message posted before
// is the first that the dialog's modal loop takes, so no timer needs to run out first.
template <typename Action>
bool ConfirmsSettings(CMonitorDlg& window, Action action)
{
    const HWND confirmer = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(confirmer, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ConfirmSettings));
    g_window = &window;
    g_settingsConfirmed = false;
    PostMessageA(confirmer, WM_APP, 0, 0);
    action();
    // A message not taken goes with its window.
    DestroyWindow(confirmer);
    return g_settingsConfirmed;
}

TEST_F(StoredSettingsTest, RandomValuesAreReadWithinTheirDataAndOkWritesWhatWasLoaded)
{
    std::mt19937 random(1044);
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        std::map<std::string, RawValue> stored;
        for (const Setting& setting : RawSettings::kAll) {
            stored[setting.name] = RandomValue(random, setting);
            RawSettings::Store(setting.name, stored[setting.name]);
        }
        const std::string database = TextIn(stored[Settings::kOracleSrv]);
        const std::string listener = TextIn(stored[Settings::kOracleTns]);
        const std::string infoText = TextIn(stored[Settings::kInfoText]);
        const std::string tooltip = !infoText.empty() ? infoText : !database.empty() ? database : "Kein Service eingetragen";

        CMonitorDlg& dlg = OpenWindow();
        ExpectLoaded(dlg.m_infoDlg, stored);
        EXPECT_EQ(tooltip.substr(0, 63), m_shell.calls.back().tooltip);
        // With no service named, the start-up tick runs the settings dialog; else the tray menu does.
        const bool unconfigured = database.empty() && listener.empty();
        EXPECT_EQ(unconfigured, ConfirmsSettings(dlg, [&] { Tick(CMonitorDlg::TIMER_STARTUP); }));
        if (!unconfigured) {
            EXPECT_TRUE(ConfirmsSettings(dlg, [&] { SendMessageA(dlg.m_hWnd, WM_COMMAND, CMonitorDlg::ID_TRAY_INFO, 0); }));
        }
        EXPECT_EQ(IDOK, dlg.m_infoDlg.m_nModalResult);
        for (const Setting& setting : RawSettings::kAll) {
            const RawValue& value = stored[setting.name];
            EXPECT_EQ(setting.isSwitch ? RawSettings::Number(NumberIn(value) == 1 ? 1 : 0) : RawSettings::Text(TextIn(value)),
                      RawSettings::Read(setting.name))
                << setting.name;
        }

        m_scm.calls.clear();
        dlg.RefreshStatus();
        std::vector<std::string> opens;
        for (const std::string& name : { database, listener })
            if (!name.empty())
                opens.push_back("open " + name + " 4");
        EXPECT_EQ(opens, OpenCalls());
        EXPECT_EQ(tooltip, dlg.GetTooltipText().str());
        CloseWindow();
    }
}

} // namespace
