#pragma once
// The shell in place of the real one: every notification-area call is recorded and an add can be
// refused; a program started through the shell is recorded as "verb file parameters" and fails
// with executeError when that is set, else hands back `process`, signalled as an ended one.
#include "ShellNotifyApi.h"
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
};
