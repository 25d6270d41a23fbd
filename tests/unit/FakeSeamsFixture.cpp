#include "FakeSeamsFixture.h"
#include "Bitmap.h"
#include "Menu.h"
#include "RawSettings.h"
#include "RegistryKey.h"
#include "ServiceHandle.h"
#include "Settings.h"

namespace {

std::function<void()> g_whenModal;

void CALLBACK RunWhenModal(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    g_whenModal();
}

} // namespace

void FakeSeamsFixture::SetUp()
{
    RawSettings::DeleteBranch();
    m_app.SetRegistryKey(Settings::kCompany);
}

void FakeSeamsFixture::TearDown()
{
    EXPECT_EQ(0u, OpenHandles()) << "every service-manager handle is closed";
    EXPECT_EQ(0, RegistryKey::LiveCount()) << "and every settings key";
    EXPECT_EQ(0, HandleOwner<MenuTraits>::LiveCount()) << "and every menu";
    EXPECT_EQ(0, HandleOwner<GdiObjectTraits>::LiveCount()) << "and every bitmap";
    RawSettings::DeleteBranch();
}

size_t FakeSeamsFixture::OpenHandles() const
{
    EXPECT_EQ(static_cast<long>(m_scm.open.size()), ServiceHandle::LiveCount()) << "as the handle owners count";
    return m_scm.open.size();
}

std::string FakeSeamsFixture::Text(HWND dialog, int id)
{
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void FakeSeamsFixture::WhenModal(std::function<void()> action)
{
    g_whenModal = std::move(action);
    // A thread timer of user32's own: the seam's timers never fire.
    ::SetTimer(nullptr, 0, 0, &RunWhenModal);
}
