// CIOStatus ("I/O Status Overview"): a modal dialog that watches a running controller. With its
// own line settings it opens the program's serial port, and on a window timer (every refresh
// time) reads the controller's clock and the I/O points, flags or analog flags of the chosen
// view into its table. A cycle runs on the UI thread; the session's exchanges keep the windows
// painted while a reply is awaited. A failed cycle stops the polling and closes the port until
// the user connects again; closing the dialog, also in the middle of a cycle, closes the port.
#pragma once

#include "controller/IOStatusCycle.h"
#include "controller/IOStatusGrid.h"
#include "controls/SizeIconCtrl.h"
#include "pages/controls/ToolTipWnd.h"
#include "platform/core/Geometry.h"
#include "platform/ui/Dialog.h"

class IControllerLink;

class CIOStatus : public CDialog {
    DECLARE_DYNAMIC(CIOStatus)

public:
    enum { IDD = 258 };
    static constexpr UINT IDC_GRID = 1123;
    static constexpr UINT IDC_SIZE_GRIP = 1126;
    static constexpr UINT IDC_DEVICE_ADDRESS = 1170;
    static constexpr UINT IDC_POLL_DELAY = 1171;
    static constexpr UINT IDC_PARITY = 1210;
    static constexpr UINT IDC_BAUD = 1211;
    static constexpr UINT IDC_CONNECT = 1224;
    static constexpr UINT IDC_PORT = 1231;
    static constexpr UINT IDC_REFRESH = 1250;
    static constexpr UINT IDC_REFRESH_SPIN = 1251;
    static constexpr UINT IDC_VIEW_POINTS = 1431;
    static constexpr UINT IDC_DEVICE_TIME = 1432;
    static constexpr UINT IDC_VIEW_FLAGS = 1433;
    static constexpr UINT IDC_VIEW_ANALOG_FLAGS = 1436;
    static constexpr UINT IDC_HELP_BUTTON = 9;
    static constexpr UINT_PTR kPollTimer = 258;
    static constexpr UINT IDS_LINK_CHECK = 631;

    CIOStatus(IControllerLink& link, CWnd* pParent = nullptr);

    // The settings as the controls hold them (read at Connect and at every cycle).
    int m_nRefreshTime = 3;          // seconds, 1..30
    unsigned m_nPollDelay = 10;      // milliseconds, 10..65535
    unsigned m_nDeviceAddress = 0;   // 0..255
    int m_nParity = 0;               // 0 none, 1 odd, 2 even
    int m_nDataBits = 1;             // 0 seven, 1 eight
    int m_nStopBits = 0;             // 0 one, 1 two
    CString m_strParity = _T("None,8,1");
    CIOStatusGrid m_grid;

    // The view the table shows.
    IOStatusView GetView() const;
    BOOL IsPolling() const { return m_bPolling; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnConnectButton();
    void OnViewChosen();
    void OnParityChosen();
    void OnDeviceAddressUpdate();
    void OnPollDelayUpdate();
    void OnHelpButton() {}
    // Copy, Cut and Paste act on the table.
    void OnEditCommand(UINT nID);
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnUpdatePaste(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void FillBaudList();
    void FillParityList();
    void FillPortList();
    void AddTips();
    void Connect();
    void Disconnect();
    void Close();
    void RunCycle();
    void ShowDeviceTime(int nHour, int nMinute, int nSecond);
    // Connected and polling (the settings locked) or not.
    void ShowPolling(BOOL bPolling);
    void ClampEdit(UINT nID, int nLow, int nHigh);
    int ReadEdit(UINT nID, int nLow, int nHigh) const;
    // The table grows with the dialog, the size grip keeps to the bottom-right corner; every other
    // control keeps its distance to the right edge.
    void MoveChildren(int dx, int dy);

    IControllerLink& m_link;
    CToolTipWnd m_tips;
    cdxCSizeIconCtrl m_sizeGrip;
    CSize m_sizeWindow;
    BOOL m_bPolling = FALSE;
    BOOL m_bInCycle = FALSE;
    BOOL m_bCloseRequested = FALSE;
    BOOL m_bClamping = FALSE;
};

// Template 258 (IOStatusTemplate.cpp), registered once.
void RegisterIOStatusTemplate();
