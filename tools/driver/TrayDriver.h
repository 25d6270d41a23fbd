// Looks at a program's notification-area icon and its popup menu from outside, for
// end-to-end tests of the monitor.
#pragma once

#include <windows.h>

namespace driver {

// Whether the shell knows an icon of that window and id: a modify that changes nothing.
bool IconRegistered(HWND wnd, UINT iconId);
// Takes the icon away as a restarting taskbar would.
bool DeleteIcon(HWND wnd, UINT iconId);
// Tells the window that the taskbar was created anew.
bool SendTaskbarCreated(HWND wnd);
// A shown popup menu of that process, or null once the timeout has passed.
HWND FindPopupMenu(DWORD pid, DWORD timeoutMs);
bool DismissPopupMenu(HWND menu);

} // namespace driver
