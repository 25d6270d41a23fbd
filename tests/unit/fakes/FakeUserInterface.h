#pragma once
// Message boxes, popup menus and timers in place of user32's: every box's text is recorded and a
// question answered from a script, a tracked menu records where it opened and which items were
// greyed, timers never fire by themselves, and an exception a window procedure had to swallow
// fails the test.
#include "UserInterfaceApi.h"
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeUserInterface {
    FakeUserInterface();
    ~FakeUserInterface();

    std::vector<std::string> questions; // and messages
    std::deque<int> answers; // to the questions; IDNO once they run out
    std::function<void()> whileAsking; // runs once, while the next question waits for its answer
    std::set<UINT> greyedInLastMenu;
    POINT lastMenuAt{};
    std::map<UINT_PTR, UINT> timers; // armed timer -> interval in ms
    std::vector<std::string> swallowed;
};
