#include "FakeUserInterface.h"

FakeUserInterface* FakeUserInterface::current = nullptr;

FakeUserInterface::FakeUserInterface() : m_saved(UserInterface())
{
    current = this;
    UserInterface().messageBox = &FakeUserInterface::MessageBox;
    UserInterface().trackPopupMenu = &FakeUserInterface::TrackPopupMenu;
}

FakeUserInterface::~FakeUserInterface()
{
    UserInterface() = m_saved;
    current = nullptr;
}

int WINAPI FakeUserInterface::MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    current->questions.push_back({ owner, text ? text : "", caption ? caption : "", type });
    if (current->answers.empty())
        return IDNO;
    const int answer = current->answers.front();
    current->answers.pop_front();
    return answer;
}

BOOL WINAPI FakeUserInterface::TrackPopupMenu(HMENU menu, UINT flags, int, int, int, HWND owner, const RECT*)
{
    TrackedMenu tracked{ flags, owner, {} };
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const UINT id = GetMenuItemID(menu, position);
        if (id != static_cast<UINT>(-1) && id != 0)
            tracked.itemStates[id] = GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED);
    }
    current->menus.push_back(tracked);
    return FALSE;
}
