#pragma once
// The shell's notification area, reached through one place so that a test can record what is
// asked of it and make it refuse.
#include <windows.h>
#include <shellapi.h>

struct ShellNotifyApi {
    decltype(&::Shell_NotifyIconA) notifyIcon = &::Shell_NotifyIconA;
};

ShellNotifyApi& ShellNotify();
