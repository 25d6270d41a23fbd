#pragma once
// The notification area in place of the shell's: every call is recorded with a copy of its
// record, and the shell's answer is scripted.
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
    DWORD size;
};

class FakeShell {
public:
    FakeShell();
    ~FakeShell();
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    std::vector<ShellCall> calls;
    bool refuseAdd = false;
    bool refuseModify = false;

    static FakeShell* current;

private:
    static BOOL WINAPI NotifyIcon(DWORD command, PNOTIFYICONDATAA data);
    ShellNotifyApi m_saved;
};
