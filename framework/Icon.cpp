#include "Icon.h"

BOOL CIcon::Load(UINT id, int size)
{
    const HANDLE icon = ::LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0);
    m_icon.reset(static_cast<HICON>(icon));
    return static_cast<bool>(m_icon);
}
