// The tray icon component and what it asks of the shell.
#include "FakeShell.h"
#include "SystemTray.h"
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr UINT kCallback = WM_USER + 10;
constexpr UINT kIconId = 104;

HICON SomeIcon()
{
    return LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
}

TEST(SystemTrayTest, CreateAddsOneIconWithAllThreeFlagsThroughItsHiddenWindow)
{
    FakeShell shell;
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(nullptr, kCallback, "Tip", SomeIcon(), kIconId));
    ASSERT_EQ(1u, shell.calls.size());
    const ShellCall& add = shell.calls[0];
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), add.command);
    EXPECT_EQ(88u, add.size);
    EXPECT_EQ(7u, add.flags);
    EXPECT_EQ(kIconId, add.iconId);
    EXPECT_EQ(kCallback, add.callbackMessage);
    EXPECT_EQ(SomeIcon(), add.icon);
    EXPECT_EQ("Tip", add.tooltip);
    ASSERT_TRUE(IsWindow(add.window));
    EXPECT_EQ(tray.m_hWnd, add.window);
    EXPECT_FALSE(IsWindowVisible(add.window));
    EXPECT_EQ(static_cast<LONG>(WS_POPUP), GetWindowLongA(add.window, GWL_STYLE) & ~WS_CLIPSIBLINGS);
    RECT size{};
    GetWindowRect(add.window, &size);
    EXPECT_EQ(10, size.right - size.left);
    EXPECT_EQ(10, size.bottom - size.top);
}

TEST(SystemTrayTest, NotificationsGoToTheGivenWindow)
{
    FakeShell shell;
    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    CSystemTray tray;
    ASSERT_TRUE(tray.Create(&owner, kCallback, "Tip", SomeIcon(), kIconId));
    EXPECT_EQ(owner.m_hWnd, shell.calls.at(0).window);
}

TEST(SystemTrayTest, ModifyAndDeleteCarryOnlyTheirOwnFlags)
{
    FakeShell shell;
    {
        CSystemTray tray;
        tray.Create(nullptr, kCallback, "Tip", SomeIcon(), kIconId);
        EXPECT_TRUE(tray.SetIcon(nullptr));
        EXPECT_TRUE(tray.SetTooltipText("Neu"));
        shell.refuseModify = true;
        EXPECT_FALSE(tray.SetTooltipText("Abgelehnt"));
        EXPECT_TRUE(tray.IsKindOf(RUNTIME_CLASS(CWnd)));
        EXPECT_STREQ("CSystemTray", tray.GetRuntimeClass()->m_lpszClassName);
    }
    ASSERT_EQ(5u, shell.calls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), shell.calls[1].command);
    EXPECT_EQ(static_cast<UINT>(NIF_ICON), shell.calls[1].flags);
    EXPECT_EQ(static_cast<UINT>(NIF_TIP), shell.calls[2].flags);
    EXPECT_EQ("Neu", shell.calls[2].tooltip);
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), shell.calls[4].command) << "the destructor removes the icon";
    EXPECT_EQ(0u, shell.calls[4].flags);
    EXPECT_EQ(shell.calls[0].window, shell.calls[4].window);
    EXPECT_EQ(kIconId, shell.calls[4].iconId);
}

TEST(SystemTrayTest, NoShellCallBeforeCreateOrAfterARefusedAdd)
{
    FakeShell shell;
    {
        CSystemTray tray;
        EXPECT_FALSE(tray.SetIcon(SomeIcon()));
        EXPECT_FALSE(tray.SetTooltipText("x"));
        tray.RemoveIcon();
    }
    EXPECT_TRUE(shell.calls.empty());

    shell.refuseAdd = true;
    {
        CSystemTray tray;
        EXPECT_FALSE(tray.Create(nullptr, kCallback, "Tip", SomeIcon(), kIconId));
        EXPECT_FALSE(tray.SetIcon(SomeIcon()));
        EXPECT_FALSE(tray.SetTooltipText("x"));
    }
    EXPECT_EQ(1u, shell.calls.size()) << "only the refused add";
}

TEST(SystemTrayTest, ASecondRemoveDoesNothing)
{
    FakeShell shell;
    {
        CSystemTray tray;
        tray.Create(nullptr, kCallback, "Tip", SomeIcon(), kIconId);
        tray.RemoveIcon();
        tray.RemoveIcon();
        EXPECT_FALSE(tray.SetIcon(SomeIcon()));
    }
    EXPECT_EQ(2u, shell.calls.size());
}

TEST(SystemTrayTest, TooltipsUpTo63CharactersAreWholeAndLongerOnesAreCut)
{
    FakeShell shell;
    const std::string exact(63, 'a');
    const std::string tooLong = std::string(63, 'b') + std::string(137, 'c');
    CSystemTray tray;
    tray.Create(nullptr, kCallback, exact.c_str(), SomeIcon(), kIconId);
    tray.SetTooltipText(tooLong.c_str());
    tray.SetTooltipText("");
    EXPECT_EQ(exact, shell.calls.at(0).tooltip);
    EXPECT_EQ(std::string(63, 'b'), shell.calls.at(1).tooltip);
    EXPECT_EQ("", shell.calls.at(2).tooltip);
}

} // namespace
