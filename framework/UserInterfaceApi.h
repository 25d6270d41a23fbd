#pragma once
// The pieces of user32 an in-process test must stand in for: a message box waits for an answer
// and a tracked popup menu for a choice, and timers fire only with time passing, so a test
// answers from a script and drives the ticks itself; and a test fails on an exception that a
// window procedure had to swallow.
#include <windows.h>

struct UserInterfaceApi {
    decltype(&::MessageBoxA) messageBox = &::MessageBoxA;
    decltype(&::TrackPopupMenu) trackPopupMenu = &::TrackPopupMenu;
    decltype(&::SetTimer) setTimer = &::SetTimer;
    decltype(&::KillTimer) killTimer = &::KillTimer;
    decltype(&::OutputDebugStringA) debugOutput = &::OutputDebugStringA;
};

UserInterfaceApi& UserInterface();

// Called in a catch block where nothing may unwind into the system: says what was caught.
void ReportSwallowedException();
