#include "MonitorFixture.h"
#include "RawSettings.h"
#include "RegistryKey.h"
#include "Settings.h"

namespace {

std::function<void()> g_whenModal;

void CALLBACK RunWhenModal(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    g_whenModal();
}

} // namespace

void MonitorFixture::SetUp()
{
    RawSettings::DeleteBranch();
    m_app.SetRegistryKey(Settings::kCompany);
}

void MonitorFixture::TearDown()
{
    if (m_dlg)
        m_dlg->DestroyWindow();
    m_dlg.reset();
    EXPECT_EQ(0u, OpenHandles()) << "every service-manager handle is closed with the window";
    EXPECT_EQ(0, RegistryKey::LiveCount()) << "and every settings key";
    EXPECT_EQ(0, HandleOwner<MenuTraits>::LiveCount()) << "and its menus";
    EXPECT_EQ(0, HandleOwner<GdiObjectTraits>::LiveCount()) << "and its bitmaps";
    RawSettings::DeleteBranch();
}

void MonitorFixture::Configure(DWORD databaseState, DWORD listenerState)
{
    // The database under its display name, as the settings dialog's list offers it.
    m_scm.services[kDatabase].displayName = "Oracle Datenbank";
    WriteText("OracleSrv", "Oracle Datenbank");
    WriteText("OracleTns", kListener);
    SetStates(databaseState, listenerState);
}

void MonitorFixture::SetStates(DWORD databaseState, DWORD listenerState)
{
    m_scm.services[kDatabase].state = databaseState;
    m_scm.services[kListener].state = listenerState;
}

void MonitorFixture::OpenWindow()
{
    m_dlg = std::make_unique<CMonitorDlg>();
    m_app.m_pMainWnd = m_dlg.get();
    EXPECT_TRUE(m_dlg->Create(CMonitorDlg::IDD));
}

size_t MonitorFixture::OpenHandles() const
{
    EXPECT_EQ(static_cast<long>(m_scm.open.size()), ServiceHandle::LiveCount()) << "as the handle owners count";
    return m_scm.open.size();
}

std::string MonitorFixture::Text(HWND dialog, int id)
{
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void MonitorFixture::Tick(UINT timerId)
{
    ASSERT_TRUE(m_ui.timers.count(timerId)) << "timer " << timerId << " is not armed";
    m_dlg->OnTimer(timerId);
}

void MonitorFixture::WhenModal(std::function<void()> action)
{
    g_whenModal = std::move(action);
    // A thread timer of user32's own: the seam's timers never fire.
    ::SetTimer(nullptr, 0, 0, &RunWhenModal);
}
