#pragma once
#include "HandleOwner.h"
#include <windows.h>

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { ::DeleteObject(handle); }
};

// A bitmap of the program's resources, deleted with its object.
class CBitmap {
public:
    BOOL LoadBitmap(UINT id);
    // The resource drawn black on white at size x size pixels in one bit a pixel, as menus want
    // their check images: they then show in the menu's own text and background colours.
    BOOL LoadMonochrome(UINT id, int size);
    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(m_bitmap.get()); }

private:
    HandleOwner<GdiObjectTraits> m_bitmap;
};
