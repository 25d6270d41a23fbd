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
    if (g_fake->whileRunning)
        g_fake->whileRunning(info->lpParameters);
    info->hProcess = g_fake->process = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    return TRUE;
}

DWORD WINAPI WaitForEndOrMessage(DWORD count, const HANDLE* handles, BOOL, DWORD timeoutMs, DWORD)
{
    EXPECT_EQ(g_fake->process, count == 1 ? handles[0] : nullptr);
    EXPECT_EQ(INFINITE, timeoutMs) << "a slow tool is waited for to its end";
    if (!g_fake->firstWaitFinds)
        return WAIT_OBJECT_0;
    std::exchange(g_fake->firstWaitFinds, nullptr)();
    return WAIT_OBJECT_0 + 1;
}

BOOL WINAPI ExitCodeOf(HANDLE process, LPDWORD exitCode)
{
    EXPECT_EQ(g_fake->process, process);
    *exitCode = 0;
    if (!g_fake->exitCodes.empty()) {
        *exitCode = g_fake->exitCodes.front();
        g_fake->exitCodes.pop_front();
    }
    return TRUE;
}

HRESULT WINAPI IconRect(const NOTIFYICONIDENTIFIER*, RECT* rect)
{
    *rect = g_fake->iconRect;
    return IsRectEmpty(rect) ? E_FAIL : S_OK;
}

} // namespace

FakeShell::FakeShell()
{
    g_fake = this;
    ShellNotify() = { &NotifyIcon, &IconRect };
    ProcessLaunch() = { &Execute, &WaitForEndOrMessage, &ExitCodeOf };
}

FakeShell::~FakeShell()
{
    ShellNotify() = ShellNotifyApi();
    ProcessLaunch() = ProcessLaunchApi();
    g_fake = nullptr;
}
