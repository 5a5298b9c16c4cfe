// CControllerSession: the program's one link to a controller. It owns the serial port and the
// protocol object every frame is built with, and runs the exchanges and the transfer steps on
// them; what the user sees of it goes through its host (IControllerSessionHost).
//
// Every exchange runs its port input and output on a worker thread while this thread waits with
// the windows repainting and everything else held back (CBusyWait); to the caller it is one
// synchronous call. Errors are errno values, ERR_TIMEOUT or ERR_EXCEPTION_REPLY.
#pragma once

#include "controller/ControllerLink.h"
#include "controller/ControllerSessionHost.h"
#include "controller/LinkClock.h"
#include "platform/comm/SerialPort.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "protocol/ModBus.h"

#include <functional>

class CVetlaCoreRule;
class CVetlaDoc;

// Line settings of OpenPort in the classic numbering: parity 0 none, 1 odd, 2 even; stop bits
// 0 one, 2 two.
constexpr int NOPARITY = 0;
constexpr int ODDPARITY = 1;
constexpr int EVENPARITY = 2;
constexpr int ONESTOPBIT = 0;
constexpr int TWOSTOPBITS = 2;
// The line settings of every transfer operation.
constexpr DWORD CONTROLLER_BAUD = 115200;
// Reply time-outs of the controller link, in milliseconds.
constexpr int REPLY_TIMEOUT_MS = 3000;
constexpr int SETTING_READ_TIMEOUT_MS = 1000;
constexpr int FIRST_BLOCK_TIMEOUT_MS = 6000;
constexpr int REMOTE_MODULE_TIMEOUT_MS = 30000;

class CControllerSession : public IControllerLink {
public:
    explicit CControllerSession(IControllerSessionHost& host) : m_host(host) {}

    CControllerSession(const CControllerSession&) = delete;
    CControllerSession& operator=(const CControllerSession&) = delete;

    IControllerSessionHost& Host() const { return m_host; }

    // ---- the port and the exchange (ControllerSession.cpp) ----
    // The configured port number (0: none chosen yet).
    int GetPortNumber() const override { return m_nPort; }
    void SetPortNumber(int nPort) override { m_nPort = nPort; }
    // Opens the configured port with the line settings (closing it first when open); a failure
    // is shown in a box and gives FALSE with no port held.
    BOOL OpenPort(DWORD dwBaud, int nByteSize, int nParity, int nStopBits) override;
    void ClosePort() override;
    BOOL IsPortOpen() const override { return m_port.IsOpen(); }
    // Purges both directions (stale replies go) and writes the frame.
    BOOL SendFrame(const BYTE* pBuf, int nLength, DWORD* pdwError) override;
    // Reads *pwLength bytes within the time-out; a 17-byte "any machine" or older controller's
    // handshake reply where 19 were expected completes at once and sets *pwLength to 17. At the
    // time-out an exception reply is logged and gives ERR_EXCEPTION_REPLY, anything else logs
    // the time-out line and gives ERR_TIMEOUT. pBuf must hold *pwLength bytes.
    BOOL ReceiveReply(BYTE* pBuf, WORD* pwLength, DWORD* pdwError, int nTimeoutMs) override;
    BOOL ReadClock(BYTE* pBuf, int nBufSize, DWORD* pdwError) override;
    CModBus& Protocol() override { return m_modbus; }
    void Log(const CString& strLine) override { m_host.LogText(strLine); }
    // The model code of the host's active document, else that of g_wHardwareCode.
    BYTE GetModelCode() const override;

    // Appends the formatted text (complete lines ending in "\n") to the information window.
    template <class... Args>
    void LogMessage(LPCTSTR pszFormat, const Args&... args)
    {
        CString strText;
        strText.Format(pszFormat, args...);
        m_host.LogText(strText);
    }

    // Opens port nPort in place of the configured one, sends the download end frame with the
    // flag and waits 3 s for its 8-byte echo; FALSE also when the port does not open.
    BOOL ProbePort(DWORD* pdwError, BYTE byFlag, int nPort);
    // The device information (3 registers at 210); the reply's byte 3 is the model code.
    // pBuf must hold nSize >= 11 bytes.
    BOOL ReadDeviceInfo(BYTE* pBuf, int nSize, DWORD* pdwError);
    // One setting frame of the settings operation: nBit picks the function code (0x001 clock,
    // 0x010 calibration, 0x004 or 0x040 summer/winter time), nMask the texts. For the clock the
    // register field comes from pData[18..19], so pData then holds 20 bytes.
    BOOL WriteSetting(const BYTE* pData, int nLength, DWORD* pdwError, UINT nBit, UINT nMask);
    // One settings area read into pBuf: 0x02 the clock, 0x20 the calibration, 0x80 the WiFi
    // block, 0x08 the summer/winter time memory, anything else register 0. FALSE (EINVAL) when
    // the reply would not fit nBufSize.
    BOOL ReadArea(BYTE* pBuf, int nBufSize, int nByteCount, DWORD* pdwError, UINT nBit);
    // Opens the configured port for a transfer (115200 baud, 8 data bits, no parity, one stop
    // bit); FALSE, with a box, when it does not open, and FALSE when no port is configured.
    BOOL OpenConfiguredPort();
    // Asks the host for a port when none is configured, then opens it.
    BOOL OpenPortForOperation();
    // The operation between opening and closing the port, then the pause the controller needs.
    void RunWithPort(const std::function<void()>& operation, int nWaitAfterMs);
    // The device path of a port number, or "COM<n>" for a number that names none.
    static CString PortDisplayName(int nPort);
    // Tests run the link's clock this many times as fast as the steady clock, so that long
    // time-outs pass quickly; the log lines still give the time-outs as asked.
    void SetLinkTimeScale(int nScale) { m_steadyClock.SetScale(nScale); }
    // Tests that judge a time-out rule drive the link's clock themselves; nullptr goes back to
    // the steady clock. The clock must outlive its use here.
    void SetLinkClock(ILinkClock* pClock) { m_pClock = pClock ? pClock : &m_steadyClock; }
    // The link's pause: repaints go on, the time runs on the link's clock.
    void WaitLink(int nMs);

    // ---- the transfers over the open port (ControllerSessionDownload.cpp,
    // ControllerSessionUpload.cpp, ControllerSessionClear.cpp) ----
    // The checks of the active diagram before a download: blocks to send and every one
    // connected; a failure is shown in a box.
    static BOOL CheckProgramForDownload(const CVetlaDoc* pDoc);
    // PC->Device: the document encoded, written, read back and compared, and the outcome sent;
    // FALSE when the document was refused before anything was sent.
    BOOL Download(CVetlaDoc& doc);
    // Device->PC: a program read whole goes to the host to be opened; FALSE when the link
    // failed.
    BOOL Upload();
    // Clear User Program and Password, once the user confirmed it; FALSE when not confirmed.
    BOOL Clear();

private:
    BOOL DownloadSession(CVetlaCoreRule* pCodec, const CVetlaDoc& doc);
    // The clear's handshake takes whatever controller answers; the download's compares it with
    // pDoc.
    BOOL DownloadHandshake(DWORD* pdwError, WORD wFlags, const CVetlaDoc* pDoc);
    BOOL WriteBlocks(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal, DWORD* pdwError);
    BOOL VerifyBlocks(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal, DWORD* pdwError);
    BOOL WriteMessageTexts(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal, DWORD* pdwError);
    BOOL VerifyMessageTexts(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal, DWORD* pdwError);
    BOOL DownloadFinish(DWORD* pdwError, BYTE byFlag, WORD wFlags);

    BOOL UploadSession(CVetlaCoreRule* pCodec);
    // 0 failed, 1 no password, 2 password required.
    int UploadHandshake(CVetlaCoreRule* pCodec, DWORD* pdwError);
    BOOL SendPassword(DWORD* pdwError);
    BOOL ReadBlocks(CVetlaCoreRule* pCodec, WORD wFirstRegister, int nSize, DWORD* pdwError, int nTotal);
    BOOL ReadBlocks2(CVetlaCoreRule* pCodec, WORD wFirstRegister, int nSize, DWORD* pdwError, int nTotal);
    BOOL UploadFinish(BYTE byFlag, DWORD* pdwError, CVetlaCoreRule* pCodec);

    BOOL ClearSession(CVetlaCoreRule* pCodec);

    IControllerSessionHost& m_host;
    CSerialPort m_port;
    CModBus m_modbus;
    int m_nPort = 0;
    CSteadyLinkClock m_steadyClock;
    ILinkClock* m_pClock = &m_steadyClock;
    // The password dialog's last answer: 1 OK, 2 Cancel, 0 after the controller refused it.
    int m_nPasswordResult = 1;
    // The last upload read the whole program.
    BOOL m_bUploadRead = FALSE;
};
