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
bool IsChecked(HWND dlg, int id);
bool SetChecked(HWND dlg, int id, bool checked);
bool SetControlText(HWND dlg, int id, const std::string& text);
// Rows of a combobox's list; -1 when it cannot be asked. (Another process cannot read the
// rows themselves under Wine.)
int ComboRowCount(HWND dlg, int id);
// Types into the edit field of a combobox as the keyboard would, one character at a time;
// replaceAll selects the field's text first.
bool TypeIntoCombo(HWND dlg, int id, const std::string& text, bool replaceAll);
bool IsControlEnabled(HWND dlg, int id);

bool PostCommand(HWND wnd, int commandId);
bool PostTrayCallback(HWND wnd, UINT iconId, UINT mouseMessage);
bool WaitWindowGone(HWND wnd, DWORD timeoutMs);

} // namespace driver
