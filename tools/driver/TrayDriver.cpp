#include "TrayDriver.h"

#include "Polling.h"

#include <shellapi.h>
#include <cstring>

namespace driver {
namespace {

NOTIFYICONDATAA IconRecord(HWND wnd, UINT iconId)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = wnd;
    data.uID = iconId;
    return data;
}

struct MenuQuery {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchMenu(HWND wnd, LPARAM param)
{
    auto& query = *reinterpret_cast<MenuQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    char className[16] = {};
    GetClassNameA(wnd, className, sizeof className);
    if (owner != query.pid || std::strcmp(className, "#32768") != 0 || !IsWindowVisible(wnd))
        return TRUE;
    query.found = wnd;
    return FALSE;
}

} // namespace

bool IconRegistered(HWND wnd, UINT iconId)
{
    NOTIFYICONDATAA data = IconRecord(wnd, iconId);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool DeleteIcon(HWND wnd, UINT iconId)
{
    NOTIFYICONDATAA data = IconRecord(wnd, iconId);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

bool SendTaskbarCreated(HWND wnd)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(wnd, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000, &result)
        != 0;
}

HWND FindPopupMenu(DWORD pid, DWORD timeoutMs)
{
    MenuQuery query{ pid, nullptr };
    PollUntil([&] {
        EnumWindows(&MatchMenu, reinterpret_cast<LPARAM>(&query));
        return query.found != nullptr;
    }, timeoutMs);
    return query.found;
}

bool DismissPopupMenu(HWND menu)
{
    return PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0) && PollUntil([&] { return !IsWindowVisible(menu); }, 5000);
}

} // namespace driver
