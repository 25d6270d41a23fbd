#pragma once
// Message boxes and popup menus in place of user32's modal ones: questions are recorded and
// answered from a script, and a tracked menu records the states of its items.
#include "UserInterfaceApi.h"
#include <deque>
#include <map>
#include <string>
#include <vector>

struct AskedQuestion {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct TrackedMenu {
    UINT flags;
    HWND owner;
    std::map<UINT, UINT> itemStates; // command -> MF_GRAYED / MF_DISABLED bits
};

class FakeUserInterface {
public:
    FakeUserInterface();
    ~FakeUserInterface();
    FakeUserInterface(const FakeUserInterface&) = delete;
    FakeUserInterface& operator=(const FakeUserInterface&) = delete;

    std::vector<AskedQuestion> questions;
    std::deque<int> answers; // IDNO once they run out
    std::vector<TrackedMenu> menus;
    std::map<UINT_PTR, UINT> timers; // armed timer -> interval in ms; they never fire by themselves
    std::vector<std::string> timerCalls; // "set <id> <ms>", "kill <id>"

    static FakeUserInterface* current;

private:
    static int WINAPI MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
    static BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
    static UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback);
    static BOOL WINAPI KillTimer(HWND window, UINT_PTR id);
    UserInterfaceApi m_saved;
};
