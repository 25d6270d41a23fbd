#pragma once
// The real main window, created from its template in this test's process over the scripted
// seams, watching two services the scripted manager knows.
#include "FakeSeamsFixture.h"
#include "MonitorDlg.h"
#include <memory>

class MonitorWindowFixture : public FakeSeamsFixture {
protected:
    static constexpr const char* kDatabase = "OracleServiceTEST";
    static constexpr const char* kListener = "OracleTestTNSListener";

    void TearDown() override;

    // Both names stored, the database's as its display name, both services known to the manager
    // in the given states.
    void Configure(DWORD databaseState, DWORD listenerState);
    void SetStates(DWORD databaseState, DWORD listenerState);

    void OpenWindow();
    std::string Line(int id) const { return Text(m_dlg->m_hWnd, id); }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(m_dlg->m_hWnd, id)) != FALSE; }
    bool Ended() const { return m_dlg->m_nModalResult == IDCANCEL; }
    bool Minimised() const { return IsIconic(m_dlg->m_hWnd) && !IsWindowVisible(m_dlg->m_hWnd); }
    // Runs an armed timer's tick, as its WM_TIMER would.
    void Tick(UINT timerId);

    std::unique_ptr<CMonitorDlg> m_dlg;
};
