// CWifiSetupDlg: the modeless "WiFi Setup" dialog (template 543) of the WiFi module inside the
// 'R' controllers. It opens only after the module's settings were read into this object's
// values; OK checks them and posts the write, and the window goes. The device mode decides
// which fields mean something: a server has no ID, stations and groups are numbered 1..7,
// remotes and slaves 1..255 and only they use the addresses and ports.
#pragma once

#include "controller/DeviceSettingRecords.h"
#include "controller/WifiDialogBase.h"

#include <array>

class CWifiSetupDlg : public CWifiDialogBase, public WifiValues {
    DECLARE_DYNAMIC(CWifiSetupDlg)

public:
    enum { IDD = 543 };
    static constexpr UINT IDC_MASK = 1445;
    static constexpr UINT IDC_IP = 1444;
    static constexpr UINT IDC_CHANNEL = 1449;
    static constexpr UINT IDC_TX_POWER = 1209;
    static constexpr UINT IDC_LOCAL_PORT = 1164;
    static constexpr UINT IDC_REMOTE_PORT = 1166;
    static constexpr UINT IDC_DEVICE_ID = 1163;
    static constexpr UINT IDC_PASSWORD = 1162;
    static constexpr UINT IDC_SSID = 1448;
    static constexpr UINT IDC_ENCRYPTION = 1232;
    static constexpr UINT IDC_DEVICE_MODE = 1317;
    static constexpr UINT IDC_DHCP = 1451;
    static constexpr UINT IDC_FIXED_IP = 1457;
    static constexpr UINT IDC_MAC = 1165;
    static constexpr UINT IDC_ADDRESS_GROUP = 1454;
    static constexpr UINT IDC_IP_LABEL = 1452;
    static constexpr UINT IDC_MASK_LABEL = 1453;
    static constexpr UINT IDC_PORT_GROUP = 1356;
    static constexpr UINT IDC_LOCAL_LABEL = 1455;
    static constexpr UINT IDC_REMOTE_LABEL = 1456;
    static constexpr UINT IDC_DEVICE_ID_LABEL = 1436;
    static constexpr UINT IDC_HELP_BUTTON = 9;
    static constexpr int kModeServer = 0;
    static constexpr int kModeRemote = 3;
    static constexpr int kModeCount = 5;

    CWifiSetupDlg();

    BOOL Create(CWnd* pParentWnd);

    // The highest device ID of a mode: 7 for stations and groups, 255 otherwise.
    static UINT DeviceIdLimit(int nMode);
    // "a.b.c.d" with every part 0..255; FALSE for anything else.
    static BOOL ParseAddress(const CString& strText, std::array<BYTE, 4>& bytes);
    static CString FormatAddress(const std::array<BYTE, 4>& bytes);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void RegisterTemplate() override;
    void OnDeviceModeChange() { ApplyDeviceModeLayout(); }
    void OnDhcp() { EnableAddressFields(); }
    void OnFixedIp() { EnableAddressFields(); }
    void OnSsidChange() { FilterFocusedField(IDC_SSID, &IsTextChar, kTextCharsMessage); }
    void OnPasswordChange() { FilterFocusedField(IDC_PASSWORD, &IsTextChar, kTextCharsMessage); }
    void OnHelpButton() {}
    DECLARE_MESSAGE_MAP()

private:
    // A port field the device mode hides is not checked; a value the module cannot use is
    // written back unchanged.
    void ExchangePort(CDataExchange* pDX, UINT nID, UINT& nPort);
    void ExchangeAddressMode(CDataExchange* pDX);
    int SelectedMode() const;
    void ApplyDeviceModeLayout();
    void EnableAddressFields();
    BOOL Validate();
};
