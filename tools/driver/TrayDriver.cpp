#include "TrayDriver.h"
#include "resource.h"
#include <shellapi.h>

namespace driver {
namespace {

// The message the program asks the shell to send for its icon.
constexpr UINT kTrayCallbackMessage = WM_USER + 10;

} // namespace

bool IconRegistered(HWND wnd, UINT iconId)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = wnd;
    data.uID = iconId;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool PostTrayCallback(HWND wnd, UINT mouseMessage)
{
    return PostMessageA(wnd, kTrayCallbackMessage, ID_TRAY_ICON, mouseMessage);
}

} // namespace driver
