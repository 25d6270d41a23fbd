#pragma once
// The shell's notification area, reached through one place so that a test can record what the
// tray asks for and make the shell refuse it.
#include <windows.h>
#include <shellapi.h>

struct ShellNotifyApi {
    decltype(&::Shell_NotifyIconA) notifyIcon = &::Shell_NotifyIconA;
};

ShellNotifyApi& ShellNotify();
