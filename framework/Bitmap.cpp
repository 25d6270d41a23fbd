#include "Bitmap.h"

BOOL CBitmap::LoadBitmap(UINT id)
{
    m_bitmap.reset(::LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    return static_cast<bool>(m_bitmap);
}

BOOL CBitmap::LoadMonochrome(UINT id, int size)
{
    const HBITMAP drawing = ::LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    BITMAP source{};
    if (!drawing || !::GetObjectA(drawing, sizeof(source), &source)) {
        m_bitmap.reset();
        return FALSE;
    }
    const HBITMAP monochrome = ::CreateBitmap(size, size, 1, 1, nullptr);
    const HDC from = ::CreateCompatibleDC(nullptr);
    const HDC to = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ fromBefore = ::SelectObject(from, drawing);
    const HGDIOBJ toBefore = ::SelectObject(to, monochrome);
    // From colour to one bit, the source's background colour becomes white and all else black.
    ::SetBkColor(from, RGB(255, 255, 255));
    ::SetStretchBltMode(to, COLORONCOLOR);
    ::StretchBlt(to, 0, 0, size, size, from, 0, 0, source.bmWidth, source.bmHeight, SRCCOPY);
    ::SelectObject(to, toBefore);
    ::SelectObject(from, fromBefore);
    ::DeleteDC(to);
    ::DeleteDC(from);
    ::DeleteObject(drawing);
    m_bitmap.reset(monochrome);
    return TRUE;
}
