#pragma once
// The shell's notification area and its program launcher, reached through one place so that a
// test can record what is asked of the shell and make it refuse.
#include <windows.h>
#include <shellapi.h>

struct ShellNotifyApi {
    decltype(&::Shell_NotifyIconA) notifyIcon = &::Shell_NotifyIconA;
    decltype(&::ShellExecuteExA) execute = &::ShellExecuteExA;
};

ShellNotifyApi& ShellNotify();
