#include "TrayDriver.h"

#include <shellapi.h>

namespace driver {
namespace {

// The message the program asks the shell to send for its icon.
constexpr UINT kTrayCallbackMessage = WM_USER + 10;

bool NotifyIcon(DWORD request, HWND wnd, UINT iconId)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = wnd;
    data.uID = iconId;
    return Shell_NotifyIconA(request, &data) != FALSE;
}

} // namespace

bool IconRegistered(HWND wnd, UINT iconId)
{
    return NotifyIcon(NIM_MODIFY, wnd, iconId);
}

bool DeleteIcon(HWND wnd, UINT iconId)
{
    return NotifyIcon(NIM_DELETE, wnd, iconId);
}

bool PostTrayCallback(HWND wnd, UINT mouseMessage)
{
    return PostMessageA(wnd, kTrayCallbackMessage, kIconId, mouseMessage);
}

} // namespace driver
