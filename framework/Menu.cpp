#include "Menu.h"
#include "Bitmap.h"
#include "UserInterfaceApi.h"

void CMenu::LoadMenu(UINT id)
{
    DestroyMenu();
    m_owned.reset(::LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    m_hMenu = m_owned.get();
}

void CMenu::DestroyMenu()
{
    Attach(nullptr);
}

void CMenu::Attach(HMENU menu)
{
    m_popups.clear();
    m_owned.reset();
    m_hMenu = menu;
}

CMenu* CMenu::GetSubMenu(int position)
{
    const HMENU popup = ::GetSubMenu(m_hMenu, position);
    if (!popup)
        return nullptr;
    m_popups.push_back(std::make_unique<CMenu>());
    m_popups.back()->Attach(popup);
    return m_popups.back().get();
}

BOOL CMenu::SetMenuItemBitmaps(UINT item, UINT flags, const CBitmap* unchecked, const CBitmap* checked)
{
    return ::SetMenuItemBitmaps(m_hMenu, item, flags, unchecked ? unchecked->GetSafeHandle() : nullptr,
                                checked ? checked->GetSafeHandle() : nullptr);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner, const RECT* rect)
{
    return UserInterface().trackPopupMenu(m_hMenu, flags, x, y, 0, owner, rect);
}
