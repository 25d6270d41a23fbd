#include "FakeShell.h"
#include <gtest/gtest.h>

namespace {

FakeShell* g_fake = nullptr;

BOOL WINAPI NotifyIcon(DWORD command, PNOTIFYICONDATAA data)
{
    EXPECT_EQ(static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE), data->cbSize) << "the record's first layout";
    g_fake->calls.push_back({ command, *data });
    return command != NIM_ADD || !g_fake->refuseAdd;
}

BOOL WINAPI Execute(SHELLEXECUTEINFOA* info)
{
    g_fake->executed.push_back(std::string(info->lpVerb) + " " + info->lpFile + " " + info->lpParameters);
    SetLastError(g_fake->executeError);
    if (g_fake->executeError)
        return FALSE;
    // A process that has ended already.
    info->hProcess = g_fake->process = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    return TRUE;
}

} // namespace

FakeShell::FakeShell()
{
    g_fake = this;
    ShellNotify() = { &NotifyIcon, &Execute };
}

FakeShell::~FakeShell()
{
    ShellNotify() = ShellNotifyApi();
    g_fake = nullptr;
}
