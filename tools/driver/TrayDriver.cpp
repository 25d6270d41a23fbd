#include "TrayDriver.h"
#include "resource.h"
#include <shellapi.h>

namespace driver {

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
    return PostMessageA(wnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, mouseMessage);
}

} // namespace driver
