#include "shell/MainFrameLink.h"

#include "blocks/BlockObj.h"
#include "controller/IOStatus.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "shell/MainFrame.h"

namespace {

// The settings area of ReadArea that is the clock: six registers from 301.
constexpr UINT kClockArea = 0x002;
constexpr int kClockBytes = 12;

}  // namespace

int CMainFrameLink::GetPortNumber() const { return m_frame.m_nComPort; }

void CMainFrameLink::SetPortNumber(int nPort) { m_frame.m_nComPort = nPort; }

BOOL CMainFrameLink::OpenPort(DWORD dwBaud, int nByteSize, int nParity, int nStopBits)
{
    m_frame.m_bPortOpen = m_frame.OpenComPort(dwBaud, nByteSize, nParity, nStopBits);
    return m_frame.m_bPortOpen;
}

void CMainFrameLink::ClosePort()
{
    m_frame.CloseComPort();
    m_frame.m_bPortOpen = FALSE;
}

BOOL CMainFrameLink::IsPortOpen() const { return m_frame.IsComPortOpen(); }

BOOL CMainFrameLink::SendFrame(const BYTE* pBuf, int nLength, DWORD* pdwError)
{
    return m_frame.SendFrame(pBuf, nLength, pdwError);
}

BOOL CMainFrameLink::ReceiveReply(BYTE* pBuf, WORD* pwLength, DWORD* pdwError, int nTimeoutMs)
{
    return m_frame.ReceiveReply(pBuf, pwLength, pdwError, nTimeoutMs);
}

BOOL CMainFrameLink::ReadClock(BYTE* pBuf, int nBufSize, DWORD* pdwError)
{
    return m_frame.ReadArea(pBuf, nBufSize, kClockBytes, pdwError, kClockArea);
}

CModBus& CMainFrameLink::Protocol() { return m_frame.m_modbus; }

void CMainFrameLink::Log(const CString& strLine) { m_frame.LogMessage(_T("%s"), strLine); }

BYTE CMainFrameLink::GetModelCode() const
{
    const CVetlaView* pView = m_frame.GetActiveView();
    const CVetlaDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    return BYTE((pDoc ? pDoc->m_wHardwareCode : g_wHardwareCode) >> 8);
}

INT_PTR RunIOStatusMonitor(CMainFrame& frame)
{
    CMainFrameLink link(frame);
    CIOStatus dlg(link, &frame);
    return dlg.DoModal();
}
