// The tray icon component and what it asks of the shell.
#include "FakeShell.h"
#include "SystemTray.h"
#include "resource.h"
#include <gtest/gtest.h>

namespace {

TEST(SystemTrayTest, EachCallCarriesOnlyItsOwnFlagsAndTheIconGoesWithTheObject)
{
    FakeShell shell;
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    const std::string longText(70, 'x');
    {
        CSystemTray never;
        RECT rect{};
        EXPECT_FALSE(never.SetIcon(nullptr) || never.GetIconRect(rect)) << "no icon before it was added";
        CSystemTray tray;
        ASSERT_TRUE(tray.Create(nullptr, WM_TRAY_CALLBACK, "Tip", icon, ID_TRAY_ICON));
        EXPECT_TRUE(tray.SetIcon(nullptr));
        EXPECT_TRUE(tray.SetTooltipText(longText.c_str()));
        EXPECT_TRUE(tray.AddIconAgain(nullptr));
        ASSERT_TRUE(IsWindow(shell.calls.at(0).second.hWnd)) << "a hidden window of its own receives the notifications";
        EXPECT_FALSE(IsWindowVisible(shell.calls.at(0).second.hWnd));
    }
    const std::tuple<DWORD, UINT, HICON, std::string> expected[] = {
        { NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon, "Tip" },
        { NIM_MODIFY, NIF_ICON, nullptr, "Tip" },
        { NIM_MODIFY, NIF_TIP, nullptr, longText.substr(0, 63) },
        { NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, nullptr, longText.substr(0, 63) },
        { NIM_DELETE, 0, nullptr, longText.substr(0, 63) },
    };
    ASSERT_EQ(std::size(expected), shell.calls.size());
    for (size_t i = 0; i < shell.calls.size(); ++i) {
        const auto& [command, data] = shell.calls[i];
        EXPECT_EQ(expected[i], std::make_tuple(command, data.uFlags, data.hIcon, std::string(data.szTip))) << i;
    }
    shell.calls.clear();
    shell.refuseAdd = true;
    {
        CSystemTray tray;
        EXPECT_FALSE(tray.Create(nullptr, WM_TRAY_CALLBACK, "Tip", nullptr, ID_TRAY_ICON));
        EXPECT_FALSE(tray.SetIcon(nullptr) || tray.AddIconAgain(nullptr)) << "after a refused add nothing more is asked";
    }
    EXPECT_EQ(1u, shell.calls.size());
}

} // namespace
