// The tray icon component and what it asks of the shell.
#include "FakeShell.h"
#include "FakeUserInterface.h"
#include "SystemTray.h"
#include <gtest/gtest.h>

namespace {

TEST(SystemTrayTest, EachCallCarriesOnlyItsOwnFlagsAndTheIconGoesWithTheObject)
{
    FakeShell shell;
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    const std::string longText(70, 'x');
    {
        CSystemTray tray;
        ASSERT_TRUE(tray.Create(nullptr, WM_USER + 10, "Tip", icon, 104));
        EXPECT_TRUE(tray.SetIcon(nullptr));
        EXPECT_TRUE(tray.SetTooltipText(longText.c_str()));
        EXPECT_TRUE(tray.AddIconAgain());
        ASSERT_TRUE(IsWindow(shell.calls.at(0).window)) << "a hidden window of its own receives the notifications";
        EXPECT_FALSE(IsWindowVisible(shell.calls.at(0).window));
    }
    const struct {
        DWORD command;
        UINT flags;
        HICON icon;
        std::string tooltip;
    } expected[] = {
        { NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon, "Tip" },
        { NIM_MODIFY, NIF_ICON, nullptr, "Tip" },
        { NIM_MODIFY, NIF_TIP, nullptr, longText.substr(0, 63) },
        { NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP, nullptr, longText.substr(0, 63) },
        { NIM_DELETE, 0, nullptr, longText.substr(0, 63) },
    };
    ASSERT_EQ(std::size(expected), shell.calls.size());
    for (size_t i = 0; i < shell.calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].command, shell.calls[i].command);
        EXPECT_EQ(expected[i].flags, shell.calls[i].flags);
        EXPECT_EQ(expected[i].icon, shell.calls[i].icon);
        EXPECT_EQ(expected[i].tooltip, shell.calls[i].tooltip);
    }
}

TEST(SystemTrayTest, AfterARefusedAddNothingMoreIsAsked)
{
    FakeShell shell;
    shell.refuseAdd = true;
    {
        CSystemTray never;
        EXPECT_FALSE(never.SetIcon(nullptr)) << "no icon before it was added";
        CSystemTray tray;
        EXPECT_FALSE(tray.Create(nullptr, WM_USER + 10, "Tip", nullptr, 104));
        EXPECT_FALSE(tray.SetIcon(nullptr));
        EXPECT_FALSE(tray.AddIconAgain());
    }
    EXPECT_EQ(1u, shell.calls.size());
}

} // namespace
