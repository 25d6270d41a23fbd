#pragma once
// The notification area in place of the shell's: every call is recorded, and an add can be refused.
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

    static FakeShell* current;
};
