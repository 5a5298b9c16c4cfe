#include "controller/RemoteWifiDlg.h"

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

IMPLEMENT_DYNAMIC(CRemoteWifiDlg, CWifiDialogBase)

BEGIN_MESSAGE_MAP(CRemoteWifiDlg, CWifiDialogBase)
    ON_BN_CLICKED(CRemoteWifiDlg::IDC_FACTORY_RESET, OnFactoryReset)
    ON_BN_CLICKED(CRemoteWifiDlg::IDC_HELP_BUTTON, OnHelpButton)
    ON_EN_CHANGE(CRemoteWifiDlg::IDC_SSID, OnSsidChange)
    ON_EN_CHANGE(CRemoteWifiDlg::IDC_PASSWORD, OnPasswordChange)
    ON_EN_CHANGE(CRemoteWifiDlg::IDC_KEY_PASSWORD, OnKeyPasswordChange)
END_MESSAGE_MAP()

namespace {

using namespace DeviceTemplate;

using D = CRemoteWifiDlg;
constexpr int kLedTimeMin = 10;
constexpr int kLedTimeMax = 9999;
constexpr int kDeviceIdMax = 7;

DialogItemTemplate Label(CRect rect, LPCTSTR pszText) { return DialogItem(kStatic, WC_STATIC, SS_LEFT, rect, pszText); }

void RegisterRemoteWifiTemplate()
{
    if (AfxFindDialogTemplate(D::IDD))
        return;
    DialogTemplate dlg = DeviceTemplate::ModelessDialog(D::IDD, _T("Remote Control WIFI(0x7450) Setup"), CSize(250, 214));
    dlg.items = {
        Label(CRect(7, 9, 90, 18), _T("SSID")),
        DialogItem(D::IDC_SSID, WC_EDIT, kEdit, CRect(92, 7, 240, 19)),
        Label(CRect(7, 25, 90, 34), _T("Password")),
        DialogItem(D::IDC_PASSWORD, WC_EDIT, kEdit, CRect(92, 23, 240, 35)),
        Label(CRect(7, 41, 90, 50), _T("WIFI Key Password")),
        DialogItem(D::IDC_KEY_PASSWORD, WC_EDIT, kEdit, CRect(92, 39, 140, 51)),
        Label(CRect(7, 57, 90, 66), _T("Device ID")),
        DialogItem(D::IDC_DEVICE_ID, WC_EDIT, kEdit, CRect(92, 55, 140, 67)),
        Label(CRect(7, 73, 90, 82), _T("TX Power")),
        DialogItem(D::IDC_TX_POWER, WC_COMBOBOX, kList, CRect(92, 71, 140, 150)),
        DialogItem(D::IDC_MODE, WC_COMBOBOX, kList & ~DWORD(WS_VISIBLE), CRect(150, 71, 240, 110)),
        Label(CRect(7, 89, 90, 98), _T("Sleep Mode")),
        DialogItem(D::IDC_SLEEP, WC_COMBOBOX, kList, CRect(92, 87, 160, 160)),
        Label(CRect(7, 105, 90, 114), _T("MAC Address")),
        DialogItem(D::IDC_MAC, WC_EDIT, WS_BORDER | ES_READONLY, CRect(92, 103, 180, 115)),
        Label(CRect(14, 137, 80, 146), _T("On Time(ms)")),
        DialogItem(D::IDC_LED_ON, WC_EDIT, kEdit, CRect(82, 135, 130, 147)),
        Label(CRect(14, 153, 80, 162), _T("Off Time(ms)")),
        DialogItem(D::IDC_LED_OFF, WC_EDIT, kEdit, CRect(82, 151, 130, 163)),
        DialogItem(IDOK, WC_BUTTON, WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(7, 190, 62, 204), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, kButton, CRect(66, 190, 121, 204), _T("Cancel")),
        DialogItem(D::IDC_HELP_BUTTON, WC_BUTTON, kButton, CRect(125, 190, 180, 204), _T("Help")),
        DialogItem(D::IDC_FACTORY_RESET, WC_BUTTON, kButton, CRect(184, 190, 243, 204), _T("Factory Reset")),
        // The frame last, so that it stays below the controls it surrounds.
        DialogItem(kStatic, WC_BUTTON, BS_GROUPBOX, CRect(7, 122, 140, 170), _T("LED")),
    };
    AfxRegisterDialogTemplate(std::move(dlg));
}

void FillList(CWnd* pWnd, std::initializer_list<LPCTSTR> items)
{
    if (auto* pList = dynamic_cast<CComboBox*>(pWnd)) {
        for (LPCTSTR pszItem : items)
            pList->AddString(pszItem);
    }
}


}  // namespace

CRemoteWifiDlg::CRemoteWifiDlg() : CWifiDialogBase(IDD) {}

BOOL CRemoteWifiDlg::Create(CWnd* pParentWnd) { return CreateTool(pParentWnd); }

void CRemoteWifiDlg::RegisterTemplate() { RegisterRemoteWifiTemplate(); }

void CRemoteWifiDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    ExchangeChoice(pDX, int(IDC_TX_POWER), m_nTxPower);
    DDX_Text(pDX, int(IDC_MAC), m_strMac);
    DDX_Text(pDX, int(IDC_DEVICE_ID), m_nDeviceID);
    DDV_MinMaxInt(pDX, m_nDeviceID, 1, kDeviceIdMax);
    DDX_Text(pDX, int(IDC_PASSWORD), m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, WIFI_PASSWORD_MAX);
    DDX_Text(pDX, int(IDC_SSID), m_strSSID);
    DDV_MaxChars(pDX, m_strSSID, WIFI_SSID_MAX);
    ExchangeChoice(pDX, int(IDC_MODE), m_nMode);
    ExchangeChoice(pDX, int(IDC_SLEEP), m_nSleepMode);
    DDX_Text(pDX, int(IDC_LED_OFF), m_nLedOffTime);
    DDV_MinMaxInt(pDX, m_nLedOffTime, kLedTimeMin, kLedTimeMax);
    DDX_Text(pDX, int(IDC_LED_ON), m_nLedOnTime);
    DDV_MinMaxInt(pDX, m_nLedOnTime, kLedTimeMin, kLedTimeMax);
    DDX_Text(pDX, int(IDC_KEY_PASSWORD), m_strKeyPassword);
    DDV_MaxChars(pDX, m_strKeyPassword, REMOTE_KEY_DIGITS_MAX);
}

BOOL CRemoteWifiDlg::OnInitDialog()
{
    PlaceDeviceDialogHigh(*this);
    FillList(GetDlgItem(int(IDC_TX_POWER)), {_T("1"), _T("2"), _T("3"), _T("4"), _T("5"), _T("6"), _T("7"), _T("8"),
                                             _T("9"), _T("10"), _T("11"), _T("12")});
    FillList(GetDlgItem(int(IDC_MODE)), {_T("Standard"), _T("Simple")});
    FillList(GetDlgItem(int(IDC_SLEEP)), {_T("Disable"), _T("30s"), _T("1min"), _T("2min"), _T("5min"), _T("10min")});
    // The list holds steps 1..12 at indexes 0..11. The mode list stays hidden: the mode goes
    // back as the module gave it.
    CDialog::OnInitDialog();
    ShowFirstLineForUnoffered({IDC_TX_POWER, IDC_SLEEP});
    if (CWnd* pMode = GetDlgItem(int(IDC_MODE)))
        pMode->ShowWindow(SW_HIDE);
    if (auto* pKey = dynamic_cast<CEdit*>(GetDlgItem(int(IDC_KEY_PASSWORD))))
        pKey->LimitText(REMOTE_KEY_DIGITS_MAX);
    m_tips.Create(this);
    AddTip(IDC_SSID, _T("32 numerics or characters at most"));
    AddTip(IDC_PASSWORD, _T("8 numerics or characters at least"));
    AddTip(IDC_DEVICE_ID, _T("1 - 7"));
    AddTip(IDC_LED_ON, _T("10 - 9999"));
    AddTip(IDC_LED_OFF, _T("10 - 9999"));
    AddTip(IDC_KEY_PASSWORD, _T("6 numerics(1 - 6) at most"));
    return TRUE;
}

void CRemoteWifiDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_strSSID.IsEmpty()) {
        Refuse(IDC_SSID, kSsidEmptyMessage, MB_ICONEXCLAMATION);
        return;
    }
    // The module takes a key of at most 6 digits 1..6 (none at all too): the filter keeps out
    // other digits as they are typed, this check what came into the field another way.
    if (!IsValidKeyPassword(m_strKeyPassword)) {
        Refuse(IDC_KEY_PASSWORD, kKeyCharsMessage, MB_ICONEXCLAMATION);
        return;
    }
    PostSettingsRequest(SETTING_REMOTE_WIFI_WRITE);
}

void CRemoteWifiDlg::OnFactoryReset()
{
    if (AfxMessageBox(_T("Make sure to factory reset?"), MB_YESNO) != IDYES)
        return;
    SendRemoteWifiReset();
    CloseLater();
}

void CRemoteWifiDlg::OnCancel() { CloseLater(); }
