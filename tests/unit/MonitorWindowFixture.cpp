#include "MonitorWindowFixture.h"

void MonitorWindowFixture::TearDown()
{
    if (m_dlg)
        m_dlg->DestroyWindow();
    m_dlg.reset();
    FakeSeamsFixture::TearDown();
}

void MonitorWindowFixture::Configure(DWORD databaseState, DWORD listenerState)
{
    // The database under its display name, as the settings dialog's list offers it.
    m_scm.services[kDatabase].displayName = "Oracle Datenbank";
    WriteText("OracleSrv", "Oracle Datenbank");
    WriteText("OracleTns", kListener);
    SetStates(databaseState, listenerState);
}

void MonitorWindowFixture::SetStates(DWORD databaseState, DWORD listenerState)
{
    m_scm.services[kDatabase].state = databaseState;
    m_scm.services[kListener].state = listenerState;
}

void MonitorWindowFixture::OpenWindow()
{
    m_dlg = std::make_unique<CMonitorDlg>();
    m_app.m_pMainWnd = m_dlg.get();
    EXPECT_TRUE(m_dlg->Create(CMonitorDlg::IDD));
}

void MonitorWindowFixture::Tick(UINT timerId)
{
    ASSERT_TRUE(m_ui.timers.count(timerId)) << "timer " << timerId << " is not armed";
    m_dlg->OnTimer(timerId);
}
