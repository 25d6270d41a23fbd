// Our stand-in for the application framework, where its mistakes would be the program's.
#include "FakeSeamsFixture.h"
#include "Bitmap.h"
#include "InfoDlg.h"
#include "MonitorApp.h"
#include "RawSettings.h"
#include <stdexcept>

namespace {

class CThrowingWnd : public CWnd {
public:
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("kaputt"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_MESSAGE(WM_USER, OnThrow)
END_MESSAGE_MAP()

using FrameworkTest = FakeSeamsFixture;

TEST_F(FrameworkTest, AnExceptionStopsAtTheWindowProcedureAndSaysWhatItWas)
{
    CThrowingWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(0, window.SendMessage(WM_USER));
    ASSERT_EQ(1u, m_ui.swallowed.size());
    EXPECT_NE(std::string::npos, m_ui.swallowed[0].find("kaputt")) << m_ui.swallowed[0];
    m_ui.swallowed.clear();
}

TEST_F(FrameworkTest, AControlLetsGoOfItsWindowWithTheObjectOrTheDialog)
{
    const HWND window = CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    {
        CButton button;
        button.Attach(window);
        ASSERT_EQ(&button, CWnd::FromHandlePermanent(window));
    }
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window)) << "the object that went no longer maps the window";
    DestroyWindow(window);
    CInfoDlg dialog;
    ASSERT_TRUE(dialog.Create(CInfoDlg::IDD));
    ASSERT_NE(nullptr, dialog.m_cbCredits.m_hWnd);
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_cbCredits.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_cbOracleSrv.m_hWnd);
}

// The system's own modal loop would show the dialog again once its queue first runs empty.
TEST_F(FrameworkTest, ADialogMinimisedBeforeItsLoopFirstWaitsStaysMinimised)
{
    struct CMinimisedAtOnce : CDialog {
        CMinimisedAtOnce() : CDialog(IDD_INFO) {}
        BOOL OnInitDialog() override
        {
            ShowWindow(SW_MINIMIZE);
            return TRUE;
        }
    } dialog;
    bool minimised = false;
    WhenModal([&] {
        minimised = dialog.IsIconic() != FALSE;
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(minimised);
    ASSERT_TRUE(dialog.Create(IDD_INFO));
    EXPECT_EQ(-1, dialog.m_nModalResult) << "made again, it has not been ended";
    dialog.DestroyWindow();
    EXPECT_EQ(-1, CDialog(IDD_INFO + 1000).DoModal()) << "no such template";
}

// The settings' branch is named after the program's file, so a copy under another name keeps its own.
TEST(ApplicationTest, IsNamedAfterItsExecutable)
{
    const CWinApp app;
    EXPECT_EQ(CString("velmora-unit-tests"), app.m_pszAppName);
}

// A menu image in one bit, as high contrast wants it: the drawing's white stays white, all else
// turns black, pixel for pixel.
TEST(BitmapTest, AMonochromeMenuImageKeepsTheDrawingsShape)
{
    CBitmap image;
    ASSERT_TRUE(image.LoadMonochrome(IDB_CLOSE, 14));
    const HBITMAP drawing = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CLOSE));
    const HDC dc = CreateCompatibleDC(nullptr);
    std::string shapes[2];
    for (const HBITMAP bitmap : { drawing, image.GetSafeHandle() }) {
        const HGDIOBJ before = SelectObject(dc, bitmap);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 14; ++x)
                shapes[bitmap != drawing] += GetPixel(dc, x, y) == RGB(255, 255, 255) ? '.' : '#';
        SelectObject(dc, before);
    }
    DeleteDC(dc);
    DeleteObject(drawing);
    EXPECT_EQ(shapes[0], shapes[1]);
    EXPECT_NE(std::string::npos, shapes[1].find('#')) << "the cross is drawn";
}

TEST_F(FrameworkTest, TheProgramRunsItsWindowUntilItEnds)
{
    CMonitorApp app("Velmora");
    bool running = false;
    WhenModal([&] {
        running = AfxGetMainWnd() && IsWindow(AfxGetMainWnd()->m_hWnd);
        AfxGetMainWnd()->PostMessage(WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(app.InitInstance()) << "there is no message loop of the application's own";
    EXPECT_TRUE(running);
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_TRUE(app.WriteProfileInt("Config", "ParamMin", 1));
    EXPECT_EQ(RawSettings::Number(1), RawSettings::Read("ParamMin")) << "the settings live in the company's branch";
}

} // namespace
