#pragma once
#include "CString.h"
#include "Dialog.h"
#include "ServiceHandle.h"

// The main status window. For now it reads the settings and holds the service connection.
class CMonitorDlg : public CDialog {
public:
    explicit CMonitorDlg(CWnd* parent = nullptr);

    CString m_strOracleSrv;
    CString m_strOracleTns;
    int m_nParamStop = 0;
    int m_nParamStart = 0;
    int m_nParamEnde = 0;
    int m_nParamAsk = 0;
    int m_nParamMin = 0;
    CString m_strInfoText;
    ServiceHandle m_hSCManager;
};
