#include "FakeShell.h"
#include <gtest/gtest.h>
#include <cstring>

FakeShell* FakeShell::current = nullptr;

namespace {

BOOL WINAPI NotifyIcon(DWORD command, PNOTIFYICONDATAA data)
{
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE), data->cbSize) << "the record's first layout";
    EXPECT_TRUE(std::memchr(data->szTip, 0, 64)) << "the tooltip ends within the first layout's 64 bytes";
    FakeShell::current->calls.push_back({ command, data->uFlags, data->hWnd, data->uID, data->uCallbackMessage, data->hIcon,
                                           data->szTip });
    return command != NIM_ADD || !FakeShell::current->refuseAdd;
}

} // namespace

FakeShell::FakeShell()
{
    current = this;
    ShellNotify().notifyIcon = &NotifyIcon;
}

FakeShell::~FakeShell()
{
    ShellNotify() = ShellNotifyApi();
    current = nullptr;
}
