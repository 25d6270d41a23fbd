// The settings dialog against the real registry, with the service list scripted.
#include "InfoDlg.h"
#include "MonitorFixture.h"
#include "Settings.h"

namespace {

class InfoDlgTest : public MonitorFixture {
protected:
    void SetUp() override
    {
        MonitorFixture::SetUp();
        m_scm.Service("OracleServiceXE").displayName = "OracleServiceXE";
        m_scm.Service("OracleXETNSListener").displayName = "Oracle XE Listener";
        m_scm.Service("Spooler").displayName = "Druckwarteschlange";
    }
    void TearDown() override
    {
        if (m_info.m_hWnd)
            m_info.DestroyWindow();
        MonitorFixture::TearDown();
    }

    // Opens the dialog modeless, as a fresh run would: settings loaded, then created.
    CInfoDlg& Open()
    {
        m_info.LoadSettings();
        EXPECT_TRUE(m_info.Create(CInfoDlg::IDD));
        return m_info;
    }
    HWND Item(int id) const { return GetDlgItem(m_info.m_hWnd, id); }
    std::string Text(int id) const
    {
        char text[512] = "";
        GetWindowTextA(Item(id), text, sizeof(text));
        return text;
    }
    bool Ticked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(int id) { SendMessageA(m_info.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id))); }
    void Notify(int id, WORD code) { SendMessageA(m_info.m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id))); }
    std::vector<std::string> ListOf(int id) const
    {
        std::vector<std::string> rows;
        const int count = static_cast<int>(SendMessageA(Item(id), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char row[256] = "";
            SendMessageA(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row));
            rows.push_back(row);
        }
        return rows;
    }
    std::string Stored(const char* entry) const { return std::string(m_app.GetProfileString(Settings::kSection, entry, "<none>")); }
    int StoredNumber(const char* entry) const { return static_cast<int>(m_app.GetProfileInt(Settings::kSection, entry, -1)); }

    CInfoDlg m_info;
};

TEST_F(InfoDlgTest, OpensWithTheStoredSettingsAndTheServicesByDisplayName)
{
    WriteText(Settings::kOracleSrv, "OracleServiceXE");
    WriteText(Settings::kOracleTns, "Oracle XE Listener");
    WriteNumber(Settings::kParamStart, 1);
    WriteNumber(Settings::kParamEnde, 1);
    Open();
    EXPECT_EQ("OracleServiceXE", Text(1012));
    EXPECT_EQ("Oracle XE Listener", Text(1004));
    EXPECT_TRUE(Ticked(1006));
    EXPECT_TRUE(Ticked(1009));
    EXPECT_FALSE(Ticked(1007));
    EXPECT_FALSE(Ticked(1014));
    EXPECT_FALSE(IsWindowEnabled(Item(1015))) << "no alternative text stored";
    EXPECT_EQ("OracleServiceXE", Text(1015)) << "the edit shows what the tooltip shows";
    const std::vector<std::string> sorted = { "Druckwarteschlange", "Oracle XE Listener", "OracleServiceXE" };
    EXPECT_EQ(sorted, ListOf(1012));
    EXPECT_EQ(sorted, ListOf(1004));
    EXPECT_EQ(3, m_info.m_nServiceCount);
    EXPECT_EQ(0, m_scm.openHandles) << "the enumeration's connection is closed";
}

TEST_F(InfoDlgTest, AStoredAlternativeTextTicksTheBoxAndEnablesTheEdit)
{
    WriteText(Settings::kInfoText, "   ");
    Open();
    EXPECT_TRUE(Ticked(1014));
    EXPECT_TRUE(IsWindowEnabled(Item(1015)));
    EXPECT_EQ("   ", Text(1015));
}

TEST_F(InfoDlgTest, CreditsComeFromTheInitDataAndTheHeadingStaysCurrent)
{
    Open();
    const std::vector<std::string> rows = ListOf(1011);
    ASSERT_EQ(7u, rows.size());
    EXPECT_EQ("Danke an", rows[0]);
    EXPECT_EQ("  für das Testen", rows[2]);
    EXPECT_EQ("  für Codebeispiele", rows[4]);
    EXPECT_EQ("- alle anderen ", rows[5]);
    EXPECT_EQ("  für die Benutzung des Programms", rows[6]);
    EXPECT_EQ(0, SendMessageA(Item(1011), CB_GETCURSEL, 0, 0));
    SendMessageA(Item(1011), CB_SETCURSEL, 4, 0);
    Notify(1011, CBN_SELCHANGE);
    EXPECT_EQ(0, SendMessageA(Item(1011), CB_GETCURSEL, 0, 0));
}

TEST_F(InfoDlgTest, OkWritesTheEightSettings)
{
    WriteText(Settings::kOracleSrv, "OracleServiceXE");
    WriteNumber(Settings::kParamStop, 5);
    WriteNumber(Settings::kParamMin, 2);
    WriteNumber(Settings::kParamAsk, 1);
    Open();
    EXPECT_FALSE(Ticked(1007)) << "5 is no switch value";
    EXPECT_FALSE(Ticked(1008)) << "2 is shown clear";
    SetWindowTextA(Item(1004), "Oracle XE Listener");
    SendMessageA(Item(1006), BM_SETCHECK, BST_CHECKED, 0);
    Click(IDOK);
    EXPECT_EQ(IDOK, m_info.m_nModalResult);
    EXPECT_EQ("OracleServiceXE", Stored(Settings::kOracleSrv));
    EXPECT_EQ("Oracle XE Listener", Stored(Settings::kOracleTns));
    EXPECT_EQ(0, StoredNumber(Settings::kParamStop));
    EXPECT_EQ(1, StoredNumber(Settings::kParamStart));
    EXPECT_EQ(0, StoredNumber(Settings::kParamEnde));
    EXPECT_EQ(1, StoredNumber(Settings::kParamAsk));
    EXPECT_EQ(0, StoredNumber(Settings::kParamMin));
    EXPECT_EQ("", Stored(Settings::kInfoText)) << "box off: the empty text";
}

TEST_F(InfoDlgTest, AnEmptyAlternativeTextIsRefusedUntilTheBoxIsOff)
{
    WriteText(Settings::kInfoText, "Meine Datenbank");
    Open();
    SetWindowTextA(Item(1015), "");
    Click(IDOK);
    ASSERT_EQ(1u, m_ui.questions.size());
    EXPECT_EQ("Es muss ein alternativer Text für den Infobereich eingegeben werden!", m_ui.questions[0].text);
    EXPECT_EQ("Velmora", m_ui.questions[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), m_ui.questions[0].type);
    EXPECT_EQ(m_info.m_hWnd, m_ui.questions[0].owner);
    EXPECT_EQ(-1, m_info.m_nModalResult) << "stays open";
    EXPECT_EQ("<none>", Stored(Settings::kOracleSrv)) << "nothing written";

    SetWindowTextA(Item(1015), "Text bleibt stehen");
    SendMessageA(Item(1014), BM_SETCHECK, BST_UNCHECKED, 0);
    Click(1014);
    EXPECT_FALSE(IsWindowEnabled(Item(1015)));
    Click(IDOK);
    EXPECT_EQ(IDOK, m_info.m_nModalResult);
    EXPECT_EQ("", Stored(Settings::kInfoText));
}

TEST_F(InfoDlgTest, PickingADatabaseServiceFillsTheAlternativeText)
{
    WriteText(Settings::kInfoText, "Alt");
    Open();
    SendMessageA(Item(1012), CB_SETCURSEL, 0, 0);
    Notify(1012, CBN_SELCHANGE);
    EXPECT_EQ("Druckwarteschlange", Text(1015));
    Click(IDOK);
    EXPECT_EQ("Druckwarteschlange", Stored(Settings::kOracleSrv));
    EXPECT_EQ("Druckwarteschlange", Stored(Settings::kInfoText));
}

TEST_F(InfoDlgTest, TypingRefillsTheDatabaseListOnceAndKeepsTheCaret)
{
    Open();
    const std::vector<std::string> all = ListOf(1012);
    const char* typed[] = { "O", "Or", "OR", "Ora", "Orac" };
    for (const char* text : typed) {
        SetWindowTextA(Item(1012), text);
        SendMessageA(Item(1012), CB_SETEDITSEL, 0, MAKELPARAM(2, 2));
        Notify(1012, CBN_EDITCHANGE);
        EXPECT_EQ(text, Text(1012)) << "the typed text is kept";
        EXPECT_EQ(all, ListOf(1012)) << text;
        EXPECT_EQ(all, ListOf(1004)) << text;
    }
    EXPECT_EQ("Orac", Text(1015));
    const DWORD selection = static_cast<DWORD>(SendMessageA(Item(1012), CB_GETEDITSEL, 0, 0));
    EXPECT_EQ(2u, LOWORD(selection));
    EXPECT_EQ(2u, HIWORD(selection));
}

TEST_F(InfoDlgTest, ALetterCaseChangeOnlyChangesNothing)
{
    WriteText(Settings::kOracleSrv, "oracleservicexe");
    WriteText(Settings::kInfoText, "Alt");
    Open();
    const int calls = static_cast<int>(m_scm.calls.size());
    SetWindowTextA(Item(1012), "ORACLESERVICEXE");
    Notify(1012, CBN_EDITCHANGE);
    EXPECT_EQ("Alt", Text(1015));
    EXPECT_EQ(calls, static_cast<int>(m_scm.calls.size()));
}

TEST_F(InfoDlgTest, AnEnumerationThatReportsMoreDataAgainListsWhatItReturned)
{
    m_scm.servicesAddedAfterProbe = 2;
    Open();
    EXPECT_EQ(3u, ListOf(1012).size());
}

TEST_F(InfoDlgTest, AStoredNameNotInTheListIsKeptAndWrittenBack)
{
    WriteText(Settings::kOracleSrv, "Oracle\\Dienst mit Blanks");
    WriteText(Settings::kOracleTns, "Oracle");
    Open();
    EXPECT_EQ("Oracle\\Dienst mit Blanks", Text(1012));
    EXPECT_EQ("Oracle", Text(1004)) << "the lists were still empty when the members were first shown";
    Click(IDOK);
    EXPECT_EQ("Oracle\\Dienst mit Blanks", Stored(Settings::kOracleSrv));
    EXPECT_EQ("Oracle", Stored(Settings::kOracleTns));
}

TEST_F(InfoDlgTest, DrawingRowMinusOneDrawsOnlyTheBackground)
{
    Open();
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = 1011;
    item.itemID = static_cast<UINT>(-1);
    item.hwndItem = Item(1011);
    // A memory surface: what was drawn can be read back whether the dialog is on screen or not.
    const HDC screen = GetDC(nullptr);
    item.hDC = CreateCompatibleDC(screen);
    const HBITMAP surface = CreateCompatibleBitmap(screen, 50, 12);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(item.hDC, surface);
    item.rcItem = { 0, 0, 50, 12 };
    EXPECT_EQ(TRUE, SendMessageA(m_info.m_hWnd, WM_DRAWITEM, 1011, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(item.hDC, 5, 5));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(item.hDC, 45, 10));
    SelectObject(item.hDC, previous);
    DeleteObject(surface);
    DeleteDC(item.hDC);
}

// The modal runs below act from inside the dialog's loop, through a timer of this thread.
CInfoDlg* g_running = nullptr;
std::vector<INT_PTR> g_results;

void CALLBACK TryAgainThenCancel(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    g_running->LoadSettings();
    g_results.push_back(g_running->DoModal());
    g_running->Cancel();
}

TEST_F(InfoDlgTest, ASecondOpeningFocusesTheOpenDialogAndKeepsTheUsersEntries)
{
    WriteText(Settings::kOracleSrv, "Alt");
    m_info.LoadSettings();
    m_info.m_strOracleSrv = "vom Benutzer";
    m_info.m_nServiceCount = 3;
    g_running = &m_info;
    g_results.clear();
    SetTimer(nullptr, 0, 0, &TryAgainThenCancel);
    EXPECT_EQ(IDCANCEL, m_info.DoModal());
    ASSERT_EQ(1u, g_results.size());
    EXPECT_EQ(-1, g_results[0]);
    EXPECT_EQ("vom Benutzer", std::string(m_info.m_strOracleSrv)) << "not replaced while open";
    EXPECT_EQ(0, m_info.m_bModalActive);
    EXPECT_EQ("Alt", Stored(Settings::kOracleSrv));
}

} // namespace
