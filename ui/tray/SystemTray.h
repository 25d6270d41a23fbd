#pragma once
#include "Wnd.h"
#include <shellapi.h>

// One icon in the notification area, kept there for the life of the object.
class CSystemTray : public CWnd {
    DECLARE_DYNAMIC(CSystemTray)
    DECLARE_MESSAGE_MAP()
public:
    CSystemTray();
    ~CSystemTray() override;

    // Adds the icon; its notifications go to `notify` (the hidden window of its own without one).
    BOOL Create(CWnd* notify, UINT callbackMessage, const char* tooltip, HICON icon, UINT iconId);
    BOOL SetIcon(HICON icon);
    BOOL SetTooltipText(const char* tooltip);
    void RemoveIcon();
    // After the taskbar was recreated, the shell has forgotten the icon: shows it again as it was.
    BOOL AddIconAgain(HICON icon);
    // Where the shell shows the icon on the screen; false when it does not tell.
    bool GetIconRect(RECT& rect) const;
    // Hands the keyboard focus back to the notification area, as after a menu closed by keyboard.
    BOOL ReturnFocus();

private:
    BOOL Notify(DWORD command);
    void CopyTooltip(const char* tooltip);

    BOOL m_bActive = FALSE;
    NOTIFYICONDATAA m_notifyData;
};
