#include "Dialog.h"
#include "CreationHook.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_HELP, OnHelpRequest)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal()
{
    m_nModalResult = -1;
    const HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const CreationHook hook(this);
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDHelp), parent, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nModalResult = -1;
    const CreationHook hook(this);
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent ? parent->m_hWnd : nullptr,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this))
        != nullptr;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    ::EndDialog(m_hWnd, result);
}

bool CDialog::OnUnmappedCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return CWnd::OnUnmappedCommand(wParam, lParam);
    }
}

LRESULT CDialog::OnHelpRequest(WPARAM, LPARAM)
{
    SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0));
    return TRUE;
}

// The window procedure installed at creation sees every message first; the dialog manager
// calls this only for what that procedure passed on, and only the initialisation is ours.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    try {
        return reinterpret_cast<CDialog*>(lParam)->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}
