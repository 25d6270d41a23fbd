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

BOOL WINAPI Execute(SHELLEXECUTEINFOA* info)
{
    const auto text = [](const char* part) { return std::string(part ? part : ""); };
    FakeShell::current->executed.push_back(text(info->lpVerb) + " " + text(info->lpFile) + " "
                                           + text(info->lpParameters));
    if (const DWORD error = FakeShell::current->executeError) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

} // namespace

FakeShell::FakeShell()
{
    current = this;
    ShellNotify() = { &NotifyIcon, &Execute };
}

FakeShell::~FakeShell()
{
    ShellNotify() = ShellNotifyApi();
    current = nullptr;
}
