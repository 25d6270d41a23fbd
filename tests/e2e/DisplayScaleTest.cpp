// The real program at 100 % and at 150 % display scale, as the prefix's LogPixels sets it for
// every program started afterwards.
#include "ProgramTest.h"

namespace {

struct Sizes {
    int windowWidth, pictureWidth, creditsRowHeight;
};

class DisplayScaleTest : public ProgramTest {
protected:
    void TearDown() override
    {
        SetDpi(96);
        ProgramTest::TearDown();
    }
    static void SetDpi(DWORD dpi)
    {
        for (const auto& [root, key] : { std::pair{ HKEY_CURRENT_USER, "Control Panel\\Desktop" },
                                         std::pair{ HKEY_CURRENT_CONFIG, "Software\\Fonts" } })
            RegSetKeyValueA(root, key, "LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    }
    Sizes MeasureAt(DWORD dpi)
    {
        SetDpi(dpi);
        if (!Launch())
            return {};
        RECT window{}, picture{};
        GetWindowRect(m_window, &window);
        GetClientRect(GetWindow(GetDlgItem(m_window, IDC_TNS_NAME), GW_HWNDNEXT), &picture);
        const HWND settings = OpenSettings();
        return { window.right - window.left, picture.right - picture.left,
                 static_cast<int>(driver::Send(GetDlgItem(settings, IDC_CREDITS), CB_GETITEMHEIGHT, 0)) };
    }
};

TEST_F(DisplayScaleTest, AtOneAndAHalfTimesTheScaleTheWindowItsPictureAndTheCreditsRowsGrowAsMuch)
{
    AddServices("", "");
    RawSettings::Store("ParamMin", RawSettings::Number(2)); // never minimised: measured as shown
    const Sizes normal = MeasureAt(96);
    const Sizes large = MeasureAt(144);
    EXPECT_GE(large.windowWidth * 10, normal.windowWidth * 14) << normal.windowWidth << " -> " << large.windowWidth;
    EXPECT_GE(large.pictureWidth * 10, normal.pictureWidth * 14) << normal.pictureWidth << " -> " << large.pictureWidth;
    EXPECT_GE(large.creditsRowHeight * 10, normal.creditsRowHeight * 14)
        << normal.creditsRowHeight << " -> " << large.creditsRowHeight;
}

} // namespace
