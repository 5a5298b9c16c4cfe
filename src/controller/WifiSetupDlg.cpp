#include "controller/WifiSetupDlg.h"

#include "controller/DeviceDialogPlacement.h"
#include "controller/DeviceDialogTemplate.h"
#include "controller/SettingMask.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"


IMPLEMENT_DYNAMIC(CWifiSetupDlg, CWifiDialogBase)

BEGIN_MESSAGE_MAP(CWifiSetupDlg, CWifiDialogBase)
    ON_CBN_SELCHANGE(CWifiSetupDlg::IDC_DEVICE_MODE, OnDeviceModeChange)
    ON_BN_CLICKED(CWifiSetupDlg::IDC_DHCP, OnDhcp)
    ON_BN_CLICKED(CWifiSetupDlg::IDC_FIXED_IP, OnFixedIp)
    ON_EN_CHANGE(CWifiSetupDlg::IDC_SSID, OnSsidChange)
    ON_EN_CHANGE(CWifiSetupDlg::IDC_PASSWORD, OnPasswordChange)
    ON_BN_CLICKED(CWifiSetupDlg::IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

namespace {

using namespace DeviceTemplate;

using D = CWifiSetupDlg;
constexpr UINT kMaxPort = 65535;
constexpr int kMinEncryptedPassword = 8;
constexpr LPCTSTR kRangeFormat = _T("Number between %d and %d");

// The controls that only remotes and slaves use.
constexpr UINT kAddressControls[] = {D::IDC_DHCP,      D::IDC_FIXED_IP,    D::IDC_ADDRESS_GROUP, D::IDC_IP_LABEL,
                                     D::IDC_MASK_LABEL, D::IDC_IP,          D::IDC_MASK,          D::IDC_PORT_GROUP,
                                     D::IDC_LOCAL_LABEL, D::IDC_LOCAL_PORT, D::IDC_REMOTE_LABEL,  D::IDC_REMOTE_PORT};

DialogItemTemplate Label(UINT nID, CRect rect, LPCTSTR pszText) { return DialogItem(nID, WC_STATIC, SS_LEFT, rect, pszText); }

void RegisterWifiSetupTemplate()
{
    if (AfxFindDialogTemplate(D::IDD))
        return;
    DialogTemplate dlg = DeviceTemplate::ModelessDialog(D::IDD, _T("WiFi Setup"), CSize(260, 250));
    dlg.items = {
        Label(kStatic, CRect(7, 9, 80, 18), _T("Device Mode")),
        DialogItem(D::IDC_DEVICE_MODE, WC_COMBOBOX, kList, CRect(82, 7, 170, 80)),
        DialogItem(D::IDC_ENCRYPTION, WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX, CRect(7, 24, 170, 34),
                   _T("Encryption(WPA2) Enable")),
        Label(kStatic, CRect(7, 42, 80, 51), _T("SSID")),
        DialogItem(D::IDC_SSID, WC_EDIT, kEdit, CRect(82, 40, 250, 52)),
        Label(kStatic, CRect(7, 58, 80, 67), _T("Password")),
        DialogItem(D::IDC_PASSWORD, WC_EDIT, kEdit, CRect(82, 56, 250, 68)),
        Label(kStatic, CRect(7, 74, 80, 83), _T("Channel")),
        DialogItem(D::IDC_CHANNEL, WC_COMBOBOX, kList, CRect(82, 72, 120, 150)),
        Label(kStatic, CRect(124, 74, 200, 83), _T("(auto:0)")),
        Label(kStatic, CRect(7, 90, 80, 99), _T("TX Power")),
        DialogItem(D::IDC_TX_POWER, WC_COMBOBOX, kList, CRect(82, 88, 120, 170)),
        Label(kStatic, CRect(124, 90, 250, 99), _T("(auto:0, step:1~12)")),
        Label(D::IDC_DEVICE_ID_LABEL, CRect(7, 106, 80, 115), _T("Device ID")),
        DialogItem(D::IDC_DEVICE_ID, WC_EDIT, kEdit, CRect(82, 104, 120, 116)),
        Label(kStatic, CRect(7, 122, 80, 131), _T("MAC Address")),
        DialogItem(D::IDC_MAC, WC_EDIT, WS_BORDER | ES_READONLY, CRect(82, 120, 170, 132)),
        DialogItem(D::IDC_DHCP, WC_BUTTON, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, CRect(14, 150, 56, 160),
                   _T("DHCP")),
        DialogItem(D::IDC_FIXED_IP, WC_BUTTON, BS_AUTORADIOBUTTON, CRect(58, 150, 124, 160), _T("IP Address")),
        Label(D::IDC_IP_LABEL, CRect(14, 166, 40, 175), _T("IP")),
        DialogItem(D::IDC_IP, WC_EDIT, kEdit | WS_GROUP, CRect(42, 164, 120, 176)),
        Label(D::IDC_MASK_LABEL, CRect(14, 182, 40, 191), _T("Mask")),
        DialogItem(D::IDC_MASK, WC_EDIT, kEdit, CRect(42, 180, 120, 192)),
        Label(D::IDC_LOCAL_LABEL, CRect(144, 154, 180, 163), _T("Local")),
        DialogItem(D::IDC_LOCAL_PORT, WC_EDIT, kEdit, CRect(182, 152, 240, 164)),
        Label(D::IDC_REMOTE_LABEL, CRect(144, 170, 180, 179), _T("Remote")),
        DialogItem(D::IDC_REMOTE_PORT, WC_EDIT, kEdit, CRect(182, 168, 240, 180)),
        DialogItem(IDOK, WC_BUTTON, WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(40, 226, 100, 240), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, kButton, CRect(106, 226, 166, 240), _T("Cancel")),
        DialogItem(D::IDC_HELP_BUTTON, WC_BUTTON, kButton, CRect(172, 226, 232, 240), _T("Help")),
        // The frames last, so that they stay below the controls they surround.
        DialogItem(D::IDC_ADDRESS_GROUP, WC_BUTTON, BS_GROUPBOX, CRect(7, 138, 130, 200)),
        DialogItem(D::IDC_PORT_GROUP, WC_BUTTON, BS_GROUPBOX, CRect(136, 138, 250, 200), _T("Port")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

void FillNumberList(CComboBox* pList, int nLast)
{
    if (!pList)
        return;
    for (int n = 0; n <= nLast; ++n) {
        CString strItem;
        strItem.Format(_T("%d"), n);
        pList->AddString(strItem);
    }
}

}  // namespace

CWifiSetupDlg::CWifiSetupDlg() : CWifiDialogBase(IDD) {}

BOOL CWifiSetupDlg::Create(CWnd* pParentWnd) { return CreateTool(pParentWnd); }

void CWifiSetupDlg::RegisterTemplate() { RegisterWifiSetupTemplate(); }

UINT CWifiSetupDlg::DeviceIdLimit(int nMode) { return nMode == 1 || nMode == 2 ? 7 : 255; }

BOOL CWifiSetupDlg::ParseAddress(const CString& strText, std::array<BYTE, 4>& bytes)
{
    std::array<BYTE, 4> parsed{};
    int nAt = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const int nEnd = i < 3 ? strText.Find(TCHAR('.'), nAt) : strText.GetLength();
        if (nEnd <= nAt || nEnd - nAt > 3)
            return FALSE;
        int nValue = 0;
        for (int c = nAt; c < nEnd; ++c) {
            const TCHAR ch = strText.GetAt(c);
            if (ch < '0' || ch > '9')
                return FALSE;
            nValue = nValue * 10 + (ch - '0');
        }
        if (nValue > 255)
            return FALSE;
        parsed[i] = BYTE(nValue);
        nAt = nEnd + 1;
    }
    bytes = parsed;
    return TRUE;
}

CString CWifiSetupDlg::FormatAddress(const std::array<BYTE, 4>& bytes)
{
    CString strText;
    strText.Format(_T("%d.%d.%d.%d"), int(bytes[0]), int(bytes[1]), int(bytes[2]), int(bytes[3]));
    return strText;
}

void CWifiSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    ExchangeChoice(pDX, int(IDC_CHANNEL), m_nChannel);
    ExchangeChoice(pDX, int(IDC_TX_POWER), m_nTxPower);
    ExchangePort(pDX, IDC_LOCAL_PORT, m_nLocalPort);
    ExchangePort(pDX, IDC_REMOTE_PORT, m_nRemotePort);
    DDX_Text(pDX, int(IDC_DEVICE_ID), m_nDeviceID);
    DDX_Text(pDX, int(IDC_PASSWORD), m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, WIFI_PASSWORD_MAX);
    DDX_Text(pDX, int(IDC_SSID), m_strSSID);
    DDV_MaxChars(pDX, m_strSSID, WIFI_SSID_MAX);
    DDX_Check(pDX, int(IDC_ENCRYPTION), m_bEncryption);
    ExchangeChoice(pDX, int(IDC_DEVICE_MODE), m_nDeviceMode);
    DDX_Text(pDX, int(IDC_MAC), m_strMac);
    ExchangeAddressMode(pDX);
}

// A server's module reads its ports back as 0: OK must not ask the user to mend fields the
// mode does not show, and what it cannot take there goes back to the module as it came.
void CWifiSetupDlg::ExchangePort(CDataExchange* pDX, UINT nID, UINT& nPort)
{
    const CWnd* pField = GetDlgItem(int(nID));
    if (pDX->m_bSaveAndValidate && pField && !(pField->GetStyle() & WS_VISIBLE)) {
        BOOL bNumber = FALSE;
        const UINT nValue = GetDlgItemInt(int(nID), &bNumber, FALSE);
        if (bNumber && nValue >= 1 && nValue <= kMaxPort)
            nPort = nValue;
        return;
    }
    DDX_Text(pDX, int(nID), nPort);
    DDV_MinMaxUInt(pDX, nPort, 1, kMaxPort);
}

BOOL CWifiSetupDlg::OnInitDialog()
{
    PlaceDeviceDialogHigh(*this);
    SetDlgItemText(int(IDC_IP), FormatAddress(m_ip));
    SetDlgItemText(int(IDC_MASK), FormatAddress(m_mask));
    if (auto* pMode = dynamic_cast<CComboBox*>(GetDlgItem(int(IDC_DEVICE_MODE)))) {
        for (LPCTSTR pszMode : {_T("Server"), _T("Station"), _T("Groups"), _T("Remote"), _T("Slave")})
            pMode->AddString(pszMode);
    }
    FillNumberList(dynamic_cast<CComboBox*>(GetDlgItem(int(IDC_CHANNEL))), 13);
    FillNumberList(dynamic_cast<CComboBox*>(GetDlgItem(int(IDC_TX_POWER))), 12);
    CDialog::OnInitDialog();
    ShowFirstLineForUnoffered({IDC_DEVICE_MODE, IDC_CHANNEL, IDC_TX_POWER});
    ApplyDeviceModeLayout();
    CheckRadioButton(int(IDC_DHCP), int(IDC_FIXED_IP), int(m_nAddressMode == 0 ? IDC_DHCP : IDC_FIXED_IP));
    EnableAddressFields();
    m_tips.Create(this);
    AddTip(IDC_SSID, _T("32 numerics or characters at most"));
    AddTip(IDC_PASSWORD, _T("8 numerics or characters at least"));
    AddTip(IDC_DEVICE_ID, _T("Server:0, Station/Groups:1~7, Remote/Slave:1~255"));
    CString strPorts;
    strPorts.Format(kRangeFormat, 1, int(kMaxPort));
    AddTip(IDC_LOCAL_PORT, strPorts);
    AddTip(IDC_REMOTE_PORT, strPorts);
    return TRUE;
}

int CWifiSetupDlg::SelectedMode() const
{
    const auto* pMode = dynamic_cast<const CComboBox*>(GetDlgItem(int(IDC_DEVICE_MODE)));
    return pMode ? pMode->GetCurSel() : m_nDeviceMode;
}

void CWifiSetupDlg::ApplyDeviceModeLayout()
{
    const int nMode = SelectedMode();
    BOOL bTranslated = FALSE;
    const UINT nID = GetDlgItemInt(int(IDC_DEVICE_ID), &bTranslated, FALSE);
    if (nMode == kModeServer) {
        SetDlgItemInt(int(IDC_DEVICE_ID), 0, FALSE);
    } else if (!bTranslated || nID == 0 || nID > DeviceIdLimit(nMode)) {
        SetDlgItemInt(int(IDC_DEVICE_ID), 1, FALSE);
    }
    if (CWnd* pID = GetDlgItem(int(IDC_DEVICE_ID)))
        pID->EnableWindow(nMode != kModeServer);
    for (UINT nControl : kAddressControls) {
        if (CWnd* pControl = GetDlgItem(int(nControl)))
            pControl->ShowWindow(nMode >= kModeRemote ? SW_SHOW : SW_HIDE);
    }
}

void CWifiSetupDlg::EnableAddressFields()
{
    const BOOL bFixed = IsDlgButtonChecked(int(IDC_FIXED_IP)) == BST_CHECKED;
    for (UINT nID : {IDC_IP, IDC_MASK}) {
        if (CWnd* pControl = GetDlgItem(int(nID)))
            pControl->EnableWindow(bFixed);
    }
}

// The mode of the button shown checked, taken at OK only: Cancel leaves the mode as read.
void CWifiSetupDlg::ExchangeAddressMode(CDataExchange* pDX)
{
    if (pDX->m_bSaveAndValidate)
        m_nAddressMode = IsDlgButtonChecked(int(IDC_FIXED_IP)) == BST_CHECKED ? 1 : 0;
}

BOOL CWifiSetupDlg::Validate()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (m_strSSID.IsEmpty())
        return Refuse(IDC_SSID, kSsidEmptyMessage, MB_ICONEXCLAMATION);
    if (m_bEncryption && m_strPassword.GetLength() < kMinEncryptedPassword)
        return Refuse(IDC_PASSWORD, _T("Enter 8 numerics or characters at least!"), MB_ICONEXCLAMATION);
    const UINT nLimit = DeviceIdLimit(m_nDeviceMode);
    if (m_nDeviceMode != kModeServer && (m_nDeviceID < 1 || m_nDeviceID > nLimit)) {
        CString strRange;
        strRange.Format(kRangeFormat, 1, int(nLimit));
        return Refuse(IDC_DEVICE_ID, CString(_T("Please enter a ")) + strRange, MB_ICONEXCLAMATION);
    }
    // The address fields are free text here; a value the module cannot take is refused rather
    // than sent as something else.
    std::array<BYTE, 4> ip{};
    std::array<BYTE, 4> mask{};
    CString strIp;
    CString strMask;
    GetDlgItemText(int(IDC_IP), strIp);
    GetDlgItemText(int(IDC_MASK), strMask);
    CString strByteRange;
    strByteRange.Format(kRangeFormat, 0, 255);
    if (!ParseAddress(strIp.Trim(), ip))
        return Refuse(IDC_IP, CString(_T("Please enter a ")) + strByteRange, MB_ICONEXCLAMATION);
    if (!ParseAddress(strMask.Trim(), mask))
        return Refuse(IDC_MASK, CString(_T("Please enter a ")) + strByteRange, MB_ICONEXCLAMATION);
    m_ip = ip;
    m_mask = mask;
    return TRUE;
}

void CWifiSetupDlg::OnOK()
{
    if (!Validate())
        return;
    PostSettingsRequest(SETTING_WIFI_WRITE);
    CloseLater();
}

void CWifiSetupDlg::OnCancel() { CloseLater(); }
