#pragma once
#include "Wnd.h"

// The painting of one WM_PAINT, begun and ended with its object.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* window) : m_window(window->m_hWnd) { m_hDC = BeginPaint(m_window, &m_ps); }
    ~CPaintDC() { EndPaint(m_window, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    HDC GetSafeHdc() const { return m_hDC; }

    HDC m_hDC;

private:
    HWND m_window;
    PAINTSTRUCT m_ps{};
};
