// The main window in the notification area: its icon, tooltip, menu and the shell's messages.
#include "MonitorFixture.h"
#include "Settings.h"

namespace {

using TrayIntegrationTest = MonitorFixture;
constexpr UINT kTrayMessage = WM_USER + 10;

TEST_F(TrayIntegrationTest, TheIconIsAddedWhileTheWindowIsCreated)
{
    WriteText(Settings::kOracleSrv, "OracleServiceXE");
    CMonitorDlg& dlg = OpenWindow();
    ASSERT_EQ(1u, m_shell.calls.size());
    const ShellCall& add = m_shell.calls[0];
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), add.command);
    EXPECT_EQ(dlg.m_hWnd, add.window);
    EXPECT_EQ(104u, add.iconId);
    EXPECT_EQ(kTrayMessage, add.callbackMessage);
    EXPECT_EQ(Icon(128), add.icon);
    EXPECT_EQ("OracleServiceXE", add.tooltip);
}

TEST_F(TrayIntegrationTest, RefusedIconEndsTheModalRunAtOnceWithoutWindowOrMessage)
{
    m_shell.refuseAdd = true;
    CMonitorDlg dlg;
    m_app.m_pMainWnd = &dlg;
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Velmora"));
    EXPECT_TRUE(m_ui.questions.empty());
    EXPECT_TRUE(m_ui.timers.empty()) << "the dialog never initialised";
    EXPECT_EQ(1u, m_shell.calls.size()) << "no delete for an icon that never was";
}

TEST_F(TrayIntegrationTest, TooltipRules)
{
    struct Row {
        std::string infoText;
        std::string database;
        std::string tooltip;
    };
    const std::string big(100 * 1024, 'x');
    const Row rows[] = {
        { "", "", "Kein Service eingetragen" },
        { "", "OracleServiceXE", "OracleServiceXE" },
        { "Meine Datenbank", "OracleServiceXE", "Meine Datenbank" },
        { "   ", "OracleServiceXE", "   " },
        { "", "  ", "  " },
        { "A" + big, "OracleServiceXE", "A" + big },
        { "", "D" + big, "D" + big },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "'" << row.infoText.substr(0, 20) << "', '" << row.database.substr(0, 20) << "'");
        WriteText(Settings::kInfoText, row.infoText);
        WriteText(Settings::kOracleSrv, row.database);
        OpenWindow();
        EXPECT_EQ(row.tooltip, std::string(m_dlg->GetTooltipText()));
        EXPECT_EQ(row.tooltip.substr(0, 63), m_shell.calls.back().tooltip) << "the shell's record holds 63 characters";
        CloseWindow();
    }
}

TEST_F(TrayIntegrationTest, RightClickShowsTheMenuAtTheCursorWithRestoreOnlyWhenMinimised)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    dlg.RefreshStatus();
    SendMessageA(dlg.m_hWnd, kTrayMessage, 104, WM_RBUTTONUP);
    dlg.MinimizeWindow();
    SendMessageA(dlg.m_hWnd, kTrayMessage, 104, WM_RBUTTONUP);
    ASSERT_EQ(2u, m_ui.menus.size());
    EXPECT_EQ(static_cast<UINT>(TPM_RIGHTBUTTON), m_ui.menus[0].flags);
    EXPECT_EQ(dlg.m_hWnd, m_ui.menus[0].owner);
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_DISABLED), m_ui.menus[0].itemStates.at(32774));
    EXPECT_EQ(0u, m_ui.menus[1].itemStates.at(32774));
    for (const TrackedMenu& menu : m_ui.menus) {
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_DISABLED), menu.itemStates.at(32775)) << "both running";
        EXPECT_EQ(0u, menu.itemStates.at(32772));
        EXPECT_EQ(0u, menu.itemStates.at(32773));
        EXPECT_EQ(0u, menu.itemStates.at(32776));
    }
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuDefaultItem(dlg.m_pTrayPopup->m_hMenu, FALSE, 0));
    MSG posted{};
    EXPECT_TRUE(PeekMessageA(&posted, dlg.m_hWnd, WM_NULL, WM_NULL, PM_REMOVE)) << "WM_NULL follows the menu";
}

TEST_F(TrayIntegrationTest, DoubleClickRestoresAndOtherNotificationsDoNothing)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    dlg.MinimizeWindow();
    ASSERT_TRUE(Minimised());
    const UINT ignored[][2] = { { 105, WM_LBUTTONDBLCLK }, { 105, WM_RBUTTONUP }, { 104, WM_LBUTTONUP },
                                { 104, WM_LBUTTONDOWN }, { 104, WM_MOUSEMOVE }, { 104, WM_RBUTTONDOWN } };
    for (const auto& message : ignored) {
        EXPECT_EQ(0, SendMessageA(dlg.m_hWnd, kTrayMessage, message[0], message[1]));
        EXPECT_TRUE(Minimised()) << message[0] << " " << message[1];
    }
    EXPECT_TRUE(m_ui.menus.empty());
    SendMessageA(dlg.m_hWnd, kTrayMessage, 104, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(IsIconic(dlg.m_hWnd));
    EXPECT_TRUE(IsWindowVisible(dlg.m_hWnd));
}

TEST_F(TrayIntegrationTest, TrayCommandsTakeTheWindowsOwnPaths)
{
    Configure(SERVICE_STOPPED, SERVICE_STOPPED);
    WriteNumber(Settings::kParamAsk, 1);
    CMonitorDlg& dlg = OpenWindow();
    SendMessageA(dlg.m_hWnd, WM_COMMAND, 32775, 0);
    EXPECT_EQ(2, m_scm.startRequests);
    SendMessageA(dlg.m_hWnd, WM_COMMAND, 32772, 0);
    EXPECT_EQ(2, m_scm.stopRequests);
    dlg.MinimizeWindow();
    SendMessageA(dlg.m_hWnd, WM_COMMAND, 32774, 0);
    EXPECT_FALSE(Minimised());
    SendMessageA(dlg.m_hWnd, WM_COMMAND, 32773, 0);
    EXPECT_EQ(1u, m_ui.questions.size());
}

TEST_F(TrayIntegrationTest, MinimisingHidesTheWindowFromScreenAndTaskbar)
{
    CMonitorDlg& dlg = OpenWindow();
    SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(Minimised());
    dlg.RestoreWindow();
    EXPECT_FALSE(Minimised());
    // A dialog hands its focus on to its first control.
    EXPECT_TRUE(GetFocus() == dlg.m_hWnd || IsChild(dlg.m_hWnd, GetFocus()));
}

TEST_F(TrayIntegrationTest, TaskbarCreatedAddsTheIconAgainAsItIsNow)
{
    Configure(SERVICE_RUNNING, SERVICE_RUNNING);
    CMonitorDlg& dlg = OpenWindow();
    dlg.RefreshStatus();
    WriteText(Settings::kInfoText, "Neuer Text");
    dlg.m_tray.SetTooltipText(dlg.GetTooltipText());
    dlg.RefreshStatus();
    SendMessageA(dlg.m_hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    const ShellCall& again = m_shell.calls.back();
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), again.command);
    EXPECT_EQ(7u, again.flags);
    EXPECT_EQ(Icon(140), again.icon);
    EXPECT_EQ("Neuer Text", again.tooltip);
    EXPECT_EQ(dlg.m_hWnd, again.window);
    EXPECT_EQ(104u, again.iconId);
    EXPECT_EQ(kTrayMessage, again.callbackMessage);

    // A shell that still has the icon refuses the add; the icon goes on working.
    m_shell.refuseAdd = true;
    SendMessageA(dlg.m_hWnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(dlg.m_tray.SetIcon(Icon(139)));
    EXPECT_EQ(static_cast<UINT>(NIF_ICON), m_shell.calls.back().flags);
}

TEST_F(TrayIntegrationTest, SystemMenuEndsWithTheInfoCommand)
{
    CMonitorDlg& dlg = OpenWindow();
    const HMENU menu = GetSystemMenu(dlg.m_hWnd, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR), GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(16u, GetMenuItemID(menu, count - 1));
    char text[64] = "";
    GetMenuStringA(menu, count - 1, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ("Inf&o über Velmora...", text);
    EXPECT_EQ(Icon(128), reinterpret_cast<HICON>(SendMessageA(dlg.m_hWnd, WM_GETICON, ICON_BIG, 0)));
    EXPECT_EQ(Icon(128), reinterpret_cast<HICON>(SendMessageA(dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0)));
}

} // namespace

namespace {

CMonitorDlg* g_dialogOwner = nullptr;

void CALLBACK EnterAlternativeTextAndConfirm(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    const HWND settings = g_dialogOwner->m_infoDlg.m_hWnd;
    SendDlgItemMessageA(settings, 1014, BM_SETCHECK, BST_CHECKED, 0);
    SetDlgItemTextA(settings, 1015, "Meine Datenbank");
    SendMessageA(settings, WM_COMMAND, IDOK, 0);
}

TEST_F(TrayIntegrationTest, OkInTheSettingsRenewsTheTooltipAtOnce)
{
    WriteText(Settings::kOracleSrv, "OracleServiceXE");
    g_dialogOwner = &OpenWindow();
    SetTimer(nullptr, 0, 0, &EnterAlternativeTextAndConfirm);
    SendMessageA(g_dialogOwner->m_hWnd, WM_COMMAND, 32776, 0);
    EXPECT_EQ(IDOK, g_dialogOwner->m_infoDlg.m_nModalResult);
    EXPECT_EQ(static_cast<UINT>(NIF_TIP), m_shell.calls.back().flags);
    EXPECT_EQ("Meine Datenbank", m_shell.calls.back().tooltip);
}

} // namespace
