#include "WindowDriver.h"

#include "Polling.h"

#include <cstring>
#include <vector>

namespace driver {
namespace {

// Another process's window may be busy or hung; a test must fail, not hang.
constexpr UINT kSendTimeoutMs = 2000;

enum class WindowKind { Main, MessageBox };

struct WindowQuery {
    const std::string& caption;
    WindowKind kind;
    DWORD pid;
    HWND found;
};

bool IsMessageBox(HWND wnd)
{
    char className[16] = {};
    GetClassNameA(wnd, className, sizeof className);
    return std::strcmp(className, "#32770") == 0 && GetDlgItem(wnd, kMessageBoxTextId) != nullptr;
}

std::string WindowText(HWND wnd)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(wnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        return std::string();
    std::vector<char> text(length + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return std::string();
    return std::string(text.data(), copied < text.size() ? copied : text.size() - 1);
}

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM param)
{
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(param);
    if (query.pid != 0) {
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (owner != query.pid)
            return TRUE;
    }
    // The caption of a top-level window is known without asking its (maybe busy) thread.
    char caption[256] = {};
    GetWindowTextA(wnd, caption, sizeof caption);
    if (query.caption != caption || IsMessageBox(wnd) != (query.kind == WindowKind::MessageBox))
        return TRUE;
    query.found = wnd;
    return FALSE;
}

HWND FindTopLevel(const std::string& caption, WindowKind kind, DWORD timeoutMs, DWORD pid)
{
    WindowQuery query{caption, kind, pid, nullptr};
    PollUntil([&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        return query.found != nullptr;
    }, timeoutMs);
    return query.found;
}

} // namespace

HWND FindMainWindow(const std::string& caption, DWORD timeoutMs, DWORD pid)
{
    return FindTopLevel(caption, WindowKind::Main, timeoutMs, pid);
}

HWND FindMessageBox(const std::string& caption, DWORD timeoutMs, DWORD pid)
{
    return FindTopLevel(caption, WindowKind::MessageBox, timeoutMs, pid);
}

std::string MessageBoxText(HWND box)
{
    return ControlText(box, kMessageBoxTextId);
}

bool AnswerMessageBox(HWND box, int buttonId)
{
    if (ClickButton(box, buttonId))
        return true;
    // A box without that button still closes on the command, as with the keyboard.
    return PostCommand(box, buttonId);
}

std::string ControlText(HWND dlg, int id)
{
    const HWND control = GetDlgItem(dlg, id);
    return control ? WindowText(control) : std::string();
}

bool WaitControlText(HWND dlg, int id, const std::string& expected, DWORD timeoutMs)
{
    return PollUntil([&] { return ControlText(dlg, id) == expected; }, timeoutMs);
}

bool ClickButton(HWND dlg, int id)
{
    const HWND button = GetDlgItem(dlg, id);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool IsChecked(HWND dlg, int id)
{
    DWORD_PTR state = 0;
    return SendMessageTimeoutA(GetDlgItem(dlg, id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state)
        && state == BST_CHECKED;
}

bool SetChecked(HWND dlg, int id, bool checked)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(GetDlgItem(dlg, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0,
                               SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)
        != 0;
}

bool SetControlText(HWND dlg, int id, const std::string& text)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(GetDlgItem(dlg, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)
        != 0;
}

int ComboRowCount(HWND dlg, int id)
{
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutA(GetDlgItem(dlg, id), CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count))
        return -1;
    return static_cast<int>(count);
}

bool TypeIntoCombo(HWND dlg, int id, const std::string& text, bool replaceAll)
{
    const HWND field = FindWindowExA(GetDlgItem(dlg, id), nullptr, "Edit", nullptr);
    if (!field)
        return false;
    DWORD_PTR result = 0;
    if (replaceAll)
        SendMessageTimeoutA(field, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    for (const char c : text) {
        // Sent, not posted, so that each key is handled before the next and before the test looks.
        if (!SendMessageTimeoutA(field, WM_CHAR, static_cast<BYTE>(c), 1, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
            return false;
    }
    return true;
}

bool IsControlEnabled(HWND dlg, int id)
{
    const HWND control = GetDlgItem(dlg, id);
    return control && IsWindowEnabled(control);
}

bool PostCommand(HWND wnd, int commandId)
{
    return PostMessageA(wnd, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED), 0);
}

bool PostTrayCallback(HWND wnd, UINT iconId, UINT mouseMessage)
{
    return PostMessageA(wnd, kTrayCallbackMessage, iconId, mouseMessage);
}

bool WaitWindowGone(HWND wnd, DWORD timeoutMs)
{
    return PollUntil([&] { return !IsWindow(wnd); }, timeoutMs);
}

} // namespace driver
