#include "DataExchange.h"
#include "Wnd.h"
#include <vector>

HWND CDataExchange::Control(int id) const
{
    return m_pDlgWnd->GetDlgItem(id);
}

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    const HWND control = exchange->Control(id);
    if (!exchange->m_bSaveAndValidate) {
        SetWindowTextA(control, value);
        return;
    }
    // The whole text, however long: the length is asked for first.
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1);
    const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    value = CString(text.data(), length);
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    const HWND window = exchange->Control(id);
    if (control.m_hWnd != window)
        control.Attach(window);
}
