#pragma once
// The shell in place of the real one. Every notification-area call is recorded and an add can be
// refused. A program started through the shell is recorded as "verb file parameters" and fails
// with executeError when that is set; else `whileRunning` does what the program would, and it
// ends with the next of `exitCodes` (0 once they run out). `firstWaitFinds` may post a message,
// which the first wait for the program's end then finds instead.
#include "ProcessLaunchApi.h"
#include "ShellNotifyApi.h"
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct FakeShell {
    FakeShell();
    ~FakeShell();

    std::vector<std::pair<DWORD, NOTIFYICONDATAA>> calls; // command and record
    bool refuseAdd = false;
    RECT iconRect{}; // where the icon is shown; the shell does not tell while it is empty
    std::vector<std::string> executed;
    DWORD executeError = 0;
    HANDLE process = nullptr;
    std::function<void(const std::string& parameters)> whileRunning;
    std::function<void()> firstWaitFinds;
    std::deque<DWORD> exitCodes;
};
