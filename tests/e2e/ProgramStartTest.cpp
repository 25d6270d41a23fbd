// The real Velmora.exe started under Wine: it shows its window, reads its settings and ends when closed.
#include "WindowDriver.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string WindowsPath(std::string unixPath)
{
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

bool SectionExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvik Velmora\\Velmora\\Config", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

TEST(ProgramStartTest, FirstRunShowsTheWindowCreatesTheBranchAndEndsOnEscape)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvik Velmora");
    std::string commandLine = "\"" + WindowsPath(VELMORA_EXE) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));

    const HWND window = driver::FindMainWindow("Velmora", 20000, process.dwProcessId);
    ASSERT_TRUE(window);
    EXPECT_TRUE(SectionExists());
    EXPECT_EQ("Datenbank starten", driver::ControlText(window, 1005));

    ASSERT_TRUE(driver::PostCommand(window, IDCANCEL));
    EXPECT_TRUE(driver::WaitWindowGone(window, 10000));
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(process.hProcess, 10000));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvik Velmora");
}

} // namespace
