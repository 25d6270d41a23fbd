#include "FakeUserInterface.h"
#include <gtest/gtest.h>
#include <utility>

namespace {

FakeUserInterface* g_fake = nullptr;

int WINAPI FakeMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    EXPECT_STREQ("Velmora", caption);
    EXPECT_TRUE(type == MB_YESNO || type == MB_OK) << "Yes and No, or OK alone, and never an icon";
    g_fake->questions.push_back(text);
    if (g_fake->whileAsking)
        std::exchange(g_fake->whileAsking, nullptr)();
    if (type == MB_OK)
        return IDOK;
    if (g_fake->answers.empty())
        return IDNO;
    const int answer = g_fake->answers.front();
    g_fake->answers.pop_front();
    return answer;
}

BOOL WINAPI FakeTrackPopupMenu(HMENU menu, UINT, int x, int y, int, HWND, const RECT*)
{
    g_fake->lastMenuAt = { x, y };
    g_fake->greyedInLastMenu.clear();
    for (int position = 0; position < GetMenuItemCount(menu); ++position)
        if (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED)
            g_fake->greyedInLastMenu.insert(GetMenuItemID(menu, position));
    return FALSE;
}

UINT_PTR WINAPI FakeSetTimer(HWND, UINT_PTR id, UINT elapseMs, TIMERPROC)
{
    g_fake->timers[id] = elapseMs;
    return id;
}

BOOL WINAPI FakeKillTimer(HWND, UINT_PTR id)
{
    return g_fake->timers.erase(id) > 0;
}

void WINAPI FakeDebugOutput(LPCSTR text)
{
    g_fake->swallowed.push_back(text);
}

} // namespace

FakeUserInterface::FakeUserInterface()
{
    g_fake = this;
    UserInterface() = { &FakeMessageBox, &FakeTrackPopupMenu, &FakeSetTimer, &FakeKillTimer, &FakeDebugOutput };
}

FakeUserInterface::~FakeUserInterface()
{
    EXPECT_EQ(std::vector<std::string>(), swallowed) << "no exception may reach a window procedure";
    UserInterface() = UserInterfaceApi();
    g_fake = nullptr;
}
