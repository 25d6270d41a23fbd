#include "Dialog.h"
#include "WinApp.h"

INT_PTR CDialog::DoModal()
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result)
{
    ::EndDialog(m_hWnd, result);
}

INT_PTR CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DispatchMessageMap(WM_COMMAND, wParam, lParam, result))
        return TRUE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        // Commands the window does not handle go on to the application, as the help command does.
        return AfxGetApp() && AfxGetApp()->DispatchMessageMap(WM_COMMAND, wParam, lParam, result);
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->m_hWnd = dialog;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return self->OnCommand(wParam, lParam);
    case WM_HELP:
        return self->OnCommand(MAKEWPARAM(ID_HELP, 0), 0);
    case WM_NCDESTROY:
        // The application must not keep pointing at a window that is gone.
        if (AfxGetApp() && AfxGetApp()->m_pMainWnd == self)
            AfxGetApp()->m_pMainWnd = nullptr;
        self->m_hWnd = nullptr;
        return FALSE;
    default: {
        LRESULT result = 0;
        if (!self->DispatchMessageMap(message, wParam, lParam, result))
            return FALSE;
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}
