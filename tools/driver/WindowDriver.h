// Finds and operates the windows of another process the way a user would, for
// end-to-end tests of the monitor.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Window message the monitor's tray icon sends to its window (WM_USER + 10).
constexpr UINT kTrayCallbackMessage = WM_USER + 10;
// Control id of the text of a standard message box.
constexpr int kMessageBoxTextId = 0xFFFF;

// A top-level window with that caption that is not a message box; pid 0 means any process.
HWND FindMainWindow(const std::string& caption, DWORD timeoutMs, DWORD pid = 0);
HWND FindMessageBox(const std::string& caption, DWORD timeoutMs, DWORD pid = 0);
std::string MessageBoxText(HWND box);
// buttonId is IDYES, IDNO, IDOK, ...
bool AnswerMessageBox(HWND box, int buttonId);

std::string ControlText(HWND dlg, int id);
bool WaitControlText(HWND dlg, int id, const std::string& expected, DWORD timeoutMs);
bool ClickButton(HWND dlg, int id);
bool IsControlEnabled(HWND dlg, int id);

bool PostCommand(HWND wnd, int commandId);
bool PostTrayCallback(HWND wnd, UINT iconId, UINT mouseMessage);
bool WaitWindowGone(HWND wnd, DWORD timeoutMs);

} // namespace driver
