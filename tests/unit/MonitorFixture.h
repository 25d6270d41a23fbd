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
#include <memory>
#include <string>

class MonitorFixture : public ::testing::Test {
protected:
    static constexpr const char* kDatabase = "OracleServiceTEST";
    static constexpr const char* kListener = "OracleTestTNSListener";

    void SetUp() override;
    void TearDown() override;

    void WriteText(const char* entry, const std::string& value);
    void WriteNumber(const char* entry, DWORD value);
    // Both names stored, both services known to the manager in the given states.
    void Configure(DWORD databaseState, DWORD listenerState);

    CMonitorDlg& OpenWindow();
    void CloseWindow();

    std::string Line(int id) const;
    bool ButtonEnabled(int id) const;
    bool MenuItemGreyed(UINT command) const;
    HICON LastIcon() const;
    static HICON Icon(UINT id);
    bool Ended() const { return m_dlg->m_nModalResult == IDCANCEL; }
    bool Minimised() const { return IsIconic(m_dlg->m_hWnd) && !IsWindowVisible(m_dlg->m_hWnd); }
    // Runs an armed timer's tick, as its WM_TIMER would.
    void Tick(UINT timerId);
    void Refreshes(int count);
    // Runs the messages waiting for this thread, as the modal loop would.
    static void PumpMessages();

    FakeServiceControl m_scm;
    FakeShell m_shell;
    FakeUserInterface m_ui;
    CWinApp m_app{ "Velmora" };
    std::unique_ptr<CMonitorDlg> m_dlg;
};
