#pragma once
// The pieces of user32 an in-process test must stand in for: a message box waits for an answer
// and a tracked popup menu for a choice, and timers fire only with time passing, so a test
// answers from a script and drives the ticks itself.
#include <windows.h>

struct UserInterfaceApi {
    decltype(&::MessageBoxA) messageBox = &::MessageBoxA;
    decltype(&::TrackPopupMenu) trackPopupMenu = &::TrackPopupMenu;
    decltype(&::SetTimer) setTimer = &::SetTimer;
    decltype(&::KillTimer) killTimer = &::KillTimer;
};

UserInterfaceApi& UserInterface();
