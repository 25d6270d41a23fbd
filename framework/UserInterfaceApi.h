#pragma once
// The modal pieces of user32 that would block an in-process test: a message box waits for an
// answer and a tracked popup menu for a choice, so a test puts scripted answers in their place.
#include <windows.h>

struct UserInterfaceApi {
    decltype(&::MessageBoxA) messageBox = &::MessageBoxA;
    decltype(&::TrackPopupMenu) trackPopupMenu = &::TrackPopupMenu;
};

UserInterfaceApi& UserInterface();
