#include "DataExchange.h"
#include "Wnd.h"
#include <vector>

HWND CDataExchange::Control(int id) const
{
    return m_pDlgWnd->GetDlgItem(id);
}

namespace {

std::string TextOf(HWND control)
{
    // The whole text, however long: the length is asked for first.
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1);
    const int length = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<size_t>(length));
}

} // namespace

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    const HWND control = exchange->Control(id);
    if (!exchange->m_bSaveAndValidate) {
        // A text written again unchanged would still be redrawn and announced anew.
        if (TextOf(control) != value.str())
            SetWindowTextA(control, value);
        return;
    }
    const std::string text = TextOf(control);
    value = CString(text.data(), static_cast<int>(text.size()));
}

void DDX_CBString(CDataExchange* exchange, int id, CString& value)
{
    const HWND control = exchange->Control(id);
    if (exchange->m_bSaveAndValidate) {
        DDX_Text(exchange, id, value);
        return;
    }
    // The empty text would select the first row, not show itself.
    if (value.IsEmpty()
        || SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(static_cast<const char*>(value)))
            == CB_ERR)
        SetWindowTextA(control, value);
}

void DDX_Check(CDataExchange* exchange, int id, int& value)
{
    const HWND control = exchange->Control(id);
    if (exchange->m_bSaveAndValidate) {
        value = Button_GetCheck(control) == BST_CHECKED ? 1 : 0;
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    // A two-state box would show a 2 ticked; it means neither on nor a tick.
    Button_SetCheck(control, value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    const HWND window = exchange->Control(id);
    if (control.m_hWnd != window)
        control.Attach(window);
}
