#include "CreationHook.h"
#include "Wnd.h"

namespace {
// Creations nest (a dialog's WM_CREATE may create the tray's window); the innermost hook wins.
thread_local CreationHook* t_current = nullptr;
} // namespace

CreationHook::CreationHook(CWnd* target)
    : m_target(target), m_hook(SetWindowsHookExA(WH_CBT, &CreationHook::HookProc, nullptr, GetCurrentThreadId())),
      m_outer(t_current)
{
    t_current = this;
}

CreationHook::~CreationHook()
{
    Release();
    t_current = m_outer;
}

void CreationHook::Release()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    m_target = nullptr;
}

LRESULT CALLBACK CreationHook::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    CreationHook* self = t_current;
    if (!self || !self->m_hook)
        return 0;
    const HHOOK hook = self->m_hook;
    if (code == HCBT_CREATEWND && self->m_target) {
        CWnd* target = self->m_target;
        // Only the first window: the controls of a dialog are created after it and stay plain.
        self->Release();
        target->SubclassAtCreation(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}
