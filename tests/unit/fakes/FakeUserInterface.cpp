#include "FakeUserInterface.h"
#include <gtest/gtest.h>

FakeUserInterface* FakeUserInterface::current = nullptr;

namespace {

int WINAPI FakeMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT)
{
    EXPECT_STREQ("Velmora", caption);
    auto& ui = *FakeUserInterface::current;
    ui.questions.push_back(text);
    ui.questionOwners.push_back(owner);
    if (ui.answers.empty())
        return IDNO;
    const int answer = ui.answers.front();
    ui.answers.pop_front();
    return answer;
}

BOOL WINAPI FakeTrackPopupMenu(HMENU menu, UINT, int, int, int, HWND, const RECT*)
{
    std::set<UINT> greyed;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const UINT id = GetMenuItemID(menu, position);
        if (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED)
            greyed.insert(id);
    }
    FakeUserInterface::current->greyedInTrackedMenus.push_back(greyed);
    return FALSE;
}

UINT_PTR WINAPI FakeSetTimer(HWND, UINT_PTR id, UINT elapseMs, TIMERPROC)
{
    FakeUserInterface::current->timers[id] = elapseMs;
    return id;
}

BOOL WINAPI FakeKillTimer(HWND, UINT_PTR id)
{
    return FakeUserInterface::current->timers.erase(id) > 0;
}

void WINAPI FakeDebugOutput(LPCSTR text)
{
    FakeUserInterface::current->swallowed.push_back(text);
}

} // namespace

FakeUserInterface::FakeUserInterface()
{
    current = this;
    UserInterface() = { &FakeMessageBox, &FakeTrackPopupMenu, &FakeSetTimer, &FakeKillTimer, &FakeDebugOutput };
}

FakeUserInterface::~FakeUserInterface()
{
    EXPECT_EQ(std::vector<std::string>(), swallowed) << "no exception may reach a window procedure";
    UserInterface() = UserInterfaceApi();
    current = nullptr;
}
