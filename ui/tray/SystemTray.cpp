#include "SystemTray.h"
#include "ShellNotifyApi.h"
#include "SystemFunction.h"

HRESULT WINAPI IconRectFromShell(const NOTIFYICONIDENTIFIER* icon, RECT* rect)
{
    using IconRect = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
    static const auto shellIconRect = SystemFunction<IconRect>("shell32.dll", "Shell_NotifyIconGetRect");
    return shellIconRect ? shellIconRect(icon, rect) : E_NOTIMPL;
}

ShellNotifyApi& ShellNotify()
{
    static ShellNotifyApi api;
    return api;
}

IMPLEMENT_DYNAMIC(CSystemTray, CWnd)

BEGIN_MESSAGE_MAP(CSystemTray, CWnd)
END_MESSAGE_MAP()

namespace {
// The first layout of the record, whose tooltip holds 64 characters: every shell since the
// first one with a notification area understands it.
constexpr DWORD kNotifyDataSize = NOTIFYICONDATAA_V1_SIZE;
constexpr size_t kTooltipCapacity = 64;
} // namespace

CSystemTray::CSystemTray() : m_notifyData{} {}

CSystemTray::~CSystemTray()
{
    RemoveIcon();
    DestroyWindow();
}

BOOL CSystemTray::Create(CWnd* notify, UINT callbackMessage, const char* tooltip, HICON icon, UINT iconId)
{
    // The notification area came with Windows 4.
    if (LOBYTE(LOWORD(GetVersion())) < 4) {
        m_bActive = FALSE;
        return FALSE;
    }
    // A popup that is never shown: the icon needs a window even when no one else receives its notifications.
    CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);

    m_notifyData.cbSize = kNotifyDataSize;
    m_notifyData.hWnd = notify && notify->m_hWnd ? notify->m_hWnd : m_hWnd;
    m_notifyData.uID = iconId;
    m_notifyData.hIcon = icon;
    m_notifyData.uCallbackMessage = callbackMessage;
    m_notifyData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    CopyTooltip(tooltip);
    m_bActive = Notify(NIM_ADD);
    return m_bActive;
}

BOOL CSystemTray::SetIcon(HICON icon)
{
    if (!m_bActive)
        return FALSE;
    m_notifyData.uFlags = NIF_ICON;
    m_notifyData.hIcon = icon;
    return Notify(NIM_MODIFY);
}

BOOL CSystemTray::SetTooltipText(const char* tooltip)
{
    if (!m_bActive)
        return FALSE;
    m_notifyData.uFlags = NIF_TIP;
    CopyTooltip(tooltip);
    return Notify(NIM_MODIFY);
}

void CSystemTray::RemoveIcon()
{
    if (!m_bActive)
        return;
    m_notifyData.uFlags = 0;
    Notify(NIM_DELETE);
    m_bActive = FALSE;
}

BOOL CSystemTray::AddIconAgain(HICON icon)
{
    if (!m_bActive)
        return FALSE;
    m_notifyData.hIcon = icon;
    // The last change may have left only one flag; a new icon needs all of them.
    m_notifyData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    // A shell that still has the icon refuses the add, which changes nothing.
    return Notify(NIM_ADD);
}

bool CSystemTray::GetIconRect(RECT& rect) const
{
    if (!m_bActive)
        return false;
    NOTIFYICONIDENTIFIER icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = m_notifyData.hWnd;
    icon.uID = m_notifyData.uID;
    return SUCCEEDED(ShellNotify().iconRect(&icon, &rect));
}

BOOL CSystemTray::ReturnFocus()
{
    if (!m_bActive)
        return FALSE;
    m_notifyData.uFlags = 0;
    return Notify(NIM_SETFOCUS);
}

BOOL CSystemTray::Notify(DWORD command)
{
    return ShellNotify().notifyIcon(command, &m_notifyData);
}

void CSystemTray::CopyTooltip(const char* tooltip)
{
    // A longer text is cut: the settings put no limit on it, the record does.
    lstrcpynA(m_notifyData.szTip, tooltip ? tooltip : "", static_cast<int>(kTooltipCapacity));
}
