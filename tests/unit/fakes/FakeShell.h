#pragma once
// The shell in place of the real one: every notification-area call is recorded and an add can be
// refused; a program started through the shell is recorded as "verb file parameters" and fails
// with executeError when that is set, else hands back `process`, which ends in time unless told
// otherwise, with the next of `exitCodes` (0 once they run out).
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
    std::vector<std::string> executed;
    DWORD executeError = 0;
    HANDLE process = nullptr;
    std::function<void(const std::string& parameters)> whileRunning; // what the program does
    bool endsInTime = true;
    std::deque<DWORD> exitCodes;
};
