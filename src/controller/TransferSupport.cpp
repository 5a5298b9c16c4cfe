#include "controller/TransferSupport.h"

#include "controller/ControllerSession.h"
#include "protocol/ModBus.h"

#include <algorithm>

namespace {

constexpr int kRequestBytes = 8;
constexpr int kReplyOverhead = 5;
// Per 128 bytes: a written block's request and echo, a verified block's request and reply, and
// a message-text block, which is both written and verified.
constexpr DWORD kWritePerBlock = 145;
constexpr DWORD kVerifyPerBlock = 141;
constexpr DWORD kTextPerBlock = 286;
constexpr DWORD kHandshakeAndFinish = 41;
constexpr int kShortHandshake = 17;
constexpr int kLongHandshake = 19;

}  // namespace

DWORD DownloadProgressTotal(int nImageBytes, int nTextBytes)
{
    const auto a = DWORD(nImageBytes);
    const auto m = DWORD(nTextBytes);
    return kWritePerBlock * a / kBlockBytes + kVerifyPerBlock * a / kBlockBytes + kTextPerBlock * m / kBlockBytes +
           kHandshakeAndFinish;
}

int HandshakeReplyLength(BYTE byModel)
{
    return byModel >= MODEL_CODE_NEW_GENERATION ? kLongHandshake : kShortHandshake;
}

void SwapImageWords(std::span<const BYTE> from, std::span<BYTE> to)
{
    const std::size_t n = std::min(from.size(), to.size()) & ~std::size_t(1);
    for (std::size_t i = 0; i < n; i += 2) {
        to[i] = from[i + 1];
        to[i + 1] = from[i];
    }
}

StepEnd TransferStepEnd(DWORD dwError)
{
    if (dwError == 0)
        return StepEnd::Finish;
    return dwError < ERR_REPORTED ? StepEnd::Abort : StepEnd::FinishSuspended;
}

StepEnd ClearStepEnd(DWORD dwError)
{
    return dwError == 0 || dwError > ERR_TIMEOUT ? StepEnd::Finish : StepEnd::Abort;
}

BOOL ReadRegisterBlock(CControllerSession& session, BYTE byFunction, WORD wRegister, BYTE* pReply, DWORD* pdwError)
{
    BYTE request[kTransferFrameBytes];
    const int nRequest = session.Protocol().BuildReadRequest(wRegister, kBlockBytes / 2, request, byFunction);
    if (!session.SendFrame(request, nRequest, pdwError))
        return FALSE;
    WORD wLength = kBlockBytes + kReplyOverhead;
    if (!session.ReceiveReply(pReply, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return FALSE;
    const DWORD dwResult = session.Protocol().CheckReadReply(pReply, wLength, byFunction);
    if (dwResult == PLC_RESULT_OK)
        return TRUE;
    session.LogMessage(_T("%s\n"), session.Protocol().GetResultText(dwResult));
    *pdwError = dwResult;
    return FALSE;
}

BOOL BlockTransfer::Run(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwError)
{
    WORD wRegister = wFirstRegister;
    for (int nDone = 0; nDone < nSize; nDone += kBlockBytes) {
        const int nBytes = std::min(kBlockBytes, nSize - nDone);
        const int nTimeout = nDone == 0 ? m_pass.nFirstTimeoutMs : REPLY_TIMEOUT_MS;
        const BOOL bOk = m_pass.bVerify ? VerifyBlock(pData + nDone, wRegister, nBytes, pdwError)
                                        : WriteBlock(pData + nDone, wRegister, nBytes, nTimeout, pdwError);
        if (!bOk)
            return FALSE;
        wRegister = WORD(wRegister + kBlockBytes / 2);
        Report();
    }
    return TRUE;
}

BOOL BlockTransfer::WriteBlock(const BYTE* pData, WORD wRegister, int nBytes, int nTimeoutMs, DWORD* pdwError)
{
    BYTE request[kTransferFrameBytes];
    const int nRequest = m_session.Protocol().BuildWriteMultiple(wRegister, WORD(nBytes / 2), pData, request, m_pass.byFunction);
    if (!m_session.SendFrame(request, nRequest, pdwError))
        return FALSE;
    *m_pdwCounter += DWORD(nRequest);
    // The echo's content is not examined: the read-back decides.
    BYTE echo[kTransferFrameBytes];
    WORD wLength = kEchoBytes;
    if (!m_session.ReceiveReply(echo, &wLength, pdwError, nTimeoutMs))
        return FALSE;
    *m_pdwCounter += wLength;
    return TRUE;
}

BOOL BlockTransfer::VerifyBlock(const BYTE* pData, WORD wRegister, int nBytes, DWORD* pdwError)
{
    BYTE reply[kTransferFrameBytes];
    *m_pdwCounter += kRequestBytes;
    if (!ReadRegisterBlock(m_session, m_pass.byFunction, wRegister, reply, pdwError))
        return FALSE;
    const int nCount = std::min<int>(reply[2], nBytes);
    *m_pdwCounter += DWORD(reply[2] + kReplyOverhead);
    const BYTE* pRead = reply + 3;
    const auto mismatch = std::mismatch(pData, pData + nCount, pRead);
    if (mismatch.first == pData + nCount && nCount == nBytes)
        return TRUE;
    const int nIndex = int(mismatch.first - pData);
    if (m_pass.byFunction == FC_READ_MSGTEXT && wRegister == 0) {
        const BYTE byPcNext = nIndex + 1 < nBytes ? pData[nIndex + 1] : 0;
        const BYTE byDeviceNext = nIndex + 1 < nCount ? pRead[nIndex + 1] : 0;
        m_session.LogMessage(_T("Data mismatch! The Block data's [%d]th byte not match,PC=>[0x%02X%2X],Controller=>[0x%02X%2X]\n"),
                           nIndex, pData[nIndex], byPcNext, nIndex < nCount ? pRead[nIndex] : 0, byDeviceNext);
    }
    m_session.LogMessage(_T("%s"), m_pass.pszMismatch);
    *pdwError = 0;
    return FALSE;
}

void BlockTransfer::Report()
{
    if (m_dwTotal > 0)
        m_session.Host().SetProgress(2, int(*m_pdwCounter * 100 / m_dwTotal));
}
