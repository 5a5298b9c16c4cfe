#include "shell/DeviceOperations.h"

#include "controller/IOStatus.h"
#include "platform/core/MessageBox.h"
#include "shell/ComConfigDlg.h"
#include "shell/MainFrame.h"

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
        CIOStatus dlg(m_frame.Session(), &m_frame);
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
        pDialog = &m_frame.m_dlgDeviceClock;
        create = [this] { return m_frame.m_dlgDeviceClock.Create(&m_frame); };
        break;
    case ToolDialogKind::SummerTime:
        pDialog = &m_frame.m_dlgSummerTime;
        create = [this] { return m_frame.m_dlgSummerTime.Create(&m_frame); };
        break;
    case ToolDialogKind::WifiSetup:
        pDialog = &m_frame.m_dlgWifiSetup;
        create = [this] { return m_frame.m_dlgWifiSetup.Create(&m_frame); };
        break;
    case ToolDialogKind::RemoteWifiSetup:
        pDialog = &m_frame.m_dlgRemoteWifi;
        create = [this] { return m_frame.m_dlgRemoteWifi.Create(&m_frame); };
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

void CDeviceOperations::ShowLinkCheck() { AfxMessageBox(CComConfigDlg::IDS_LINK_CHECK, MB_ICONQUESTION); }

BOOL CDeviceOperations::OpenPort() { return m_frame.Session().OpenPortForOperation(); }

void CDeviceOperations::ClosePort() { m_frame.Session().ClosePort(); }

BOOL CDeviceOperations::ReadAndShow(int nOperation)
{
    const ReadThenShow* pEntry = nullptr;
    for (const ReadThenShow& entry : kReadThenShow) {
        if (entry.nOperation == nOperation)
            pEntry = &entry;
    }
    if (!pEntry || !OpenPort())
        return FALSE;
    m_frame.LogMessage(_T("%s"), pEntry->pszStart);
    const int nResult = m_frame.SettingsSession(pEntry->nRead);
    if (nResult == SETTINGS_FAILED) {
        m_frame.LogMessage(_T("%s"), pEntry->pszError);
        ShowLinkCheck();
    } else {
        m_frame.LogMessage(_T("%s"), pEntry->pszSucceeded);
    }
    ClosePort();
    return nResult == SETTINGS_DONE && ShowDialog(pEntry->dialog);
}

BOOL CDeviceOperations::WriteSettings(UINT nMask)
{
    if (!OpenPort())
        return FALSE;
    const int nResult = m_frame.SettingsSession(nMask);
    if (nResult == SETTINGS_FAILED)
        ShowLinkCheck();
    const LPCTSTR pszLine =
        nResult == SETTINGS_FAILED ? FirstBitText(kSettingsFailed, nMask) : FirstBitText(kSettingsSucceeded, nMask);
    if (pszLine)
        m_frame.LogMessage(_T("%s"), pszLine);
    ClosePort();
    return nResult == SETTINGS_DONE;
}

BOOL CDeviceOperations::ResetRemoteWifi()
{
    if (!OpenPort())
        return FALSE;
    m_frame.LogMessage(_T("Remote Control WIFI(0x7450) Factory Reset Starts...\n"));
    BYTE info[kInfoBuffer];
    DWORD dwError = 0;
    if (!m_frame.Session().ReadDeviceInfo(info, kInfoBuffer, &dwError)) {
        ClosePort();
        return FALSE;
    }
    if (info[3] != kModelRemoteWifi) {
        m_frame.LogMessage(_T("%s\n"), m_frame.Session().Protocol().GetResultText(PLC_RESULT_MACHINE_TYPE));
        ClosePort();
        return FALSE;
    }
    BYTE frame[kFrameBuffer];
    const int nFrame = m_frame.Session().Protocol().BuildReadRequest(kResetRegister, 1, frame, FC_READ_HOLDING_REGISTERS);
    BYTE reply[kFrameBuffer];
    WORD wLength = kResetReplyLength;
    BOOL bDone = FALSE;
    m_frame.SetProgress(kProgressBar, 0);
    if (!m_frame.Session().SendFrame(frame, nFrame, &dwError)) {
        m_frame.LogMessage(_T("PC sends to Recontrol Control WIFI(0x7450) Fail!\n"));
    } else if (!m_frame.Session().ReceiveReply(reply, &wLength, &dwError, REMOTE_MODULE_TIMEOUT_MS)) {
        m_frame.LogMessage(_T("PC receives from Recontrol Control WIFI(0x7450) Fail!\n"));
    } else {
        const DWORD dwResult = m_frame.Session().Protocol().CheckReadReply(reply, wLength, FC_READ_HOLDING_REGISTERS);
        if (dwResult == PLC_RESULT_OK) {
            m_frame.SetProgress(kProgressBar, 100);
            m_frame.SetProgress(kProgressEnd, 0);
            m_frame.LogMessage(_T("Remote Control WIFI(0x7450) Factory Reset Setting Succeeds\n"));
            bDone = TRUE;
        } else {
            m_frame.LogMessage(_T("%s\n"), m_frame.Session().Protocol().GetResultText(dwResult));
            m_frame.LogMessage(_T("Recontrol Control WIFI(0x7450) received data Error!\n"));
        }
    }
    if (!bDone) {
        ShowLinkCheck();
        m_frame.SetProgress(kProgressEnd, 0);
    }
    ClosePort();
    return bDone;
}
