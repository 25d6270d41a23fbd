#pragma once
#include <windows.h>

class CWnd;

// While alive, hands the next window this thread creates to `target` before that window sees
// its first message. A dialog procedure never sees WM_CREATE; this is how the framework gives
// dialogs made from templates their creation step all the same.
class CreationHook {
public:
    explicit CreationHook(CWnd* target);
    ~CreationHook();
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void Release();

    CWnd* m_target;
    HHOOK m_hook;
    CreationHook* m_outer;
};
