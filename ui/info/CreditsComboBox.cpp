#include "CreditsComboBox.h"
#include "DC.h"

void CCreditsComboBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC dc(item->hDC);
    CString text;
    // Item -1 (no current row) has no text: only the background is drawn.
    if (static_cast<int>(item->itemID) >= 0)
        GetLBText(static_cast<int>(item->itemID), text);
    // The button-face pair: high-contrast themes keep their text and face apart.
    const COLORREF previousText = dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    dc.FillSolidRect(&item->rcItem, GetSysColor(COLOR_BTNFACE));
    RECT area = item->rcItem;
    dc.DrawText(text, -1, &area, DT_SINGLELINE | DT_VCENTER);
    dc.SetTextColor(previousText);
}
