#pragma once
#include <windows.h>

// Drawing on a device context that belongs to someone else, such as an owner-draw request's.
class CDC {
public:
    explicit CDC(HDC dc) : m_hDC(dc) {}

    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
    COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
    void FillSolidRect(const RECT* rect, COLORREF colour);
    int DrawText(const char* text, int length, RECT* rect, UINT format) { return ::DrawTextA(m_hDC, text, length, rect, format); }

    HDC m_hDC;
};
