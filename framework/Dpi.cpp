#include "Dpi.h"

namespace {

// A function of user32 that older systems lack; null there.
template <typename Function>
Function FromUser32(const char* name)
{
    // Through a plain function type, which every function pointer may be cast to and from.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

UINT ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

} // namespace

UINT DpiOfWindow(HWND window)
{
    static const auto dpiForWindow = FromUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    return dpi ? dpi : ScreenDpi();
}

int MetricForDpi(int index, UINT dpi)
{
    static const auto metricForDpi = FromUser32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (metricForDpi)
        return metricForDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(ScreenDpi()));
}
