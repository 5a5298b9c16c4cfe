// IControllerLink: what the controller-link dialogs that talk to a controller themselves (the
// online I/O status monitor) need of the program's one serial port. The controller session
// (CControllerSession) owns the port and its protocol object and implements this interface, so
// that every frame still goes through the session's own exchange code.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

class CModBus;

class IControllerLink {
public:
    virtual ~IControllerLink() = default;

    // The chosen port's number (COM1 = 1; 0 for none); the transfers use it afterwards too.
    virtual int GetPortNumber() const = 0;
    virtual void SetPortNumber(int nPort) = 0;
    // Opens the chosen port with these line settings (parity 0 none, 1 odd, 2 even; stop bits 0
    // one, 2 two); a failure has shown its box and holds no port.
    virtual BOOL OpenPort(DWORD dwBaud, int nByteSize, int nParity, int nStopBits) = 0;
    virtual void ClosePort() = 0;
    virtual BOOL IsPortOpen() const = 0;
    // One frame out, and one reply of *pwLength bytes in within the time-out.
    virtual BOOL SendFrame(const BYTE* pBuf, int nLength, DWORD* pdwError) = 0;
    virtual BOOL ReceiveReply(BYTE* pBuf, WORD* pwLength, DWORD* pdwError, int nTimeoutMs) = 0;
    // The controller clock's six registers from 301 (year, month, day, hour, minute, second),
    // the whole checked reply in pBuf with the data from byte 3.
    virtual BOOL ReadClock(BYTE* pBuf, int nBufSize, DWORD* pdwError) = 0;
    // The protocol object every frame is built with (its slave address included).
    virtual CModBus& Protocol() = 0;
    // One line (ending in "\n") for the information window.
    virtual void Log(const CString& strLine) = 0;
    // The model code of the project in front (the high byte of its hardware code).
    virtual BYTE GetModelCode() const = 0;
};
