// The main window's images at a new display scale, and the icon files Windows picks them from.
#include "Dpi.h"
#include "InfoDlg.h"
#include "MonitorWindowFixture.h"
#include <map>

namespace {

using DisplayScaleTest = MonitorWindowFixture;

// The width of a bitmap, or of an icon's image; 0 for a handle that is gone.
int WidthOf(HGDIOBJ image, bool icon)
{
    ICONINFO info{};
    if (icon && !GetIconInfo(static_cast<HICON>(image), &info))
        return 0;
    BITMAP bitmap{};
    const int width = GetObjectA(icon ? info.hbmMask : image, sizeof(bitmap), &bitmap) ? bitmap.bmWidth : 0;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return width;
}

struct ScaledImage {
    const char* name;
    std::function<HGDIOBJ()> current;
    bool icon;
    int widthAt96, widthAt144;
};

TEST_F(DisplayScaleTest, ANewScaleRedrawsEveryImageAndDestroysTheOldOnes)
{
    OpenWindow();
    const HWND window = m_dlg->m_hWnd;
    const HWND picture = GetWindow(GetDlgItem(window, IDC_TNS_NAME), GW_HWNDNEXT);
    const auto sent = [](HWND to, UINT message, WPARAM w) { return reinterpret_cast<HGDIOBJ>(SendMessageA(to, message, w, 0)); };
    const auto at = [](int metric, UINT dpi) { return MetricForDpi(metric, dpi); };
    const ScaledImage images[] = {
        { "tray icon", [&] { return m_shell.calls.back().second.hIcon; }, true, at(SM_CXSMICON, 96), at(SM_CXSMICON, 144) },
        { "small icon", [&] { return sent(window, WM_GETICON, ICON_SMALL); }, true, at(SM_CXSMICON, 96), at(SM_CXSMICON, 144) },
        { "big icon", [&] { return sent(window, WM_GETICON, ICON_BIG); }, true, at(SM_CXICON, 96), at(SM_CXICON, 144) },
        { "picture", [&] { return sent(picture, STM_GETIMAGE, IMAGE_BITMAP); }, false, 70, 105 },
        { "menu image", [&] {
              MENUITEMINFOA item{};
              item.cbSize = sizeof(item);
              item.fMask = MIIM_CHECKMARKS;
              GetMenuItemInfoA(m_dlg->m_pTrayPopup->m_hMenu, ID_TRAY_START, FALSE, &item);
              return static_cast<HGDIOBJ>(item.hbmpUnchecked); }, false, at(SM_CXMENUCHECK, 96), at(SM_CXMENUCHECK, 144) },
    };
    std::vector<HGDIOBJ> before;
    for (const ScaledImage& image : images) {
        before.push_back(image.current());
        EXPECT_EQ(image.widthAt96, WidthOf(before.back(), image.icon)) << image.name;
    }
    const long icons = HandleOwner<IconTraits>::LiveCount();
    const long bitmaps = HandleOwner<GdiObjectTraits>::LiveCount();
    RECT suggested{ 0, 0, 600, 300 };
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    for (size_t i = 0; i < std::size(images); ++i) {
        EXPECT_EQ(images[i].widthAt144, WidthOf(images[i].current(), images[i].icon)) << images[i].name;
        EXPECT_EQ(0, WidthOf(before[i], images[i].icon)) << images[i].name << ": the old one is destroyed";
    }
    EXPECT_EQ(icons, HandleOwner<IconTraits>::LiveCount());
    EXPECT_EQ(bitmaps, HandleOwner<GdiObjectTraits>::LiveCount());
}

TEST_F(DisplayScaleTest, TheSettingsDialogDrawsItsIconAndItsCreditsRowsAnewAtANewScale)
{
    CInfoDlg info;
    ASSERT_TRUE(info.Create(CInfoDlg::IDD));
    RECT suggested{ 0, 0, 800, 500 };
    SendMessageA(info.m_hWnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(30, SendDlgItemMessageA(info.m_hWnd, IDC_CREDITS, CB_GETITEMHEIGHT, 0, 0)) << "the credits rows";
    const auto icon = reinterpret_cast<HGDIOBJ>(SendMessageA(GetWindow(info.m_hWnd, GW_CHILD), STM_GETICON, 0, 0));
    EXPECT_EQ(MetricForDpi(SM_CXICON, 144), WidthOf(icon, true)) << "the icon";
}

// Size in pixels to bits a pixel: the classic images in 16 colours, every other size in 32 bits.
const std::map<int, int> kImagesOfEveryIcon = {
    { 16, 4 }, { 20, 32 }, { 24, 32 }, { 32, 4 }, { 40, 32 }, { 48, 32 }, { 64, 32 }, { 256, 32 },
};

TEST(IconFilesTest, EachIconHoldsTheClassicImagesAndOneForEverySizeWindowsAsksFor)
{
    for (const UINT icon : { IDI_VELMORA, IDI_STOPPED, IDI_MIXED, IDI_RUNNING, IDI_INFO }) {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(icon), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
        const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_TRUE(directory) << icon;
        // After a 6-byte head, 14 bytes an image: the width first (0 for 256), the bits a pixel at 6.
        std::map<int, int> images;
        for (const BYTE* entry = directory + 6; entry < directory + 6 + 14 * directory[4]; entry += 14)
            images[entry[0] ? entry[0] : 256] = entry[6];
        EXPECT_EQ(kImagesOfEveryIcon, images) << "icon " << icon;
    }
}

} // namespace
