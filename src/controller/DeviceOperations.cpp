#include "controller/DeviceOperations.h"

#include "controller/ControllerSession.h"
#include "controller/DeviceClockDlg.h"
#include "controller/IOStatus.h"
#include "controller/RemoteWifiDlg.h"
#include "controller/SummerTimeDlg.h"
#include "controller/TransferSupport.h"
#include "controller/WifiSetupDlg.h"
#include "platform/core/MessageBox.h"

#include <functional>

namespace {

// An information-window line for a mask bit.
struct BitText {
    UINT nBit;
    LPCTSTR pszText;
};

// The line a settings write or read adds, for the first bit it finds in this order.
constexpr BitText kSettingsSucceeded[] = {
    {SETTING_CLOCK_WRITE, _T("Clock Setting Succeed!\n")},
    {SETTING_CALIB_WRITE, _T("Clock Calibration Setting Succeed!\n")},
    {SETTING_DST_WRITE, _T("Summer/Winter Time Writing Succeed!\n")},
    {SETTING_WIFI_WRITE, _T("WIFI Setup Writing Succeed!\n")},
    {SETTING_REMOTE_WIFI_WRITE, _T("Remote Control WIFI Setup Writing Succeed!\n")},
    {SETTING_CLOCK_READ, _T("Clock Reading Succeeds\n")},
    {SETTING_CALIB_READ, _T("Clock Calibration Reading Succeeds\n")},
};
constexpr BitText kSettingsFailed[] = {
    {SETTING_CLOCK_WRITE, _T("Clock Setting Suspend!\n")},
    {SETTING_CLOCK_READ, _T("Clock Reading Suspend!\n")},
    {SETTING_CALIB_WRITE, _T("Clock Calibration Suspend!\n")},
    {SETTING_CALIB_READ, _T("Clock Calibration Reading Suspend!\n")},
    {SETTING_WIFI_WRITE, _T("WIFI Setup Setting Suspend!\n")},
    {SETTING_REMOTE_WIFI_WRITE, _T("Remote Control WIFI(0x7450) Setup Setting Suspend!\n")},
};

// The operations that read a dialog's settings and then show it.
struct ReadThenShow {
    int nOperation;
    UINT nRead;
    LPCTSTR pszStart;
    LPCTSTR pszError;
    LPCTSTR pszSucceeded;
    ToolDialogKind dialog;
};
constexpr ReadThenShow kReadThenShow[] = {
    {PLC_OP_WIFI_SETUP, SETTING_WIFI_READ, _T("WIFI Setup Reading Starts...\n"),
     _T("WIFI(0x77XX) Setup Reading Error!\n"), _T("WIFI Setup Reading Succeeds\n"), ToolDialogKind::WifiSetup},
    {PLC_OP_SUMMER_TIME, SETTING_DST_READ, _T("Summer/Winter Time Reading Starts...\n"),
     _T("Summer/Winter Time Reading Error!\n"), _T("Summer/Winter Time Reading Succeeds\n"), ToolDialogKind::SummerTime},
    {PLC_OP_REMOTE_WIFI_SETUP, SETTING_REMOTE_WIFI_READ, _T("Remote Control WIFI Setup(0x7450) Reading Starts...\n"),
     _T("Recontrol Control WIFI(0x7450) Setup Reading Error!\n"),
     _T("Remote Control WIFI(0x7450) Setup Reading Succeeds\n"), ToolDialogKind::RemoteWifiSetup},
};

template <std::size_t N>
LPCTSTR FirstBitText(const BitText (&table)[N], UINT nMask)
{
    for (const BitText& entry : table) {
        if (nMask & entry.nBit)
            return entry.pszText;
    }
    return nullptr;
}

// The remote module answers this one-register read once its reset is done.
constexpr WORD kResetRegister = 666;
constexpr int kResetReplyLength = 7;
constexpr BYTE kModelRemoteWifi = '2';
constexpr int kInfoBuffer = 256;
constexpr int kFrameBuffer = 280;
// SetProgress kinds: the bar at a percentage, and the end of the progress window.
constexpr int kProgressBar = 2;
constexpr int kProgressEnd = -1;

}  // namespace

BOOL CDeviceOperations::Run(int nOperation, UINT nMask)
{
    switch (nOperation) {
    case PLC_OP_CLOCK:
        return ShowDialog(ToolDialogKind::DeviceClock);
    case PLC_OP_WIFI_SETUP:
    case PLC_OP_SUMMER_TIME:
    case PLC_OP_REMOTE_WIFI_SETUP:
        return ReadAndShow(nOperation);
    case PLC_OP_WRITE_SETTINGS:
        return WriteSettings(nMask);
    case PLC_OP_REMOTE_WIFI_RESET:
        return ResetRemoteWifi();
    case PLC_OP_IO_STATUS:
    {
        // The monitor opens and closes its own port.
        CIOStatus dlg(m_session, m_pParent);
        dlg.DoModal();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CDeviceOperations::ShowDialog(ToolDialogKind kind)
{
    CDialog* pDialog = nullptr;
    std::function<BOOL()> create;
    switch (kind) {
    case ToolDialogKind::DeviceClock:
        pDialog = &m_dialogs.clock;
        create = [this] { return m_dialogs.clock.Create(m_pParent); };
        break;
    case ToolDialogKind::SummerTime:
        pDialog = &m_dialogs.summerTime;
        create = [this] { return m_dialogs.summerTime.Create(m_pParent); };
        break;
    case ToolDialogKind::WifiSetup:
        pDialog = &m_dialogs.wifiSetup;
        create = [this] { return m_dialogs.wifiSetup.Create(m_pParent); };
        break;
    case ToolDialogKind::RemoteWifiSetup:
        pDialog = &m_dialogs.remoteWifi;
        create = [this] { return m_dialogs.remoteWifi.Create(m_pParent); };
        break;
    default:
        return FALSE;
    }
    // A dialog still open from before shows the values of its last opening: it is made again
    // from the values just read, or its OK would write the old ones back over them.
    if (kind != ToolDialogKind::DeviceClock && pDialog->m_hWnd)
        pDialog->DestroyWindow();
    if (!create() || !pDialog->m_hWnd)
        return FALSE;
    pDialog->ShowWindow(SW_SHOW);
    pDialog->SetFocus();
    return TRUE;
}

void CDeviceOperations::ShowLinkCheck() { AfxMessageBox(IDS_LINK_CHECK, MB_ICONQUESTION); }

BOOL CDeviceOperations::OpenPort() { return m_session.OpenPortForOperation(); }

void CDeviceOperations::ClosePort() { m_session.ClosePort(); }

BOOL CDeviceOperations::ReadAndShow(int nOperation)
{
    const ReadThenShow* pEntry = nullptr;
    for (const ReadThenShow& entry : kReadThenShow) {
        if (entry.nOperation == nOperation)
            pEntry = &entry;
    }
    if (!pEntry || !OpenPort())
        return FALSE;
    m_session.LogMessage(_T("%s"), pEntry->pszStart);
    const int nResult = CSettingsSession(m_session, m_dialogs, pEntry->nRead).Run();
    if (nResult == SETTINGS_FAILED) {
        m_session.LogMessage(_T("%s"), pEntry->pszError);
        ShowLinkCheck();
    } else {
        m_session.LogMessage(_T("%s"), pEntry->pszSucceeded);
    }
    ClosePort();
    return nResult == SETTINGS_DONE && ShowDialog(pEntry->dialog);
}

BOOL CDeviceOperations::WriteSettings(UINT nMask)
{
    if (!OpenPort())
        return FALSE;
    const int nResult = CSettingsSession(m_session, m_dialogs, nMask).Run();
    if (nResult == SETTINGS_FAILED)
        ShowLinkCheck();
    const LPCTSTR pszLine =
        nResult == SETTINGS_FAILED ? FirstBitText(kSettingsFailed, nMask) : FirstBitText(kSettingsSucceeded, nMask);
    if (pszLine)
        m_session.LogMessage(_T("%s"), pszLine);
    ClosePort();
    return nResult == SETTINGS_DONE;
}

BOOL CDeviceOperations::ResetRemoteWifi()
{
    if (!OpenPort())
        return FALSE;
    m_session.LogMessage(_T("Remote Control WIFI(0x7450) Factory Reset Starts...\n"));
    BYTE info[kInfoBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadDeviceInfo(info, kInfoBuffer, &dwError)) {
        ClosePort();
        return FALSE;
    }
    if (info[3] != kModelRemoteWifi) {
        m_session.LogMessage(_T("%s\n"), m_session.Protocol().GetResultText(PLC_RESULT_MACHINE_TYPE));
        ClosePort();
        return FALSE;
    }
    BYTE frame[kFrameBuffer];
    const int nFrame = m_session.Protocol().BuildReadRequest(kResetRegister, 1, frame, FC_READ_HOLDING_REGISTERS);
    BYTE reply[kFrameBuffer];
    WORD wLength = kResetReplyLength;
    BOOL bDone = FALSE;
    m_session.Host().SetProgress(kProgressBar, 0);
    if (!m_session.SendFrame(frame, nFrame, &dwError)) {
        m_session.LogMessage(_T("PC sends to Recontrol Control WIFI(0x7450) Fail!\n"));
    } else if (!m_session.ReceiveReply(reply, &wLength, &dwError, REMOTE_MODULE_TIMEOUT_MS)) {
        m_session.LogMessage(_T("PC receives from Recontrol Control WIFI(0x7450) Fail!\n"));
    } else {
        const DWORD dwResult = m_session.Protocol().CheckReadReply(reply, wLength, FC_READ_HOLDING_REGISTERS);
        if (dwResult == PLC_RESULT_OK) {
            m_session.Host().SetProgress(kProgressBar, 100);
            m_session.Host().SetProgress(kProgressEnd, 0);
            m_session.LogMessage(_T("Remote Control WIFI(0x7450) Factory Reset Setting Succeeds\n"));
            bDone = TRUE;
        } else {
            m_session.LogMessage(_T("%s\n"), m_session.Protocol().GetResultText(dwResult));
            m_session.LogMessage(_T("Recontrol Control WIFI(0x7450) received data Error!\n"));
        }
    }
    if (!bDone) {
        ShowLinkCheck();
        m_session.Host().SetProgress(kProgressEnd, 0);
    }
    ClosePort();
    return bDone;
}
