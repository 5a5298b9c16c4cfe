// The controller session's port: open and close, one frame out, one reply in within its
// time-out, the port probe, the device information and the single setting write and read of
// the settings operation.
#include "controller/ControllerSession.h"

#include "blocks/BlockObj.h"
#include "blocks/SimTime.h"
#include "document/VetlaDoc.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/BusyWait.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The handshake replies of the older generation, and the "any machine" reply, are 17 bytes
// where the newer generation sends 19.
constexpr int kLongHandshake = 19;
constexpr int kShortHandshake = 17;
// Upload handshake replies with a model code outside this range are the short form.
constexpr BYTE kLongFormModelFirst = 34;
constexpr BYTE kLongFormModelLast = 254;
constexpr int kExceptionReplyLength = 5;
constexpr int kDeviceInfoReplyLength = 11;
constexpr WORD kDeviceInfoRegister = 210;
constexpr WORD kDeviceInfoCount = 3;
constexpr int kEchoLength = 8;
// The settings area of ReadArea that is the clock: six registers from 301.
constexpr UINT kClockArea = 0x002;
constexpr int kClockBytes = 12;
constexpr int kFrameBuffer = 280;
// A reply that comes at once is read on this thread, which holds the windows for at most this
// long; only a slower one is handed to the worker, so that a fast line costs no thread hand-over.
constexpr int kInlineReadMs = 3;
// Replies awaited this long or longer report their waiting to the progress window.
constexpr int kProgressTimeoutMs = 10000;

// Setting mask bits that pick a frame or an area.
constexpr UINT kBitClockWrite = 0x001;
constexpr UINT kBitClockRead = 0x002;
constexpr UINT kBitDstWrite = 0x004;
constexpr UINT kBitDstRead = 0x008;
constexpr UINT kBitCalibWrite = 0x010;
constexpr UINT kBitCalibRead = 0x020;
constexpr UINT kBitWifiWrite = 0x040;
constexpr UINT kBitWifiRead = 0x080;
constexpr WORD kClockRegister = 301;
constexpr WORD kCalibRegister = 262;
constexpr WORD kWifiRegister = 9160;
// Where the clock frame's register field waits in the caller's data.
constexpr int kClockRegisterOffset = 18;

struct ReadResult {
    int nError = 0;
    int nRead = 0;
};

bool IsShortenedHandshake(const BYTE* pReply, int nExpected, int nReceived)
{
    if (nExpected != kLongHandshake || nReceived != kShortHandshake)
        return false;
    if (pReply[1] == FC_DOWNLOAD_START)
        return pReply[3] == BYTE(MACHINE_TYPE_ANY >> 8) && pReply[4] == BYTE(MACHINE_TYPE_ANY & 0xFF);
    return pReply[1] == FC_UPLOAD_START && (pReply[3] < kLongFormModelFirst || pReply[3] > kLongFormModelLast);
}

SerialLineSettings LineSettings(DWORD dwBaud, int nByteSize, int nParity, int nStopBits)
{
    SerialLineSettings settings;
    settings.dwBaud = dwBaud;
    settings.nDataBits = nByteSize;
    settings.parity = nParity == ODDPARITY    ? SerialParity::Odd
                      : nParity == EVENPARITY ? SerialParity::Even
                                              : SerialParity::None;
    settings.nStopBits = nStopBits == TWOSTOPBITS ? 2 : 1;
    return settings;
}

LPCTSTR OpenFailureText(SerialOpenStep step)
{
    switch (step) {
    case SerialOpenStep::Timeouts:
        return _T("ComPort Overtime-Status Setting Error!");
    case SerialOpenStep::GetState:
        return _T("Fail to Get Comm State!");
    default:
        return _T("Communication Port Connection Error, Pease Check!");
    }
}

}  // namespace

CString CControllerSession::PortDisplayName(int nPort)
{
    CString strName = SerialPortPath(nPort);
    if (strName.IsEmpty())
        strName.Format(_T("COM%d"), nPort);
    return strName;
}

BOOL CControllerSession::OpenPort(DWORD dwBaud, int nByteSize, int nParity, int nStopBits)
{
    ClosePort();
    const CString strPath = SerialPortPath(m_nPort);
    SerialOpenStep step = SerialOpenStep::Open;
    const int nError = strPath.IsEmpty()
                           ? ENOENT
                           : m_port.Open(strPath.ToUtf8(), LineSettings(dwBaud, nByteSize, nParity, nStopBits), &step);
    if (nError == 0)
        return TRUE;
    if (step == SerialOpenStep::Open) {
        CString strText;
        strText.Format(_T("This Port is not ready!, Error Code=[%d]"), nError);
        AfxMessageBox(strText, MB_ICONERROR);
    } else {
        AfxMessageBox(OpenFailureText(step), MB_ICONERROR);
    }
    return FALSE;
}

void CControllerSession::ClosePort()
{
    if (m_port.IsOpen())
        m_port.Close();
}

BOOL CControllerSession::SendFrame(const BYTE* pBuf, int nLength, DWORD* pdwError)
{
    // The device does not block: a frame goes into the driver's buffer at once, and only a line
    // that takes no byte for a second holds this thread.
    m_port.Purge();
    const int nError = m_port.Write(pBuf, nLength);
    if (nError == 0)
        return TRUE;
    *pdwError = DWORD(nError);
    return FALSE;
}

BOOL CControllerSession::ReceiveReply(BYTE* pBuf, WORD* pwLength, DWORD* pdwError, int nTimeoutMs)
{
    const long long nStartMs = m_pClock->NowMs();
    const int nExpected = *pwLength;
    int nTotal = 0;
    ReadResult result;
    result.nError = m_port.Read(pBuf, nExpected, &result.nRead, kInlineReadMs);
    for (;;) {
        if (result.nError != 0) {
            *pdwError = DWORD(result.nError);
            return FALSE;
        }
        nTotal += result.nRead;
        if (nTotal >= nExpected)
            return TRUE;
        if (IsShortenedHandshake(pBuf, nExpected, nTotal)) {
            *pwLength = WORD(kShortHandshake);
            return TRUE;
        }
        const long long nElapsedMs = m_pClock->NowMs() - nStartMs;
        // A slow request (a module's reset) shows its waiting as progress.
        if (nTimeoutMs >= kProgressTimeoutMs)
            m_host.SetProgress(2, int(std::min<long long>(nElapsedMs, nTimeoutMs) * 100 / nTimeoutMs));
        if (nElapsedMs >= nTimeoutMs)
            break;
        // The last read ends with the time-out (on the link's clock), not up to a whole read's
        // wait after it.
        const int nReadMs = std::min(CSerialPort::kReadTimeoutMs, m_pClock->RealMs(nTimeoutMs - nElapsedMs));
        result = CBusyWait::RunElsewhere<ReadResult>([&] {
            ReadResult r;
            r.nError = m_port.Read(pBuf + nTotal, nExpected - nTotal, &r.nRead, nReadMs);
            return r;
        });
    }
    // An exception reply is shorter than every reply asked for, so it shows only now.
    CString strException;
    if (nTotal == kExceptionReplyLength && m_modbus.GetExceptionText(pBuf, nTotal, strException) != 0) {
        LogMessage(_T("Exception Code : %s,Please Check!\n"), strException);
        *pdwError = ERR_EXCEPTION_REPLY;
        return FALSE;
    }
    LogMessage(_T("Time Out! Can't Read Data in %d Seconds, Please check!\n"), nTimeoutMs / 1000);
    *pdwError = ERR_TIMEOUT;
    return FALSE;
}

BOOL CControllerSession::OpenConfiguredPort()
{
    if (m_nPort == 0)
        return FALSE;
    if (OpenPort(CONTROLLER_BAUD, 8, NOPARITY, ONESTOPBIT))
        return TRUE;
    AfxMessageBox(PortDisplayName(m_nPort) + _T(" fail to open, Please check!"));
    return FALSE;
}

BOOL CControllerSession::OpenPortForOperation()
{
    if (m_nPort == 0)
        m_host.ConfigurePort();
    return OpenConfiguredPort();
}

void CControllerSession::RunWithPort(const std::function<void()>& operation, int nWaitAfterMs)
{
    if (OpenPortForOperation()) {
        operation();
        ClosePort();
    }
    WaitLink(nWaitAfterMs);
}

void CControllerSession::WaitLink(int nMs)
{
    const int nRealMs = m_pClock->RealMs(nMs);
    CBusyWait::RunElsewhere<int>([nRealMs] {
        WaitMs(nRealMs);
        return 0;
    });
}

BOOL CControllerSession::ProbePort(DWORD* pdwError, BYTE byFlag, int nPort)
{
    const int nConfigured = m_nPort;
    m_nPort = nPort;
    // A port that does not open has failed the probe (its boxes have been shown).
    BOOL bResult = FALSE;
    if (OpenConfiguredPort()) {
        BYTE frame[kFrameBuffer];
        const int nLength = m_modbus.BuildDownloadEnd(byFlag, frame);
        if (SendFrame(frame, nLength, pdwError)) {
            BYTE reply[kEchoLength];
            WORD wLength = kEchoLength;
            bResult = ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS);
        }
        ClosePort();
    }
    m_nPort = nConfigured;
    return bResult;
}

BOOL CControllerSession::ReadDeviceInfo(BYTE* pBuf, int nSize, DWORD* pdwError)
{
    if (nSize < kDeviceInfoReplyLength) {
        *pdwError = EINVAL;
        return FALSE;
    }
    std::memset(pBuf, 0, std::size_t(nSize));
    BYTE frame[kFrameBuffer];
    const int nLength = m_modbus.BuildReadRequest(kDeviceInfoRegister, kDeviceInfoCount, frame, FC_READ_HOLDING_REGISTERS);
    if (!SendFrame(frame, nLength, pdwError))
        return FALSE;
    WORD wLength = kDeviceInfoReplyLength;
    if (!ReceiveReply(pBuf, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return FALSE;
    *pdwError = m_modbus.CheckReadReply(pBuf, wLength, FC_READ_HOLDING_REGISTERS);
    if (*pdwError == PLC_RESULT_OK)
        return TRUE;
    LogMessage(_T("%s\n"), m_modbus.GetResultText(*pdwError));
    return FALSE;
}

BOOL CControllerSession::WriteSetting(const BYTE* pData, int nLength, DWORD* pdwError, UINT nBit, UINT nMask)
{
    BYTE byFunction = 0;
    int nReplyLength = kEchoLength;
    LPCTSTR pszStart = nullptr;
    LPCTSTR pszError = nullptr;
    const bool bWifi = (nMask & kBitWifiWrite) != 0;
    if (nBit & kBitClockWrite) {
        byFunction = FC_SET_CLOCK;
        pszStart = _T("Clock Setting Starts...\n");
        pszError = _T("Clock Setting(RTU Function Code 220) Error!\n");
    } else if (nBit & kBitCalibWrite) {
        byFunction = FC_SET_CALIBRATION;
        pszStart = _T("Clock Calibration Setting Starts...\n");
        pszError = _T("Clock Calibration(RTU Function Code 234) Error!\n");
    } else if (nBit & (kBitDstWrite | kBitWifiWrite)) {
        byFunction = FC_WRITE_CONFIG;
        nReplyLength = 16;
        if (nBit & kBitDstWrite)
            pszStart = bWifi ? _T("WIFI Setup Setting Starts...\n") : _T("Summer/Winter Time Writing Starts...\n");
        pszError = bWifi ? _T("WIFI Config Setting(RTU Function Code 233) Error!\n")
                         : _T("Summer/Winter Time Setting(RTU Function Code 233) Error!\n");
    } else {
        *pdwError = EINVAL;
        return FALSE;
    }
    const WORD wRegister =
        byFunction == FC_SET_CLOCK ? WORD((pData[kClockRegisterOffset] << 8) | pData[kClockRegisterOffset + 1]) : 0;
    BYTE frame[kFrameBuffer];
    const int nFrame = m_modbus.BuildSettingFrame(pData, nLength, frame, byFunction, wRegister);
    if (nFrame == 0) {
        *pdwError = EINVAL;
        return FALSE;
    }
    if (!SendFrame(frame, nFrame, pdwError))
        return FALSE;
    if (pszStart)
        LogMessage(_T("%s"), pszStart);
    BYTE reply[kFrameBuffer];
    WORD wLength = WORD(nReplyLength);
    if (!ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return FALSE;
    if (m_modbus.CheckSettingReply(byFunction, reply, wLength))
        return TRUE;
    LogMessage(_T("%s"), pszError);
    return FALSE;
}

BOOL CControllerSession::ReadArea(BYTE* pBuf, int nBufSize, int nByteCount, DWORD* pdwError, UINT nBit)
{
    const UINT nArea = nBit & 0xFF;
    const bool bMemory = nArea == kBitDstRead;
    const int nReplyLength = nByteCount + (bMemory ? 9 : 5);
    if (nByteCount <= 0 || nByteCount > 250 || nReplyLength > nBufSize) {
        *pdwError = EINVAL;
        return FALSE;
    }
    WORD wRegister = 0;
    if (nArea == kBitClockRead)
        wRegister = kClockRegister;
    else if (nArea == kBitCalibRead)
        wRegister = kCalibRegister;
    else if (nArea == kBitWifiRead)
        wRegister = kWifiRegister;
    BYTE frame[kFrameBuffer];
    const int nFrame = bMemory ? m_modbus.BuildF9Request(MEMORY_ADDRESS_DST, BYTE(nByteCount), frame)
                               : m_modbus.BuildReadRequest(wRegister, WORD(nByteCount / 2), frame,
                                                           FC_READ_HOLDING_REGISTERS);
    std::memset(pBuf, 0, std::size_t(nBufSize));
    if (!SendFrame(frame, nFrame, pdwError))
        return FALSE;
    *pdwError = 0;
    WORD wLength = WORD(nReplyLength);
    if (!ReceiveReply(pBuf, &wLength, pdwError, SETTING_READ_TIMEOUT_MS))
        return FALSE;
    *pdwError = bMemory ? m_modbus.CheckF9Reply(pBuf, wLength, nByteCount)
                        : m_modbus.CheckReadReply(pBuf, wLength, FC_READ_HOLDING_REGISTERS);
    if (*pdwError == PLC_RESULT_OK)
        return TRUE;
    LogMessage(_T("%s\n"), m_modbus.GetResultText(*pdwError));
    return FALSE;
}

BOOL CControllerSession::ReadClock(BYTE* pBuf, int nBufSize, DWORD* pdwError)
{
    return ReadArea(pBuf, nBufSize, kClockBytes, pdwError, kClockArea);
}

BYTE CControllerSession::GetModelCode() const
{
    const CVetlaDoc* pDoc = m_host.ActiveDocument();
    return BYTE((pDoc ? pDoc->m_wHardwareCode : g_wHardwareCode) >> 8);
}
