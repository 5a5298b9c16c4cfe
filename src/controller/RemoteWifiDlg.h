// CRemoteWifiDlg: the modeless "Remote Control WIFI(0x7450) Setup" dialog (template 550) of the
// remote-control WiFi module. It opens only after the module's image was read into this
// object's values. OK posts the write and keeps the window, so that the user may write several
// times; Factory Reset asks first, then has the main frame reset the module and closes.
#pragma once

#include "controller/DeviceSettingRecords.h"
#include "controller/WifiDialogBase.h"

class CRemoteWifiDlg : public CWifiDialogBase, public RemoteWifiValues {
    DECLARE_DYNAMIC(CRemoteWifiDlg)

public:
    enum { IDD = 550 };
    static constexpr UINT IDC_TX_POWER = 1209;
    static constexpr UINT IDC_MAC = 1165;
    static constexpr UINT IDC_DEVICE_ID = 1163;
    static constexpr UINT IDC_PASSWORD = 1162;
    static constexpr UINT IDC_SSID = 1448;
    static constexpr UINT IDC_MODE = 1210;
    static constexpr UINT IDC_SLEEP = 1211;
    static constexpr UINT IDC_LED_OFF = 1166;
    static constexpr UINT IDC_LED_ON = 1164;
    static constexpr UINT IDC_KEY_PASSWORD = 1167;
    static constexpr UINT IDC_HELP_BUTTON = 9;
    static constexpr UINT IDC_FACTORY_RESET = 10;

    CRemoteWifiDlg();

    BOOL Create(CWnd* pParentWnd);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterTemplate() override;
    void OnFactoryReset();
    void OnSsidChange() { FilterFocusedField(IDC_SSID, &IsTextChar, kTextCharsMessage); }
    void OnPasswordChange() { FilterFocusedField(IDC_PASSWORD, &IsTextChar, kTextCharsMessage); }
    void OnKeyPasswordChange() { FilterFocusedField(IDC_KEY_PASSWORD, &IsKeyChar, kKeyCharsMessage); }
    void OnHelpButton() {}
    DECLARE_MESSAGE_MAP()
};
