#include "Dpi.h"
#include "MonitorDlg.h"
#include "Settings.h"
#include "WinApp.h"

namespace {

// A popup menu needs a top-level owner.
HWND PopupOwner(HWND window)
{
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        window = GetParent(window);
    return window;
}

} // namespace

// Broadcast to every top-level window, hidden ones included, when the taskbar is created anew.
const UINT CMonitorDlg::WM_TASKBARCREATED = RegisterWindowMessageA("TaskbarCreated");

int CMonitorDlg::OnCreate(LPCREATESTRUCTA create)
{
    if (CDialog::OnCreate(create) == -1)
        return -1;
    const CString tooltip = GetTooltipText();
    ScaleIcons(DpiOfWindow(m_hWnd));
    // The application icon at the tray's size. Without its tray icon the program could not be
    // reached once minimised, so it does not start.
    return m_tray.Create(this, WM_TRAY_CALLBACK, tooltip, TrayIcon(IDI_VELMORA), ID_TRAY_ICON) ? 0 : -1;
}

CString CMonitorDlg::GetTooltipText() const
{
    const CWinApp* app = AfxGetApp();
    CString text = app->GetProfileString(Settings::kSection, Settings::kInfoText, "");
    if (text.IsEmpty())
        text = app->GetProfileString(Settings::kSection, Settings::kOracleSrv, "");
    if (text.IsEmpty())
        text = "Kein Service eingetragen";
    return text;
}

LRESULT CMonitorDlg::OnTrayIconMessage(WPARAM iconId, LPARAM mouseMessage)
{
    if (iconId != ID_TRAY_ICON)
        return 0;
    switch (LOWORD(mouseMessage)) {
    case WM_RBUTTONUP: {
        bool fromKeyboard = false;
        const POINT at = TrayMenuPosition(fromKeyboard);
        const CWnd* mainWindow = AfxGetMainWnd();
        const HWND owner = PopupOwner(mainWindow ? mainWindow->m_hWnd : m_hWnd);
        WINDOWPLACEMENT placement{};
        GetWindowPlacement(&placement);
        if (m_pTrayPopup)
            m_pTrayPopup->EnableMenuItem(ID_TRAY_RESTORE, MF_BYCOMMAND
                                             | (placement.showCmd == SW_SHOWMINIMIZED ? MF_ENABLED
                                                                                       : MF_GRAYED | MF_DISABLED));
        // Unless its owner is in the foreground, the menu stays open when the user clicks elsewhere.
        ::SetForegroundWindow(owner);
        if (m_pTrayPopup)
            m_pTrayPopup->TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, owner);
        // A chosen item's command is on its way; without one, the keyboard user goes on where
        // the menu was opened.
        MSG command{};
        if (fromKeyboard && !::PeekMessageA(&command, owner, WM_COMMAND, WM_COMMAND, PM_NOREMOVE))
            m_tray.ReturnFocus();
        // Makes the switch back to the owner complete, so that the menu works the next time too.
        ::PostMessageA(owner, WM_NULL, 0, 0);
        break;
    }
    case WM_LBUTTONDBLCLK:
        RestoreWindow();
        break;
    default:
        break;
    }
    return 0;
}

POINT CMonitorDlg::TrayMenuPosition(bool& fromKeyboard)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT icon{};
    fromKeyboard = m_tray.GetIconRect(icon) && !PtInRect(&icon, cursor);
    if (!fromKeyboard)
        return cursor;
    return { icon.left + (icon.right - icon.left) / 2, icon.top + (icon.bottom - icon.top) / 2 };
}

LRESULT CMonitorDlg::OnTaskbarCreated(WPARAM, LPARAM)
{
    // A new taskbar may come with a new display scale.
    ScaleIcons(DpiOfWindow(m_hWnd));
    m_tray.AddIconAgain(TrayIcon(m_nTrayIconId));
    return 0;
}

void CMonitorDlg::RestoreWindow()
{
    ShowWindow(SW_SHOW);
    ShowWindow(SW_RESTORE);
    SetFocus();
}

void CMonitorDlg::MinimizeWindow()
{
    WINDOWPLACEMENT placement{};
    GetWindowPlacement(&placement);
    if (placement.showCmd != SW_SHOWMINIMIZED)
        ShowWindow(SW_MINIMIZE);
}

void CMonitorDlg::OnSize(UINT type, int, int)
{
    Default();
    // Minimised means in the tray: off the screen and off the taskbar.
    if (type == SIZE_MINIMIZED)
        ShowWindow(SW_HIDE);
}

void CMonitorDlg::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CMonitorDlg::ShowInfoDialog()
{
    m_infoDlg.LoadSettings();
    if (m_infoDlg.DoModal() == IDOK)
        m_tray.SetTooltipText(GetTooltipText());
}
