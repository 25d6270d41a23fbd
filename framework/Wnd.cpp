#include "Wnd.h"
#include "CreationHook.h"
#include "DataExchange.h"
#include "Menu.h"
#include "UserInterfaceApi.h"
#include "WinApp.h"
#include <exception>
#include <string>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

UserInterfaceApi& UserInterface()
{
    static UserInterfaceApi api;
    return api;
}

void ReportSwallowedException()
{
    std::string text = "Velmora: exception swallowed at a window procedure: ";
    try {
        std::rethrow_exception(std::current_exception());
    } catch (const std::exception& caught) {
        text += caught.what();
    } catch (...) {
        text += "not a std::exception";
    }
    UserInterface().debugOutput((text + "\n").c_str());
}

namespace {

constexpr const char* kObjectProperty = "Velmora.CWnd";

// Controls attached to objects are not subclassed, so their own destruction goes unseen: they
// are let go while their dialog is being destroyed, before they go with it.
BOOL CALLBACK DetachControl(HWND child, LPARAM)
{
    CWnd* object = CWnd::FromHandlePermanent(child);
    if (object && object->m_hWnd == child && !object->IsSubclassed())
        object->Detach();
    return TRUE;
}

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd && m_superProc)
        ::DestroyWindow(m_hWnd);
    else
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    return window ? static_cast<CWnd*>(GetPropA(window, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND window)
{
    Detach();
    m_hWnd = window;
    if (window)
        SetPropA(window, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWnd::SubclassAtCreation(HWND window)
{
    Attach(window);
    m_superProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProc)));
}

void CWnd::Forget()
{
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    Detach();
    // The application must not keep pointing at a window that is gone.
    if (AfxGetApp() && AfxGetApp()->m_pMainWnd == this)
        AfxGetApp()->m_pMainWnd = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, void* param)
{
    const CreationHook hook(this);
    return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                           GetModuleHandleA(nullptr), param)
        != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const
{
    placement->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, placement);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    const char* title = caption ? caption : (AfxGetApp() ? static_cast<const char*>(AfxGetApp()->m_pszAppName) : "");
    return UserInterface().messageBox(m_hWnd, text, title, type);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC callback)
{
    return UserInterface().setTimer(m_hWnd, id, elapseMs, callback);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return UserInterface().killTimer(m_hWnd, id);
}

CMenu* CWnd::GetSystemMenu(BOOL revert)
{
    const HMENU menu = ::GetSystemMenu(m_hWnd, revert);
    if (!menu)
        return nullptr;
    if (!m_systemMenu)
        m_systemMenu = std::make_unique<CMenu>();
    m_systemMenu->Attach(menu);
    return m_systemMenu.get();
}

LRESULT CWnd::Default()
{
    if (!m_pCurrentMessage)
        return 0;
    const MSG& msg = *m_pCurrentMessage;
    return CallWindowProcA(m_superProc, msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

bool CWnd::OnUnmappedCommand(WPARAM wParam, LPARAM lParam)
{
    // Commands no window handles go on to the application, as the help command does.
    LRESULT result = 0;
    return AfxGetApp() && AfxGetApp()->DispatchMessageMap(WM_COMMAND, wParam, lParam, result);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    // For a menu item, hwndItem is the menu's handle, not a window.
    if (message == WM_DRAWITEM && item->CtlType != ODT_MENU) {
        CWnd* control = FromHandlePermanent(item->hwndItem);
        if (control && control != this && control->OnChildNotify(message, wParam, lParam, result))
            return result;
    }
    if (DispatchMessageMap(message, wParam, lParam, result))
        return result;
    if (message == WM_COMMAND && OnUnmappedCommand(wParam, lParam))
        return 0;
    return Default();
}

LRESULT CALLBACK CWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = FromHandlePermanent(window);
    if (!self || !self->m_superProc)
        return DefWindowProcA(window, message, wParam, lParam);
    const MSG current{ window, message, wParam, lParam, 0, {} };
    const MSG* outer = std::exchange(self->m_pCurrentMessage, &current);
    LRESULT result = 0;
    // No exception may unwind into the system's code that called us.
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        ReportSwallowedException();
        result = 0;
    }
    self->m_pCurrentMessage = outer;
    if (message == WM_DESTROY)
        EnumChildWindows(window, &DetachControl, 0);
    if (message == WM_NCDESTROY)
        self->Forget();
    return result;
}

const char* AfxRegisterWndClass(UINT classStyle)
{
    // Asked again for a style, Windows refuses the second registration and the first serves.
    static std::string name;
    name = "Velmora:" + std::to_string(classStyle);
    WNDCLASSA windowClass{};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name.c_str();
    RegisterClassA(&windowClass);
    return name.c_str();
}
