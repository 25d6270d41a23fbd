#include "Bitmap.h"

BOOL CBitmap::LoadBitmap(UINT id)
{
    m_bitmap.reset(::LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    return static_cast<bool>(m_bitmap);
}
