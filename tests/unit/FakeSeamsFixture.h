#pragma once
// The service manager, the shell and the modal boxes replaced by scripted ones, the settings in a
// fresh branch of the prefix's real registry, and every handle the code under test took counted
// back at the end.
#include "FakeServiceControl.h"
#include "FakeShell.h"
#include "FakeUserInterface.h"
#include "WinApp.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>

class FakeSeamsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteText(const char* entry, const char* value) { m_app.WriteProfileString("Config", entry, value); }
    void WriteNumber(const char* entry, int value) { m_app.WriteProfileInt("Config", entry, value); }
    static std::string Text(HWND dialog, int id);
    // The service handles held open; their handle owners must count as many.
    size_t OpenHandles() const;
    // Runs `action` once the next modal loop waits for messages.
    static void WhenModal(std::function<void()> action);

    FakeServiceControl m_scm;
    FakeShell m_shell;
    FakeUserInterface m_ui;
    CWinApp m_app{ "Velmora" };
};
