#pragma once
// How the soak test talks to the soak build of the program: one registered message whose
// wParam names the request; refreshes take their count in lParam.
#include <windows.h>

namespace soak {

constexpr const char* kMessageName = "Velmora.Soak";

enum Request : WPARAM {
    REFRESH,
    LIVE_SERVICE_HANDLES,
    LIVE_REGISTRY_KEYS,
    LIVE_ICONS,
    LIVE_BITMAPS,
};

// What the deliberate-leak builds lose at every refresh.
enum Leak { LEAK_NONE, LEAK_REGISTRY_KEY, LEAK_SERVICE_HANDLE };

} // namespace soak
