#include "WindowDriver.h"

#include "Polling.h"

namespace driver {

namespace {

bool HasCaption(HWND wnd, const std::string& caption, DWORD pid)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    // The caption of a top-level window is known without asking its (maybe busy) thread.
    char text[256] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return (pid == 0 || owner == pid) && caption == text;
}

} // namespace

HWND FindMainWindow(const std::string& caption, DWORD timeoutMs, DWORD pid)
{
    HWND found = nullptr;
    PollUntil([&] {
        found = FindWindowExA(nullptr, nullptr, nullptr, nullptr);
        while (found && !HasCaption(found, caption, pid))
            found = FindWindowExA(nullptr, found, nullptr, nullptr);
        return found != nullptr;
    }, timeoutMs);
    return found;
}

LRESULT Send(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs)
{
    DWORD_PTR result = 0;
    // Not SMTO_ABORTIFHUNG: a thread that spent five seconds in one message, a soak's batch of
    // refreshes on a slow machine, counts as hung, and the next message would fail at once.
    if (!SendMessageTimeoutA(wnd, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

std::string ControlText(HWND dlg, int id)
{
    char text[512] = "";
    Send(GetDlgItem(dlg, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool WaitControlText(HWND dlg, int id, const std::string& text, DWORD timeoutMs)
{
    return PollUntil([&] { return ControlText(dlg, id).rfind(text, 0) == 0; }, timeoutMs);
}

bool PostCommand(HWND wnd, int commandId)
{
    return PostMessageA(wnd, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED), 0);
}

} // namespace driver
