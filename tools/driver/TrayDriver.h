// The program's notification-area icon, looked at and operated from outside.
#pragma once

#include <windows.h>

namespace driver {

// The id the program gives its icon.

// Whether the shell knows an icon of that window and id: a modify that changes nothing.
bool IconRegistered(HWND wnd, UINT iconId);
// The notification the shell sends the window for a mouse message over its icon.
bool PostTrayCallback(HWND wnd, UINT mouseMessage);

} // namespace driver
