#pragma once
// Tables binding messages and commands to handler members. Each entry carries a small
// non-capturing lambda that casts the target back to its class and calls the handler,
// so handlers keep their natural signatures and no member-pointer casts are needed.
#include "RuntimeClass.h"
#include <windows.h>

class CCmdTarget;
using AfxHandlerThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT message;
    UINT code; // notification code of WM_COMMAND; 0 for menus, accelerators and other messages
    UINT id;
    UINT lastId;
    AfxHandlerThunk thunk;
    const UINT* registeredMessage; // for a message whose number is known only at run time
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*base)();
    const AFX_MSGMAP_ENTRY* entries;
};

// Stands in for the framework's root class as well: every command target knows its run-time class.
class CCmdTarget {
public:
    static const CRuntimeClass classCCmdTarget;
    virtual ~CCmdTarget() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return RUNTIME_CLASS(CCmdTarget); }
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

    // Runs the first matching entry of this class or its bases; false when none matches.
    bool DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const AFX_MSGMAP* GetThisMessageMap();          \
                                                           \
public:                                                    \
    const AFX_MSGMAP* GetMessageMap() const override;      \
                                                           \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                      \
    {                                                                                    \
        using ThisClass = theClass;                                                      \
        using TheBaseClass = baseClass;                                                  \
        static_cast<void>(sizeof(ThisClass));                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                      \
            { 0, 0, 0, 0, nullptr, nullptr } };                                \
        static const AFX_MSGMAP map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                           \
    }

// One entry whose thunk runs `call` on the target as its own class, with w and l in scope.
#define AFX_MSG_ENTRY(message, code, id, call)                                         \
    { message, code, id, id, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {        \
          [[maybe_unused]] auto* self = static_cast<ThisClass*>(t);                    \
          static_cast<void>(w);                                                        \
          static_cast<void>(l);                                                        \
          call; }, nullptr },

#define ON_COMMAND(id, handler) AFX_MSG_ENTRY(WM_COMMAND, 0, id, self->handler(); return 0)
#define ON_CONTROL(code, id, handler) AFX_MSG_ENTRY(WM_COMMAND, code, id, self->handler(); return 0)
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
#define ON_CBN_EDITCHANGE(id, handler) ON_CONTROL(CBN_EDITCHANGE, id, handler)
#define ON_MESSAGE(message, handler) AFX_MSG_ENTRY(message, 0, 0, return self->handler(w, l))
#define ON_REGISTERED_MESSAGE(messageVariable, handler)                                \
    { 0, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                   \
          return static_cast<ThisClass*>(t)->handler(w, l); }, &messageVariable },

#define ON_WM_CREATE() \
    AFX_MSG_ENTRY(WM_CREATE, 0, 0, return self->OnCreate(reinterpret_cast<LPCREATESTRUCTA>(l)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, 0, 0, self->OnDestroy(); return 0)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, 0, 0, self->OnTimer(static_cast<UINT>(w)); return 0)
#define ON_WM_SYSCOMMAND() \
    AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, self->OnSysCommand(static_cast<UINT>(w), l); return 0)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, 0, 0, self->OnPaint(); return 0)
#define ON_WM_QUERYDRAGICON() \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, return reinterpret_cast<LRESULT>(self->OnQueryDragIcon()))
#define ON_WM_CONTEXTMENU()                                                                          \
    AFX_MSG_ENTRY(WM_CONTEXTMENU, 0, 0,                                                              \
                  self->OnContextMenu(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(w)),          \
                                      CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));                     \
                  return 0)
#define ON_WM_SIZE() \
    AFX_MSG_ENTRY(WM_SIZE, 0, 0, self->OnSize(static_cast<UINT>(w), LOWORD(l), HIWORD(l)); return 0)
#define ON_WM_SHOWWINDOW() \
    AFX_MSG_ENTRY(WM_SHOWWINDOW, 0, 0, self->OnShowWindow(static_cast<BOOL>(w), static_cast<UINT>(l)); return 0)
