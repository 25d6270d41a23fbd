#pragma once
#include "HandleOwner.h"
#include <windows.h>

struct IconTraits {
    using Handle = HICON;
    static Handle invalid() { return nullptr; }
    static void close(Handle handle) { ::DestroyIcon(handle); }
};

// An icon of the program's resources at one size, destroyed with its object. Unlike the shared
// icons of CWinApp::LoadIcon, Windows picks the image drawn for that size.
class CIcon {
public:
    BOOL Load(UINT id, int size);
    HICON GetSafeHandle() const { return m_icon.get(); }

private:
    HandleOwner<IconTraits> m_icon;
};
