#pragma once
// The real program run as a user runs it, against two stand-in services registered for the test
// alone: its settings seeded in the registry, its window found and driven from outside with the
// driver's helpers.
#include "Polling.h"
#include "RawSettings.h"
#include "ServiceDriver.h"
#include "WindowDriver.h"
#include "resource.h"
#include <gtest/gtest.h>
#include <string>

class ProgramTest : public ::testing::Test {
protected:
    static constexpr DWORD kWaitMs = 20000;

    void TearDown() override;

    // Registers both stand-ins, with these options, and stores them as the database and the listener
    // in settings that hold nothing else.
    void AddServices(const std::string& databaseArgs, const std::string& listenerArgs);
    // Starts the program, or a test build of it, as m_process (one started before is ended first),
    // and waits until its window is shown or minimised.
    ::testing::AssertionResult Launch(const std::string& unixPath = VELMORA_EXE);
    // Opens the settings dialog from the tray menu; null unless it came up.
    HWND OpenSettings() const;
    // Waits until the status line begins with the text.
    ::testing::AssertionResult WaitLine(int id, const std::string& text) const;
    // Waits until the database's line reads "Oracle " + text and the listener's "TNS-Listener " + text.
    ::testing::AssertionResult WaitStateLines(const std::string& text) const;

    std::string m_database;
    std::string m_listener;
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;

private:
    void EndProcess();
};
