#pragma once
#include "Bitmap.h"
#include "CString.h"
#include "Controls.h"
#include "Dialog.h"
#include "Icon.h"
#include "InfoDlg.h"
#include "LiveRegions.h"
#include "Menu.h"
#include "ServiceHandle.h"
#include "ServiceView.h"
#include "SystemTray.h"
#include "resource.h"
#include <array>
#include <vector>

struct WatchedPair;

// The program's only top-level window: the state of both services, their start and stop, the
// exit path, the timers and the tray icon.
class CMonitorDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_MONITOR };
    enum : UINT { TIMER_STARTUP = 1044, TIMER_MINIMIZE = 1054, TIMER_REFRESH = 1064 };

    explicit CMonitorDlg(CWnd* parent = nullptr);
    ~CMonitorDlg() override;

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void RequestExit();

    // Service status (StatusRefresh.cpp) and control (DatabaseControl.cpp).
    void RefreshStatus();
    CString GetStatusText(SERVICE_STATUS status, int kind) const;
    void StartDatabase();
    void StopDatabase();

    // Timers (MonitorTimers.cpp).
    void OnTimer(UINT timerId);

    // Tray integration (TrayIntegration.cpp).
    int OnCreate(LPCREATESTRUCTA create);
    LRESULT OnTrayIconMessage(WPARAM iconId, LPARAM mouseMessage);
    void RestoreWindow();
    void MinimizeWindow();
    void OnSize(UINT type, int width, int height);
    void OnShowWindow(BOOL show, UINT status);
    void ShowInfoDialog();
    CString GetTooltipText() const;
    LRESULT OnTaskbarCreated(WPARAM, LPARAM);
    static const UINT WM_TASKBARCREATED;

    // Display scale (DisplayScale.cpp).
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggestedRect);
    // The tray's image of that icon at the small-icon size of the window's scale.
    HICON TrayIcon(UINT iconId) const;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnContextMenu(CWnd* window, CPoint point);
    void OnDestroy();

    CString m_strOracleState;
    CString m_strOracleName;
    CString m_strTnsState;
    CString m_strTnsName;
    CSystemTray m_tray;
    CInfoDlg m_infoDlg;
    CMenu m_menuTray;
    CMenu* m_pTrayPopup = nullptr;
    CButton m_btnStart;
    CButton m_btnStop;
    BOOL m_bWasActive = FALSE;
    BOOL m_bExitConfirmed = FALSE;
    BOOL m_bStopOnExit = FALSE;
    HICON m_hIcon = nullptr;
    CString m_strOracleSrv;
    CString m_strOracleTns;
    ServiceHandle m_hSCManager;
    ServiceHandle m_hOracleQuery;
    ServiceHandle m_hTnsQuery;
    ServiceHandle m_hOracleStart;
    ServiceHandle m_hTnsStart;
    ServiceHandle m_hOracleStop;
    ServiceHandle m_hTnsStop;
    int m_nOracleDots = 0;
    int m_nTnsDots = 0;
    int m_nOracleRequest = REQUEST_NONE;
    int m_nTnsRequest = REQUEST_NONE;
    BOOL m_bAutoStart = FALSE;
    int m_nOracleSummary = SUMMARY_OTHER;
    int m_nTnsSummary = SUMMARY_OTHER;
    CBitmap m_bmpRestore;
    CBitmap m_bmpClose;
    CBitmap m_bmpStop;
    CBitmap m_bmpStart;
    BOOL m_bQuestionOpen = FALSE; // one of the window's questions, or a grant offered, waits for its end
    // Each drawn for the window's display scale and drawn anew when it changes.
    CIcon m_iconSmall;
    CIcon m_iconBig;
    std::array<CIcon, 4> m_trayIcons;
    UINT m_nTrayIconId = IDI_VELMORA;
    CBitmap m_bmpPicture;
    // What the state lines last announced to a screen reader, without their progress dots.
    CString m_strOracleAnnounced;
    CString m_strTnsAnnounced;
    LiveRegions m_liveStateLines;

private:
    ServiceView Database();
    ServiceView Listener();
    void ReadServiceNames();
    // What every refresh, start and stop begins with; false when there is no connection.
    bool BeginServiceLines();
    // One service's step of the refresh; returns the state it found, or -1.
    int RefreshService(ServiceView service, bool& foundActive);
    WatchedPair WatchedServices();
    void CheckFailedStop(int databaseState);
    void EnableDatabaseCommands(bool start, bool stop);
    void ShowStateIcon(UINT iconId);
    void SendToBoth(int request);
    // Sends the request to one service; returns whether its open was refused for lack of rights.
    bool Send(ServiceView& service, int request);
    void OfferGrant(int request, const std::vector<ServiceView>& refused);
    // A Yes/No question of the window; true on Yes.
    bool Ask(const char* question);
    int ReadSetting(const char* entry) const;
    void RunStartupTick();
    void ScaleIcons(UINT dpi);
    void SetMenuImages(UINT dpi);
    void ScalePicture(UINT dpi);
    void AnnounceStateLine(int id, const CString& line, CString& announced);
    // Where the tray menu opens: at the pointer, or at the icon when the pointer is elsewhere, as
    // when the menu was opened from the keyboard.
    POINT TrayMenuPosition(bool& fromKeyboard);
};
