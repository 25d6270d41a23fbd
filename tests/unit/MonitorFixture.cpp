#include "MonitorFixture.h"
#include "RawSettings.h"
#include "Settings.h"

void MonitorFixture::SetUp()
{
    RawSettings::DeleteBranch();
    m_app.SetRegistryKey(RawSettings::kCompany);
}

void MonitorFixture::TearDown()
{
    CloseWindow();
    RawSettings::DeleteBranch();
}

void MonitorFixture::WriteText(const char* entry, const std::string& value)
{
    m_app.WriteProfileString(Settings::kSection, entry, value.c_str());
}

void MonitorFixture::WriteNumber(const char* entry, DWORD value)
{
    m_app.WriteProfileInt(Settings::kSection, entry, static_cast<int>(value));
}

void MonitorFixture::Configure(DWORD databaseState, DWORD listenerState)
{
    WriteText(Settings::kOracleSrv, kDatabase);
    WriteText(Settings::kOracleTns, kListener);
    m_scm.Service(kDatabase).state = databaseState;
    m_scm.Service(kListener).state = listenerState;
}

CMonitorDlg& MonitorFixture::OpenWindow()
{
    m_dlg = std::make_unique<CMonitorDlg>();
    m_app.m_pMainWnd = m_dlg.get();
    EXPECT_TRUE(m_dlg->Create(CMonitorDlg::IDD));
    return *m_dlg;
}

void MonitorFixture::CloseWindow()
{
    if (!m_dlg)
        return;
    m_dlg->DestroyWindow();
    m_dlg.reset();
}

std::string MonitorFixture::Line(int id) const
{
    char text[512] = "";
    GetDlgItemTextA(m_dlg->m_hWnd, id, text, sizeof(text));
    return text;
}

bool MonitorFixture::ButtonEnabled(int id) const
{
    return IsWindowEnabled(GetDlgItem(m_dlg->m_hWnd, id)) != FALSE;
}

bool MonitorFixture::MenuItemGreyed(UINT command) const
{
    const UINT state = GetMenuState(m_dlg->m_pTrayPopup->m_hMenu, command, MF_BYCOMMAND);
    EXPECT_EQ(state & MF_GRAYED ? 1u : 0u, state & MF_DISABLED ? 1u : 0u) << "greyed and disabled go together";
    return (state & MF_GRAYED) != 0;
}

HICON MonitorFixture::LastIcon() const
{
    for (auto call = m_shell.calls.rbegin(); call != m_shell.calls.rend(); ++call)
        if (call->flags & NIF_ICON)
            return call->icon;
    return nullptr;
}

HICON MonitorFixture::Icon(UINT id)
{
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

void MonitorFixture::Tick(UINT timerId)
{
    ASSERT_TRUE(m_ui.timers.count(timerId)) << "timer " << timerId << " is not armed";
    m_dlg->OnTimer(timerId);
}

void MonitorFixture::Refreshes(int count)
{
    for (int i = 0; i < count; ++i)
        m_dlg->RefreshStatus();
}

void MonitorFixture::PumpMessages()
{
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
