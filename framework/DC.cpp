#include "DC.h"

void CDC::FillSolidRect(const RECT* rect, COLORREF colour)
{
    // An opaque text output of nothing fills the rectangle without a brush to create and delete.
    ::SetBkColor(m_hDC, colour);
    ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}
