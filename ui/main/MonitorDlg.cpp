#include "MonitorDlg.h"
#include "DataExchange.h"
#include "Dpi.h"
#include "PaintDC.h"
#include "ServiceManager.h"
#include "Settings.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CMonitorDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CONTEXTMENU()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(WM_TRAY_CALLBACK, OnTrayIconMessage)
    ON_REGISTERED_MESSAGE(WM_TASKBARCREATED, OnTaskbarCreated)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_BN_CLICKED(IDC_START, StartDatabase)
    ON_BN_CLICKED(IDC_STOP, StopDatabase)
    ON_COMMAND(ID_TRAY_START, StartDatabase)
    ON_COMMAND(ID_TRAY_STOP, StopDatabase)
    ON_COMMAND(ID_TRAY_RESTORE, RestoreWindow)
    ON_COMMAND(ID_TRAY_CLOSE, OnCancel)
    ON_COMMAND(ID_TRAY_INFO, ShowInfoDialog)
END_MESSAGE_MAP()

CMonitorDlg::CMonitorDlg(CWnd* parent) : CDialog(IDD, parent)
{
    // cppcheck-suppress useInitializationList ; the steps of the construction keep their order
    m_hIcon = AfxGetApp()->LoadIcon(IDI_VELMORA);
    m_hSCManager = ServiceManager::OpenWindowConnection();
    m_menuTray.LoadMenu(IDR_TRAY_MENU);
    m_pTrayPopup = m_menuTray.GetSubMenu(0);
    // What a double-click on the icon does, shown in bold.
    if (m_pTrayPopup)
        m_pTrayPopup->SetDefaultItem(ID_TRAY_RESTORE);
    SetMenuImages(DpiOfWindow(nullptr));
}

CMonitorDlg::~CMonitorDlg()
{
    m_hSCManager.reset();
    m_pTrayPopup = nullptr;
    m_menuTray.DestroyMenu();
}

void CMonitorDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Text(exchange, IDC_ORACLE_STATE, m_strOracleState);
    DDX_Text(exchange, IDC_ORACLE_NAME, m_strOracleName);
    DDX_Text(exchange, IDC_TNS_STATE, m_strTnsState);
    DDX_Text(exchange, IDC_TNS_NAME, m_strTnsName);
    DDX_Control(exchange, IDC_START, m_btnStart);
    DDX_Control(exchange, IDC_STOP, m_btnStop);
    if (exchange->m_bSaveAndValidate)
        return;
    AnnounceStateLine(IDC_ORACLE_STATE, m_strOracleState, m_strOracleAnnounced);
    AnnounceStateLine(IDC_TNS_STATE, m_strTnsState, m_strTnsAnnounced);
}

BOOL CMonitorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString infoCommand;
    infoCommand.LoadString(IDS_INFO_COMMAND);
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu && !infoCommand.IsEmpty()) {
        systemMenu->AppendMenu(MF_SEPARATOR, 0, nullptr);
        systemMenu->AppendMenu(MF_STRING, IDM_INFO_COMMAND, infoCommand);
    }
    // The caption's and the taskbar's icons were set at the window's scale when it was created.
    ScalePicture(DpiOfWindow(m_hWnd));
    m_liveStateLines.Mark(GetDlgItem(IDC_ORACLE_STATE));
    m_liveStateLines.Mark(GetDlgItem(IDC_TNS_STATE));
    SetTimer(TIMER_STARTUP, 10, nullptr);
    return TRUE;
}

void CMonitorDlg::OnOK()
{
    // OK never ends the program: it puts the window into the tray.
    WINDOWPLACEMENT placement{};
    GetWindowPlacement(&placement);
    placement.showCmd = SW_MINIMIZE;
    SetWindowPlacement(&placement);
}

void CMonitorDlg::OnCancel()
{
    if (m_bExitConfirmed) {
        // Closed as if cancelled: an exit never stores half-made settings.
        if (::IsWindow(m_infoDlg.m_hWnd))
            m_infoDlg.Cancel();
        CDialog::OnCancel();
        return;
    }
    if (ReadSetting(Settings::kParamEnde) == 1)
        m_bStopOnExit = TRUE;
    RequestExit();
}

void CMonitorDlg::RequestExit()
{
    if (m_bExitConfirmed) {
        OnCancel();
        return;
    }
    if (ReadSetting(Settings::kParamAsk) == 1 && !Ask("Wollen Sie das Programm wirklich beenden?")) {
        m_bStopOnExit = FALSE;
        m_bExitConfirmed = FALSE;
        return;
    }
    m_bExitConfirmed = TRUE;
    if (ReadSetting(Settings::kParamEnde) == 1) {
        // The refresh ends the program once the stop has come to rest.
        StopDatabase();
        return;
    }
    OnCancel();
}

// Refreshes and commands run on in a question's modal loop: start and stop, the offer of a grant
// and the failed-stop question hold back until it is answered. One asked inside another leaves
// the outer one marked open.
bool CMonitorDlg::Ask(const char* question)
{
    const BOOL outer = m_bQuestionOpen;
    m_bQuestionOpen = TRUE;
    const bool yes = MessageBox(question, "Velmora", MB_YESNO) == IDYES;
    m_bQuestionOpen = outer;
    return yes;
}

void CMonitorDlg::OnSysCommand(UINT id, LPARAM)
{
    if ((id & 0xFFF0) == IDM_INFO_COMMAND)
        ShowInfoDialog();
    else
        Default();
}

void CMonitorDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CMonitorDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CMonitorDlg::OnContextMenu(CWnd*, CPoint)
{
    // Handled without a menu, so that not even the caption's default menu appears.
}

void CMonitorDlg::OnDestroy()
{
    m_liveStateLines.Clear();
    Default();
}

ServiceView CMonitorDlg::Database()
{
    return { KIND_ORACLE, m_strOracleSrv, m_strOracleState, m_strOracleName, m_hOracleQuery,
             m_hOracleStart, m_hOracleStop, m_nOracleDots, m_nOracleRequest, m_nOracleSummary };
}

ServiceView CMonitorDlg::Listener()
{
    return { KIND_TNS, m_strOracleTns, m_strTnsState, m_strTnsName, m_hTnsQuery,
             m_hTnsStart, m_hTnsStop, m_nTnsDots, m_nTnsRequest, m_nTnsSummary };
}

void CMonitorDlg::ReadServiceNames()
{
    const CWinApp* app = AfxGetApp();
    m_strOracleSrv = app->GetProfileString(Settings::kSection, Settings::kOracleSrv, "");
    m_strOracleTns = app->GetProfileString(Settings::kSection, Settings::kOracleTns, "");
}

int CMonitorDlg::ReadSetting(const char* entry) const
{
    return static_cast<int>(AfxGetApp()->GetProfileInt(Settings::kSection, entry, 0));
}

bool CMonitorDlg::BeginServiceLines()
{
    ReadServiceNames();
    // A named service's lines keep their text until its new one is known, so that they never
    // flicker blank; an unnamed service's lines stand blank.
    for (ServiceView service : { Database(), Listener() }) {
        if (service.name.IsEmpty()) {
            service.stateLine.Empty();
            service.nameLine.Empty();
        }
    }
    if (!m_hSCManager) {
        m_strOracleState = "Service-Manager konnte nicht geöffnet werden!";
        m_strOracleName.Empty();
        m_strTnsState.Empty();
        m_strTnsName.Empty();
    }
    UpdateData(FALSE);
    return static_cast<bool>(m_hSCManager);
}
