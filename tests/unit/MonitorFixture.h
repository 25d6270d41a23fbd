#pragma once
// The real main window, created from its template in this test's process, with the service
// manager, the shell and the modal boxes replaced by scripted ones and the settings in the
// prefix's real registry.
#include "FakeServiceControl.h"
#include "FakeShell.h"
#include "FakeUserInterface.h"
#include "MonitorDlg.h"
#include "WinApp.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>

class MonitorFixture : public ::testing::Test {
protected:
    static constexpr const char* kDatabase = "OracleServiceTEST";
    static constexpr const char* kListener = "OracleTestTNSListener";

    void SetUp() override;
    void TearDown() override;

    void WriteText(const char* entry, const char* value) { m_app.WriteProfileString("Config", entry, value); }
    void WriteNumber(const char* entry, int value) { m_app.WriteProfileInt("Config", entry, value); }
    // Both names stored, the database's as its display name, both services known to the manager
    // in the given states.
    void Configure(DWORD databaseState, DWORD listenerState);
    void SetStates(DWORD databaseState, DWORD listenerState);

    void OpenWindow();
    static std::string Text(HWND dialog, int id);
    std::string Line(int id) const { return Text(m_dlg->m_hWnd, id); }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(m_dlg->m_hWnd, id)) != FALSE; }
    bool Ended() const { return m_dlg->m_nModalResult == IDCANCEL; }
    // The service handles the window holds open; its handle owners must count as many.
    size_t OpenHandles() const;
    bool Minimised() const { return IsIconic(m_dlg->m_hWnd) && !IsWindowVisible(m_dlg->m_hWnd); }
    // Runs an armed timer's tick, as its WM_TIMER would.
    void Tick(UINT timerId);
    // Runs `action` once the next modal loop waits for messages.
    static void WhenModal(std::function<void()> action);

    FakeServiceControl m_scm;
    FakeShell m_shell;
    FakeUserInterface m_ui;
    CWinApp m_app{ "Velmora" };
    std::unique_ptr<CMonitorDlg> m_dlg;
};
