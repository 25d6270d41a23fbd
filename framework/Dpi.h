#pragma once
// Display scale. The functions that tell a window's own scale came with Windows 10; on older
// systems the whole desktop has one scale, the screen's.
#include <windows.h>

constexpr UINT kDefaultDpi = 96;

UINT DpiOfWindow(HWND window);
// A system metric (a size) as it is at the given scale.
int MetricForDpi(int index, UINT dpi);
