#include "InfoDlg.h"
#include "DataExchange.h"
#include "Dpi.h"
#include "HolidayLine.h"
#include "ServiceManager.h"
#include "Settings.h"
#include "WinApp.h"

namespace {

constexpr const char* kCreditsHeading = "Danke an";
// The rows' height at 100 %, Windows' own for such a list at the dialog's font.
constexpr int kCreditsRowHeight = 20;

int CreditsRowHeight(UINT dpi)
{
    return MulDiv(kCreditsRowHeight, static_cast<int>(dpi), kDefaultDpi);
}

} // namespace

BEGIN_MESSAGE_MAP(CInfoDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_CREDITS, OnSelChangeCredits)
    ON_BN_CLICKED(IDC_INFO_TEXT_ON, OnClickedInfoText)
    ON_CBN_SELCHANGE(IDC_SERVICE_SRV, OnSelChangeOracleSrv)
    ON_CBN_EDITCHANGE(IDC_SERVICE_SRV, OnEditChangeOracleSrv)
    ON_MESSAGE(WM_MEASUREITEM, OnMeasureItem)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

CInfoDlg::CInfoDlg() : CDialog(IDD)
{
    LoadSettings();
}

void CInfoDlg::LoadSettings()
{
    // While the dialog is open its members stand for what the user is entering.
    if (m_bModalActive)
        return;
    using namespace Settings;
    const CWinApp* app = AfxGetApp();
    m_strHolidays = GetHolidayLine();
    m_strOracleSrv = app->GetProfileString(kSection, kOracleSrv, "");
    m_strOracleTns = app->GetProfileString(kSection, kOracleTns, "");
    m_bParamStop = static_cast<int>(app->GetProfileInt(kSection, kParamStop, 0));
    m_bParamStart = static_cast<int>(app->GetProfileInt(kSection, kParamStart, 0));
    m_bParamEnde = static_cast<int>(app->GetProfileInt(kSection, kParamEnde, 0));
    m_bParamAsk = static_cast<int>(app->GetProfileInt(kSection, kParamAsk, 0));
    m_bParamMin = static_cast<int>(app->GetProfileInt(kSection, kParamMin, 0));
    const CString infoText = app->GetProfileString(kSection, kInfoText, "");
    // The edit shows what the tooltip shows: the alternative text, else the database name.
    m_bInfoText = infoText.IsEmpty() ? 0 : 1;
    m_strInfoText = infoText.IsEmpty() ? m_strOracleSrv : infoText;
    m_strCredits = kCreditsHeading;
    m_nServiceCount = 0;
}

void CInfoDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDOK, m_btnOK);
    DDX_Control(exchange, IDC_SERVICE_SRV, m_cbOracleSrv);
    DDX_Control(exchange, IDC_INFO_TEXT, m_editInfoText);
    DDX_Control(exchange, IDC_CREDITS, m_cbCredits);
    DDX_Control(exchange, IDC_SERVICE_TNS, m_cbOracleTns);
    DDX_CBString(exchange, IDC_CREDITS, m_strCredits);
    DDX_CBString(exchange, IDC_SERVICE_TNS, m_strOracleTns);
    DDX_Check(exchange, IDC_INFO_TEXT_ON, m_bInfoText);
    DDX_Text(exchange, IDC_INFO_TEXT, m_strInfoText);
    DDX_CBString(exchange, IDC_SERVICE_SRV, m_strOracleSrv);
    DDX_Text(exchange, IDC_HOLIDAYS, m_strHolidays);
    DDX_Check(exchange, IDC_PARAM_STOP, m_bParamStop);
    DDX_Check(exchange, IDC_PARAM_START, m_bParamStart);
    DDX_Check(exchange, IDC_PARAM_ENDE, m_bParamEnde);
    DDX_Check(exchange, IDC_PARAM_ASK, m_bParamAsk);
    DDX_Check(exchange, IDC_PARAM_MIN, m_bParamMin);
}

INT_PTR CInfoDlg::DoModal()
{
    if (m_bModalActive) {
        SetFocus();
        return -1;
    }
    m_bModalActive = 1;
    const INT_PTR result = CDialog::DoModal();
    m_bModalActive = 0;
    return result;
}

BOOL CInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowIcon(DpiOfWindow(m_hWnd));
    FillServiceLists();
    EnableInfoTextEdit();
    return TRUE;
}

void CInfoDlg::Cancel()
{
    OnCancel();
}

void CInfoDlg::FillServiceLists()
{
    AddServices(true);
}

// Lists of many services are changed in one batch: redrawn after every change, they cost
// several times the enumeration itself.
void CInfoDlg::AddServices(bool toListenerList)
{
    const std::vector<CString> names = ServiceManager::EnumerateDisplayNames();
    m_cbOracleSrv.SetRedraw(FALSE);
    m_cbOracleTns.SetRedraw(FALSE);
    for (const CString& name : names) {
        m_cbOracleSrv.AddString(name);
        if (toListenerList)
            m_cbOracleTns.AddString(name);
        ++m_nServiceCount;
    }
    EndBatch(m_cbOracleSrv);
    EndBatch(m_cbOracleTns);
}

void CInfoDlg::EndBatch(CComboBox& list)
{
    list.SetRedraw(TRUE);
    list.Invalidate();
}

void CInfoDlg::EnableInfoTextEdit()
{
    m_editInfoText.EnableWindow(m_bInfoText == 1);
}

void CInfoDlg::OnSelChangeCredits()
{
    // The closed list always shows its heading.
    m_cbCredits.SetCurSel(0);
}

void CInfoDlg::OnClickedInfoText()
{
    UpdateData(TRUE);
    EnableInfoTextEdit();
}

void CInfoDlg::OnSelChangeOracleSrv()
{
    UpdateData(TRUE);
    const int selected = m_cbOracleSrv.GetCurSel();
    if (selected == CB_ERR)
        return;
    m_cbOracleSrv.GetLBText(selected, m_strOracleSrv);
    m_strInfoText = m_strOracleSrv;
    UpdateData(FALSE);
}

void CInfoDlg::OnEditChangeOracleSrv()
{
    const CString before = m_strOracleSrv;
    UpdateData(TRUE);
    if (m_strOracleSrv.CompareNoCase(before) == 0)
        return;
    m_strInfoText = m_strOracleSrv;
    // Emptied first, so that showing the members cannot complete the typed text from the list.
    m_cbOracleSrv.SetRedraw(FALSE);
    for (int i = 0; i < m_nServiceCount; ++i)
        m_cbOracleSrv.DeleteString(0);
    EndBatch(m_cbOracleSrv);
    const DWORD selection = m_cbOracleSrv.GetEditSel();
    UpdateData(FALSE);
    m_cbOracleSrv.SetEditSel(LOWORD(selection), HIWORD(selection));
    m_nServiceCount = 0;
    AddServices(false);
}

void CInfoDlg::OnOK()
{
    UpdateData(TRUE);
    if (m_bInfoText == 1 && m_strInfoText.IsEmpty()) {
        MessageBox("Es muss ein alternativer Text für den Infobereich eingegeben werden!", "Velmora", MB_OK);
        return;
    }
    using namespace Settings;
    const CWinApp* app = AfxGetApp();
    app->WriteProfileString(kSection, kOracleSrv, m_strOracleSrv);
    app->WriteProfileString(kSection, kOracleTns, m_strOracleTns);
    app->WriteProfileInt(kSection, kParamStop, m_bParamStop);
    app->WriteProfileInt(kSection, kParamStart, m_bParamStart);
    app->WriteProfileInt(kSection, kParamEnde, m_bParamEnde);
    app->WriteProfileInt(kSection, kParamAsk, m_bParamAsk);
    app->WriteProfileInt(kSection, kParamMin, m_bParamMin);
    app->WriteProfileString(kSection, kInfoText, m_bInfoText == 1 ? m_strInfoText : CString());
    CDialog::OnOK();
}

LRESULT CInfoDlg::OnMeasureItem(WPARAM, LPARAM item)
{
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(item);
    // Asked while the dialog is being created, before the list is attached to its member.
    if (measure->CtlID != IDC_CREDITS || measure->itemID == static_cast<UINT>(-1))
        return Default();
    measure->itemHeight = static_cast<UINT>(CreditsRowHeight(DpiOfWindow(m_hWnd)));
    return TRUE;
}

LRESULT CInfoDlg::OnDpiChanged(WPARAM dpi, LPARAM)
{
    Default();
    SendDlgItemMessageA(m_hWnd, IDC_CREDITS, CB_SETITEMHEIGHT, 0, CreditsRowHeight(LOWORD(dpi)));
    ShowIcon(LOWORD(dpi));
    return 0;
}

void CInfoDlg::ShowIcon(UINT dpi)
{
    CIcon icon;
    icon.Load(IDI_INFO, MetricForDpi(SM_CXICON, dpi));
    // The template's first control; the icon it loaded itself is shared and stays.
    ::SendMessageA(::GetWindow(m_hWnd, GW_CHILD), STM_SETICON, reinterpret_cast<WPARAM>(icon.GetSafeHandle()), 0);
    m_iconInfo = std::move(icon);
}
