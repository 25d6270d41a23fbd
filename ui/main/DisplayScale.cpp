#include "Dpi.h"
#include "MonitorDlg.h"

namespace {

// The tray's images, in the order m_trayIcons holds them.
constexpr UINT kTrayIconIds[] = { IDI_VELMORA, IDI_STOPPED, IDI_MIXED, IDI_RUNNING };

// The picture drawn for the nearest of 100, 150 and 200 %.
UINT PictureFor(UINT dpi)
{
    if (dpi < 120)
        return IDB_PICTURE;
    return dpi < 168 ? IDB_PICTURE_150 : IDB_PICTURE_200;
}

} // namespace

// Each new image is handed over before the old one goes: the window, the menu and the shell
// must never hold a destroyed handle.
LRESULT CMonitorDlg::OnDpiChanged(WPARAM dpi, LPARAM)
{
    // Windows lays the dialog out anew from its template at the new scale.
    Default();
    ScaleIcons(LOWORD(dpi));
    m_tray.SetIcon(TrayIcon(m_nTrayIconId));
    SetMenuImages(LOWORD(dpi));
    ScalePicture(LOWORD(dpi));
    return 0;
}

HICON CMonitorDlg::TrayIcon(UINT iconId) const
{
    for (size_t i = 0; i < m_trayIcons.size(); ++i)
        if (kTrayIconIds[i] == iconId)
            return m_trayIcons[i].GetSafeHandle();
    return nullptr;
}

void CMonitorDlg::ScaleIcons(UINT dpi)
{
    const int small = MetricForDpi(SM_CXSMICON, dpi);
    std::array<CIcon, 4> trayIcons;
    for (size_t i = 0; i < trayIcons.size(); ++i)
        trayIcons[i].Load(kTrayIconIds[i], small);
    CIcon iconSmall;
    CIcon iconBig;
    iconSmall.Load(IDI_VELMORA, small);
    iconBig.Load(IDI_VELMORA, MetricForDpi(SM_CXICON, dpi));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(iconBig.GetSafeHandle()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconSmall.GetSafeHandle()));
    // The shell keeps a copy of the tray's image, so the old ones may go before it is renewed.
    m_trayIcons = std::move(trayIcons);
    m_iconSmall = std::move(iconSmall);
    m_iconBig = std::move(iconBig);
}

void CMonitorDlg::SetMenuImages(UINT dpi)
{
    struct MenuImage {
        UINT command;
        UINT drawing;
        CBitmap& image;
    };
    const MenuImage images[] = {
        { ID_TRAY_RESTORE, IDB_RESTORE, m_bmpRestore },
        { ID_TRAY_CLOSE, IDB_CLOSE, m_bmpClose },
        { ID_TRAY_STOP, IDB_STOP, m_bmpStop },
        { ID_TRAY_START, IDB_START, m_bmpStart },
    };
    // Monochrome, so that the menu draws them in its own text colour, high contrast included.
    const int size = MetricForDpi(SM_CXMENUCHECK, dpi);
    for (const MenuImage& item : images) {
        CBitmap image;
        image.LoadMonochrome(item.drawing, size);
        if (m_pTrayPopup)
            m_pTrayPopup->SetMenuItemBitmaps(item.command, MF_BYCOMMAND, &image, &image);
        item.image = std::move(image);
    }
}

void CMonitorDlg::ScalePicture(UINT dpi)
{
    HWND picture = ::GetWindow(m_hWnd, GW_CHILD);
    while (picture && (GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
        picture = ::GetWindow(picture, GW_HWNDNEXT);
    if (!picture)
        return;
    CBitmap image;
    image.LoadBitmap(PictureFor(dpi));
    const auto old = reinterpret_cast<HGDIOBJ>(
        ::SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image.GetSafeHandle())));
    // The control's own, loaded from the template, is ours once it has been replaced.
    if (old && old != m_bmpPicture.GetSafeHandle())
        ::DeleteObject(old);
    m_bmpPicture = std::move(image);
}
