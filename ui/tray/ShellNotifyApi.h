#pragma once
// The shell's notification area (its icons and where it shows them), reached through one place
// so that a test can record what is asked of it and make it refuse.
#include <windows.h>
#include <shellapi.h>

// Where the shell shows an icon: Windows 7 and later say, through shell32's Shell_NotifyIconGetRect.
HRESULT WINAPI IconRectFromShell(const NOTIFYICONIDENTIFIER* icon, RECT* rect);

struct ShellNotifyApi {
    decltype(&::Shell_NotifyIconA) notifyIcon = &::Shell_NotifyIconA;
    decltype(&IconRectFromShell) iconRect = &IconRectFromShell;
};

ShellNotifyApi& ShellNotify();
