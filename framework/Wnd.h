#pragma once
#include "CString.h"
#include "MessageMap.h"
#include "Point.h"
#include <windows.h>
#include <windowsx.h>
#include <memory>

class CDataExchange;
class CMenu;

// A window of the program. Windows the framework creates are subclassed while they are being
// created, so that every message, WM_CREATE included, reaches the message map first.
class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // --- What a subclass overrides (besides the message map, and the handlers it binds) ---
    virtual void DoDataExchange(CDataExchange*) {}

    // --- What a subclass and its users call ---
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, void* param = nullptr);
    BOOL DestroyWindow();
    BOOL UpdateData(BOOL saveAndValidate);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    void SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw); }
    BOOL Invalidate(BOOL erase = TRUE) { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    void SetFocus() { ::SetFocus(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement) { return ::SetWindowPlacement(m_hWnd, placement); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback);
    BOOL KillTimer(UINT_PTR id);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    CMenu* GetSystemMenu(BOOL revert);

    HWND m_hWnd = nullptr;

    // --- The framework's own: data exchange and window creation reach a window's object ---
    // The object a window of this program belongs to; null for windows of others.
    static CWnd* FromHandlePermanent(HWND window);
    // Makes an existing window (a dialog's control) known to its object, without subclassing it.
    void Attach(HWND window);
    // Lets go of the window, which then no longer maps to this object.
    void Detach();
    bool IsSubclassed() const { return m_superProc != nullptr; }

protected:
    // --- What a subclass overrides ---
    // Commands without an entry in the message map; the dialog adds OK and Cancel.
    virtual bool OnUnmappedCommand(WPARAM wParam, LPARAM lParam);
    // A message that a control sent its parent about itself, handed back to the control's object.
    virtual bool OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    // --- What a subclass calls ---
    // The default processing of the message being handled, run at once.
    LRESULT Default();
    int OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }

private:
    // --- Internal: the window procedure and the subclassing ---
    friend class CreationHook;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void SubclassAtCreation(HWND window);
    void Forget();

    WNDPROC m_superProc = nullptr;
    const MSG* m_pCurrentMessage = nullptr;
    std::unique_ptr<CMenu> m_systemMenu;
};

// A window class of this program's own with the given class style.
const char* AfxRegisterWndClass(UINT classStyle);
