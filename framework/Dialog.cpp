#include "Dialog.h"
#include "CreationHook.h"
#include "DialogInit.h"
#include "UserInterfaceApi.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_HELP, OnHelpRequest)
END_MESSAGE_MAP()

// The dialog runs its own modal loop, as the framework's does: the system's loop shows a dialog
// again when its queue first runs empty, which would undo a minimise made by an early timer.
INT_PTR CDialog::DoModal()
{
    // Without a parent of its own, a dialog belongs to the program's main window while it runs.
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (owner == this || (owner && !IsWindow(owner->m_hWnd)))
        owner = nullptr;
    const HWND parent = owner ? owner->m_hWnd : nullptr;
    if (!Create(m_nIDHelp, owner))
        return -1;
    const bool parentWasEnabled = parent && !::EnableWindow(parent, FALSE);
    RunModalLoop();
    if (parentWasEnabled)
        ::EnableWindow(parent, TRUE);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    // Shown at the first idle moment unless the template shows it already.
    bool showWhenIdle = !IsWindowVisible(m_hWnd);
    MSG msg{};
    while (!m_bEnded) {
        if (showWhenIdle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(SW_SHOWNORMAL);
            showWhenIdle = false;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit request belongs to the loop outside this one.
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        DispatchLoopMessage(msg);
    }
}

void CDialog::DispatchLoopMessage(MSG& msg)
{
    if (!m_hWnd || !IsDialogMessageA(m_hWnd, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nModalResult = -1;
    m_bEnded = false;
    const CreationHook hook(this);
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent ? parent->m_hWnd : nullptr,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this))
        != nullptr;
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDialogInit(m_hWnd, m_nIDHelp);
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
    m_bEnded = true;
    // Wakes the modal loop, which may be waiting for a message.
    PostMessage(WM_NULL, 0, 0);
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
    SendMessage(WM_COMMAND, ID_HELP);
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
        ReportSwallowedException();
        return TRUE;
    }
}
