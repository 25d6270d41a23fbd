// The settings dialog against the real registry, with the service list scripted.
#include "FakeSeamsFixture.h"
#include "InfoDlg.h"
#include "RawSettings.h"

namespace {

class InfoDlgTest : public FakeSeamsFixture {
protected:
    void SetUp() override
    {
        FakeSeamsFixture::SetUp();
        m_scm.services["OracleServiceXE"].displayName = "OracleServiceXE";
        m_scm.services["OracleXETNSListener"].displayName = "Oracle XE Listener";
        m_scm.services["Spooler"].displayName = "Druckwarteschlange";
    }
    void TearDown() override
    {
        m_info.DestroyWindow();
        FakeSeamsFixture::TearDown();
    }
    // Opens the dialog modeless, as a fresh run would: settings loaded, then created.
    void Open()
    {
        m_info.LoadSettings();
        ASSERT_TRUE(m_info.Create(CInfoDlg::IDD));
    }
    HWND Item(int id) const { return GetDlgItem(m_info.m_hWnd, id); }
    std::string Text(int id) const { return FakeSeamsFixture::Text(m_info.m_hWnd, id); }
    bool Ticked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Notify(int id, WORD code) { SendMessageA(m_info.m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id))); }
    LRESULT Rows(int id) const { return SendMessageA(Item(id), CB_GETCOUNT, 0, 0); }

    CInfoDlg m_info;
};

TEST_F(InfoDlgTest, OpensWithTheStoredSettingsTheServicesTheHolidaysAndTheCredits)
{
    WriteText("OracleSrv", "OracleServiceXE");
    WriteText("OracleTns", "Oracle\\Dienst mit Blanks");
    WriteNumber("ParamMin", 1);
    WriteNumber("ParamEnde", 2);
    EXPECT_EQ(CString("OracleServiceXE"), CInfoDlg().m_strOracleSrv) << "read when the dialog is made";
    Open();
    EXPECT_EQ("OracleServiceXE", Text(IDC_SERVICE_SRV));
    EXPECT_EQ("Oracle\\Dienst mit Blanks", Text(IDC_SERVICE_TNS)) << "a name no service has is kept";
    EXPECT_TRUE(Ticked(IDC_PARAM_MIN));
    EXPECT_FALSE(Ticked(IDC_PARAM_ENDE)) << "2 is no switch value";
    EXPECT_FALSE(Ticked(IDC_PARAM_ASK)) << "the question before exit is off unless stored";
    EXPECT_FALSE(Ticked(IDC_INFO_TEXT_ON) || IsWindowEnabled(Item(IDC_INFO_TEXT))) << "no alternative text stored";
    EXPECT_EQ("OracleServiceXE", Text(IDC_INFO_TEXT)) << "the edit shows what the tooltip shows";
    char first[64] = "";
    SendMessageA(Item(IDC_SERVICE_TNS), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ("Druckwarteschlange", first) << "sorted by display name";
    EXPECT_EQ(3, Rows(IDC_SERVICE_SRV));
    EXPECT_EQ(3, Rows(IDC_SERVICE_TNS));
    EXPECT_EQ(0u, Text(IDC_HOLIDAYS).find("Feiertage am ")) << Text(IDC_HOLIDAYS);
    EXPECT_EQ("Danke an", Text(IDC_CREDITS));
    // A screen reader names a control without a text of its own after the static just before it.
    const std::pair<int, const char*> labels[] = { { IDC_INFO_TEXT, "Alternativer Text im Infobereich" },
                                                   { IDC_CREDITS, "Danksagungen" } };
    for (const auto& [id, label] : labels) {
        char text[64] = "";
        GetWindowTextA(GetWindow(Item(id), GW_HWNDPREV), text, sizeof(text));
        EXPECT_STREQ(label, text) << id;
        EXPECT_FALSE(IsWindowVisible(GetWindow(Item(id), GW_HWNDPREV))) << "and the layout stays";
    }
}

TEST_F(InfoDlgTest, OkWritesTheEightSettingsAsShown)
{
    WriteText("OracleSrv", "Oracle\\Dienst mit Blanks");
    WriteNumber("ParamStop", 5);
    WriteNumber("ParamAsk", 1);
    Open();
    SetWindowTextA(Item(IDC_SERVICE_TNS), "Oracle XE Listener");
    SendMessageA(Item(IDC_PARAM_START), BM_SETCHECK, BST_CHECKED, 0);
    Notify(IDOK, BN_CLICKED);
    EXPECT_EQ(RawSettings::Text("Oracle\\Dienst mit Blanks"), RawSettings::Read("OracleSrv"));
    EXPECT_EQ(RawSettings::Text("Oracle XE Listener"), RawSettings::Read("OracleTns"));
    const std::pair<const char*, DWORD> switches[] = { { "ParamStop", 0 }, { "ParamStart", 1 }, { "ParamEnde", 0 },
                                                       { "ParamAsk", 1 },  { "ParamMin", 0 } };
    for (const auto& [entry, value] : switches)
        EXPECT_EQ(RawSettings::Number(value), RawSettings::Read(entry)) << entry;
    EXPECT_EQ(RawSettings::Text(""), RawSettings::Read("InfoText")) << "box off: the empty text";
}

TEST_F(InfoDlgTest, AnEmptyAlternativeTextIsRefusedUntilTheBoxIsOff)
{
    WriteText("InfoText", "Meine Datenbank");
    Open();
    EXPECT_TRUE(IsWindowEnabled(Item(IDC_INFO_TEXT)));
    SetWindowTextA(Item(IDC_INFO_TEXT), "");
    Notify(IDOK, BN_CLICKED);
    EXPECT_EQ(std::vector<std::string>{ "Es muss ein alternativer Text für den Infobereich eingegeben werden!" },
              m_ui.questions);
    EXPECT_EQ(std::nullopt, RawSettings::Read("OracleSrv")) << "nothing written, the dialog stays";
    SendMessageA(Item(IDC_INFO_TEXT_ON), BM_SETCHECK, BST_UNCHECKED, 0);
    Notify(IDC_INFO_TEXT_ON, BN_CLICKED);
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_INFO_TEXT)));
    Notify(IDOK, BN_CLICKED);
    EXPECT_EQ(RawSettings::Text(""), RawSettings::Read("InfoText"));
}

TEST_F(InfoDlgTest, ChoosingOrTypingADatabaseServiceFillsTheAlternativeText)
{
    Open();
    SendMessageA(Item(IDC_SERVICE_SRV), CB_SETCURSEL, 0, 0);
    Notify(IDC_SERVICE_SRV, CBN_SELCHANGE);
    EXPECT_EQ("Druckwarteschlange", Text(IDC_INFO_TEXT));
    SetWindowTextA(Item(IDC_SERVICE_SRV), "Orac");
    SendMessageA(Item(IDC_SERVICE_SRV), CB_SETEDITSEL, 0, MAKELPARAM(2, 2));
    Notify(IDC_SERVICE_SRV, CBN_EDITCHANGE);
    EXPECT_EQ("Orac|Orac", Text(IDC_SERVICE_SRV) + "|" + Text(IDC_INFO_TEXT)) << "the typed text is kept";
    EXPECT_EQ(MAKELONG(2, 2), SendMessageA(Item(IDC_SERVICE_SRV), CB_GETEDITSEL, 0, 0)) << "and the caret";
    EXPECT_EQ(3, Rows(IDC_SERVICE_TNS)) << "each service once";
}

// The list's first row, "Danke an", drawn on the dialog's face colour, leaves some pixel in another.
TEST_F(InfoDlgTest, ACreditsRowIsDrawnByItsList)
{
    Open();
    DRAWITEMSTRUCT item{};
    const HDC screen = GetDC(nullptr);
    item.hDC = CreateCompatibleDC(screen);
    const HBITMAP canvas = CreateCompatibleBitmap(screen, 60, 16);
    ReleaseDC(nullptr, screen);
    SelectObject(item.hDC, canvas);
    item.rcItem = { 0, 0, 60, 16 };
    item.hwndItem = Item(IDC_CREDITS);
    item.CtlType = ODT_COMBOBOX;
    EXPECT_EQ(TRUE, SendMessageA(m_info.m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)));
    bool written = false;
    for (int x = 0; x < 60; ++x)
        written = written || GetPixel(item.hDC, x, 8) != GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(written) << "the row's text";
    DeleteDC(item.hDC);
    DeleteObject(canvas);
}

TEST_F(InfoDlgTest, ASecondOpeningKeepsTheUsersEntries)
{
    WriteText("OracleSrv", "Alt");
    m_info.LoadSettings();
    m_info.m_strOracleSrv = "vom Benutzer";
    INT_PTR second = 0;
    WhenModal([&] {
        m_info.LoadSettings();
        second = m_info.DoModal();
        m_info.Cancel();
    });
    EXPECT_EQ(IDCANCEL, m_info.DoModal());
    EXPECT_EQ(-1, second);
    EXPECT_EQ(CString("vom Benutzer"), m_info.m_strOracleSrv) << "not replaced while open";
    EXPECT_EQ(RawSettings::Text("Alt"), RawSettings::Read("OracleSrv"));
}

} // namespace
