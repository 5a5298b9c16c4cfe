// CMainFrameLink: the main frame's serial port as the controller-link dialogs see it
// (IControllerLink). It adds no exchange code of its own: every call is the frame's.
#pragma once

#include "controller/ControllerLink.h"

class CMainFrame;

class CMainFrameLink : public IControllerLink {
public:
    explicit CMainFrameLink(CMainFrame& frame) : m_frame(frame) {}

    int GetPortNumber() const override;
    void SetPortNumber(int nPort) override;
    // Also what the frame remembers of its port: open after a success, closed after a failure.
    BOOL OpenPort(DWORD dwBaud, int nByteSize, int nParity, int nStopBits) override;
    void ClosePort() override;
    BOOL IsPortOpen() const override;
    BOOL SendFrame(const BYTE* pBuf, int nLength, DWORD* pdwError) override;
    BOOL ReceiveReply(BYTE* pBuf, WORD* pwLength, DWORD* pdwError, int nTimeoutMs) override;
    BOOL ReadClock(BYTE* pBuf, int nBufSize, DWORD* pdwError) override;
    CModBus& Protocol() override;
    void Log(const CString& strLine) override;
    // The active view's document's model code, else that of g_wHardwareCode.
    BYTE GetModelCode() const override;

private:
    CMainFrame& m_frame;
};

// The I/O status monitor on the frame's port, modal; what its DoModal gave.
INT_PTR RunIOStatusMonitor(CMainFrame& frame);
