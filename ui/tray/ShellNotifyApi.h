#pragma once
// The shell's notification area, its program launcher and the wait for what it launched, reached
// through one place so that a test can record what is asked of the shell and make it refuse.
#include <windows.h>
#include <shellapi.h>

struct ShellNotifyApi {
    decltype(&::Shell_NotifyIconA) notifyIcon = &::Shell_NotifyIconA;
    decltype(&::ShellExecuteExA) execute = &::ShellExecuteExA;
    decltype(&::WaitForSingleObject) waitForEnd = &::WaitForSingleObject;
    decltype(&::GetExitCodeProcess) exitCodeOf = &::GetExitCodeProcess;
};

ShellNotifyApi& ShellNotify();
