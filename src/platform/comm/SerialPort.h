// CSerialPort: one serial device opened by its path (a UART, a USB adapter, a pseudo-terminal),
// exclusively, in raw mode with the line settings the caller gives. Reads follow the controller
// link's port time-outs: a read returns when all requested bytes have arrived or when the read
// time-out (100 ms from the start of the call) has run out, whichever comes first. Time is taken
// from the steady clock, so that a change of the system time does not stretch or cut a wait.
// Every failure is an errno value; the object does no locking (one thread uses it at a time).
#pragma once

#include "platform/core/Types.h"

#include <string>

enum class SerialParity { None = 0, Odd = 1, Even = 2 };

struct SerialLineSettings {
    DWORD dwBaud = 115200;   // 1200 .. 921600
    int nDataBits = 8;       // 7 or 8
    SerialParity parity = SerialParity::None;
    int nStopBits = 1;       // 1 or 2
};

// The step of opening that failed, for the message the caller shows.
enum class SerialOpenStep { None, Open, Timeouts, GetState, SetState };

class CSerialPort {
public:
    static constexpr int kReadTimeoutMs = 100;

    CSerialPort() = default;
    ~CSerialPort() { Close(); }
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device (closing one held before), makes it raw with the settings, purges both
    // directions and raises DTR. 0, or the errno of the step *pFailedStep names; nothing stays
    // open on failure.
    int Open(const std::string& strPath, const SerialLineSettings& settings, SerialOpenStep* pFailedStep = nullptr);
    // Lowers DTR, purges both directions and closes; nothing when no device is open.
    void Close();
    BOOL IsOpen() const { return m_fd >= 0; }

    // Drops what was received and not read, and what was written and not sent.
    int Purge();
    // Pseudo-terminals have no modem lines; DTR is then simply not there.
    void SetDtr(BOOL bRaise);
    // Writes all n bytes: 0, or the errno (ETIMEDOUT when the line takes no byte for a second).
    int Write(const BYTE* pData, int n);
    // Reads up to n bytes into pData within the read time-out (or a shorter one); *pnRead tells
    // how many came. 0, or the errno (EIO when the other end has gone).
    int Read(BYTE* pData, int n, int* pnRead, int nTimeoutMs = kReadTimeoutMs);

private:
    int Configure(const SerialLineSettings& settings, SerialOpenStep* pFailedStep);

    int m_fd = -1;
};

// A line setting the port does not know gives EINVAL from Open (step SetState).
BOOL IsSupportedBaudRate(DWORD dwBaud);
