// Finds and operates the windows of another process the way a user would, for the tests, the
// benchmark and the scripts.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// A top-level window with that caption, looked for until the timeout; pid 0 means of any process.
HWND FindMainWindow(const std::string& caption, DWORD timeoutMs, DWORD pid = 0);
// Sent with a timeout, as another process's window may be busy or hung; -1 when it gave no answer.
LRESULT Send(HWND wnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, UINT timeoutMs = 2000);
std::string ControlText(HWND dlg, int id);
// Waits until the control's text begins with text: a pending status line grows a dot at every refresh.
bool WaitControlText(HWND dlg, int id, const std::string& text, DWORD timeoutMs);
// The command a click on that button or menu item sends.
bool PostCommand(HWND wnd, int commandId);

} // namespace driver
