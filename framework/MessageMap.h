#pragma once
// Tables binding messages and commands to handler members. Each entry carries a small
// non-capturing lambda that casts the target back to its class and calls the handler,
// so handlers keep their natural signatures and no member-pointer casts are needed.
#include <windows.h>

class CCmdTarget;
using AfxHandlerThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT message;
    UINT code; // notification code of WM_COMMAND; 0 for menus, accelerators and other messages
    UINT id;
    UINT lastId;
    AfxHandlerThunk thunk;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*base)();
    const AFX_MSGMAP_ENTRY* entries;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
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
            { 0, 0, 0, 0, nullptr } };                                         \
        static const AFX_MSGMAP map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                           \
    }

#define ON_COMMAND(id, handler)                                                        \
    { WM_COMMAND, 0, id, id, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {            \
          static_cast<ThisClass*>(t)->handler();                                       \
          return 0; } },

#define ON_CONTROL(code, id, handler)                                                  \
    { WM_COMMAND, code, id, id, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {         \
          static_cast<ThisClass*>(t)->handler();                                       \
          return 0; } },

#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
#define ON_CBN_EDITCHANGE(id, handler) ON_CONTROL(CBN_EDITCHANGE, id, handler)

#define ON_MESSAGE(message, handler)                                                   \
    { message, 0, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {             \
          return static_cast<ThisClass*>(t)->handler(w, l); } },
