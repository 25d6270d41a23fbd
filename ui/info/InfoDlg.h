#pragma once
#include "CString.h"
#include "Controls.h"
#include "CreditsComboBox.h"
#include "Dialog.h"
#include "Icon.h"
#include "resource.h"

// The info and settings dialog: the version, the eight settings, today's holidays and the credits.
class CInfoDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_INFO };

    CInfoDlg();
    ~CInfoDlg() override = default;

    void DoDataExchange(CDataExchange* exchange) override;
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void LoadSettings();
    void Cancel();
    void FillServiceLists();
    void EnableInfoTextEdit();
    void OnSelChangeCredits();
    void OnClickedInfoText();
    void OnSelChangeOracleSrv();
    void OnEditChangeOracleSrv();
    // The credits rows' height, at the dialog's display scale.
    LRESULT OnMeasureItem(WPARAM, LPARAM item);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM);

    int m_bParamStop = 0;
    int m_bParamStart = 0;
    int m_bParamEnde = 0;
    int m_bParamAsk = 0;
    int m_bParamMin = 0;
    int m_bModalActive = 0;
    CString m_strHolidays;
    int m_nServiceCount = 0;
    CButton m_btnOK;
    CComboBox m_cbOracleSrv;
    CEdit m_editInfoText;
    CCreditsComboBox m_cbCredits;
    CString m_strCredits;
    CString m_strOracleTns;
    CComboBox m_cbOracleTns;
    int m_bInfoText = 0;
    CString m_strInfoText;
    CString m_strOracleSrv;
    CIcon m_iconInfo; // the upper left icon, drawn for the dialog's display scale

private:
    void ShowIcon(UINT dpi);
    // Adds every service's display name to the database list, and to the listener list too.
    void AddServices(bool toListenerList);
    static void EndBatch(CComboBox& list);
};
