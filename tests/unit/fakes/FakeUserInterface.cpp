#include "FakeUserInterface.h"

FakeUserInterface* FakeUserInterface::current = nullptr;

FakeUserInterface::FakeUserInterface() : m_saved(UserInterface())
{
    current = this;
    UserInterface().messageBox = &FakeUserInterface::MessageBox;
    UserInterface().trackPopupMenu = &FakeUserInterface::TrackPopupMenu;
    UserInterface().setTimer = &FakeUserInterface::SetTimer;
    UserInterface().killTimer = &FakeUserInterface::KillTimer;
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

UINT_PTR WINAPI FakeUserInterface::SetTimer(HWND, UINT_PTR id, UINT elapseMs, TIMERPROC)
{
    current->timers[id] = elapseMs;
    current->timerCalls.push_back("set " + std::to_string(id) + " " + std::to_string(elapseMs));
    return id;
}

BOOL WINAPI FakeUserInterface::KillTimer(HWND, UINT_PTR id)
{
    current->timerCalls.push_back("kill " + std::to_string(id));
    return current->timers.erase(id) > 0;
}
