#include "Bitmap.h"

BOOL CBitmap::LoadBitmap(UINT id)
{
    m_bitmap.reset(::LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    return static_cast<bool>(m_bitmap);
}

BOOL CBitmap::DeleteObject()
{
    const bool had = static_cast<bool>(m_bitmap);
    m_bitmap.reset();
    return had;
}
