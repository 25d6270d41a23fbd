#include "FakeShell.h"
#include <cstring>

FakeShell* FakeShell::current = nullptr;

FakeShell::FakeShell() : m_saved(ShellNotify())
{
    current = this;
    ShellNotify().notifyIcon = &FakeShell::NotifyIcon;
}

FakeShell::~FakeShell()
{
    ShellNotify() = m_saved;
    current = nullptr;
}

BOOL WINAPI FakeShell::NotifyIcon(DWORD command, PNOTIFYICONDATAA data)
{
    // The record's first layout holds 64 tooltip bytes; the text must end inside them.
    const void* end = memchr(data->szTip, 0, 64);
    const std::string tooltip = end ? data->szTip : "<not terminated within 64 bytes>";
    current->calls.push_back({ command, data->uFlags, data->hWnd, data->uID, data->uCallbackMessage, data->hIcon,
                               tooltip, data->cbSize });
    if (command == NIM_ADD)
        return !current->refuseAdd;
    if (command == NIM_MODIFY)
        return !current->refuseModify;
    return TRUE;
}
