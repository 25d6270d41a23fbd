#pragma once
// The notification area in place of the shell's: every call is recorded, and an add can be
// refused; a program started through the shell is recorded as "verb file parameters" and
// fails with executeError when that is set.
#include "ShellNotifyApi.h"
#include <string>
#include <vector>

struct ShellCall {
    DWORD command;
    UINT flags;
    HWND window;
    UINT iconId;
    UINT callbackMessage;
    HICON icon;
    std::string tooltip;
};

class FakeShell {
public:
    FakeShell();
    ~FakeShell();
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    std::vector<ShellCall> calls;
    bool refuseAdd = false;
    std::vector<std::string> executed;
    DWORD executeError = 0;

    static FakeShell* current;
};
