// What a screen reader and a keyboard user meet in the main window: the state lines announced
// when they say something new, the tray menu opened from the keyboard.
#include "MonitorWindowFixture.h"

namespace {

using AccessibilityTest = MonitorWindowFixture;

constexpr DWORD kLiveRegionChanged = 0x8019;
std::vector<int> g_announced; // the lines, by control id

void CALLBACK RecordAnnouncement(HWINEVENTHOOK, DWORD, HWND line, LONG, LONG, DWORD, DWORD)
{
    g_announced.push_back(GetDlgCtrlID(line));
}

// Heard once each: the first states, the start under way, the services up; not the progress
// dots, and nothing while nothing changes.
TEST_F(AccessibilityTest, AStateLineIsAnnouncedWhenItSaysSomethingNew)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    OpenWindow();
    // Called in this process at once, as the event is raised.
    const HWINEVENTHOOK hook = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, GetModuleHandleA(nullptr),
                                               &RecordAnnouncement, GetCurrentProcessId(), GetCurrentThreadId(),
                                               WINEVENT_INCONTEXT);
    const auto heard = [] { return std::exchange(g_announced, {}); };
    const std::vector<int> both = { IDC_ORACLE_STATE, IDC_TNS_STATE };
    m_dlg->RefreshStatus();
    EXPECT_EQ(both, heard());
    m_dlg->RefreshStatus();
    EXPECT_EQ(std::vector<int>(), heard());
    m_dlg->StartDatabase();
    m_dlg->RefreshStatus();
    m_dlg->RefreshStatus();
    EXPECT_EQ("Oracle wird gestartet...", Line(IDC_ORACLE_STATE));
    EXPECT_EQ(both, heard());
    SetStates(SERVICE_RUNNING, SERVICE_RUNNING);
    m_dlg->RefreshStatus();
    EXPECT_EQ(both, heard());
    UnhookWinEvent(hook);
}

TEST_F(AccessibilityTest, FromTheKeyboardTheTrayMenuOpensAtTheIconAndGivesTheFocusBack)
{
    OpenWindow();
    POINT cursor{};
    GetCursorPos(&cursor);
    m_shell.iconRect = { cursor.x + 100, cursor.y + 100, cursor.x + 124, cursor.y + 124 };
    m_dlg->OnTrayIconMessage(ID_TRAY_ICON, WM_RBUTTONUP);
    EXPECT_EQ(cursor.x + 112, m_ui.lastMenuAt.x) << "at the icon's middle";
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_RESTORE), GetMenuDefaultItem(m_dlg->m_pTrayPopup->m_hMenu, FALSE, GMDI_USEDISABLED))
        << "what a double-click does";
    EXPECT_EQ(static_cast<DWORD>(NIM_SETFOCUS), m_shell.calls.back().first);
    m_shell.iconRect = { cursor.x - 8, cursor.y - 8, cursor.x + 8, cursor.y + 8 };
    const size_t calls = m_shell.calls.size();
    m_dlg->OnTrayIconMessage(ID_TRAY_ICON, WM_RBUTTONUP);
    EXPECT_EQ(cursor.x, m_ui.lastMenuAt.x) << "by mouse, at the pointer";
    EXPECT_EQ(calls, m_shell.calls.size()) << "and the focus stays where the user clicks";
}

} // namespace
