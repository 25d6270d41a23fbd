#pragma once
#include "HandleOwner.h"
#include <windows.h>
#include <memory>
#include <vector>

class CBitmap;

struct MenuTraits {
    using Handle = HMENU;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { ::DestroyMenu(handle); }
};

// A menu. One loaded from the resources is owned and destroyed with its object; one attached
// (the system menu, a popup inside a loaded menu) belongs to Windows or to its parent menu.
class CMenu {
public:
    void LoadMenu(UINT id);
    void DestroyMenu();
    void Attach(HMENU menu);

    // The popup at `position`, valid as long as this menu is.
    CMenu* GetSubMenu(int position);
    UINT EnableMenuItem(UINT item, UINT enable) { return ::EnableMenuItem(m_hMenu, item, enable); }
    BOOL AppendMenu(UINT flags, UINT_PTR id, const char* text) { return ::AppendMenuA(m_hMenu, flags, id, text); }
    BOOL SetDefaultItem(UINT item) { return ::SetMenuDefaultItem(m_hMenu, item, FALSE); }
    BOOL SetMenuItemBitmaps(UINT item, UINT flags, const CBitmap* unchecked, const CBitmap* checked);
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner, const RECT* rect = nullptr);

    HMENU m_hMenu = nullptr;

private:
    HandleOwner<MenuTraits> m_owned;
    std::vector<std::unique_ptr<CMenu>> m_popups;
};
