// Device->PC: the upload handshake tells the program's sizes and whether it has a password;
// the password is asked for and sent; the image and the message texts are read in blocks of 64
// registers; the controller hears the outcome; and the image is decoded into a new FBD
// document (the host's) whose history starts at the uploaded diagram.
//
// The sizes the controller announces are checked before anything is read: a program smaller
// than buffer 0, larger than buffer 0 and the whole program area, not in whole blocks, or
// message texts that are not whole texts or more than a controller holds end the upload with
// "Project Size Error!" and the end frame carrying failure.
#include "controller/ControllerSession.h"

#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "controller/TransferSupport.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UINT IDS_UPLOAD_FAILED = 595;
constexpr UINT IDS_PROGRAM_EMPTY = 596;
constexpr UINT IDS_PROJECT_SIZE = 598;
constexpr UINT IDS_WRONG_PASSWORD = 615;
// The program size field after the handshake: no program, or sizes the upload cannot take.
constexpr int kSizeNoProgram = -1;
constexpr int kSizeError = -2;
constexpr int kPasswordRefused = 0;
constexpr int kMaxMessageTexts = 16;
constexpr WORD kNoProgramWords = 0xFFFF;

WORD ReplyWord(const BYTE* pReply, int nOffset) { return WORD(pReply[nOffset] << 8 | pReply[nOffset + 1]); }

bool SizesFit(int nProgramBytes, int nTextBytes)
{
    const int nBuffer1 = nProgramBytes - IMAGE_BUFFER0_BYTES;
    return nBuffer1 >= 0 && nBuffer1 <= IMAGE_PROGRAM_BYTES_MAX && nBuffer1 % kBlockBytes == 0 && nTextBytes >= 0 &&
           nTextBytes % IMAGE_TEXT_BLOCK_BYTES == 0 && nTextBytes <= kMaxMessageTexts * IMAGE_TEXT_BLOCK_BYTES;
}

// Reads nSize bytes from wFirstRegister into the areas in turn (buffer 0, then buffer 1 where
// the registers go on), with the progress of the whole upload.
BOOL ReadBlockRun(CControllerSession& session, BYTE byFunction, WORD wFirstRegister, std::span<BYTE> first,
              std::span<BYTE> second, int nSize, int nProgressBase, int nTotal, DWORD* pdwError)
{
    WORD wRegister = wFirstRegister;
    for (int nRead = 0; nRead < nSize;) {
        BYTE reply[kTransferFrameBytes];
        if (!ReadRegisterBlock(session, byFunction, wRegister, reply, pdwError))
            return FALSE;
        const bool bFirst = std::size_t(nRead) < first.size();
        std::span<BYTE> area = bFirst ? first : second;
        const std::size_t nOffset = bFirst ? std::size_t(nRead) : std::size_t(nRead) - first.size();
        const std::size_t nCopy = std::min<std::size_t>(reply[2], area.size() - std::min(nOffset, area.size()));
        std::memcpy(area.data() + nOffset, reply + 3, nCopy);
        nRead += kBlockBytes;
        wRegister = WORD(wRegister + kBlockBytes / 2);
        if (nTotal > 0)
            session.Host().SetProgress(2, (std::min(nRead, nSize) + nProgressBase) * 100 / nTotal);
    }
    return TRUE;
}

}  // namespace

int CControllerSession::UploadHandshake(CVetlaCoreRule* pCodec, DWORD* pdwError)
{
    BYTE info[32];
    BYTE byModel = MODEL_CODE_NEW_GENERATION;
    if (ReadDeviceInfo(info, int(sizeof info), pdwError)) {
        byModel = info[3];
    } else if (*pdwError == ERR_EXCEPTION_REPLY) {
        *pdwError = 0;
    } else {
        if (*pdwError >= ERR_TIMEOUT)
            *pdwError = ERR_REPORTED;
        return 0;
    }
    BYTE frame[kTransferFrameBytes];
    if (!SendFrame(frame, m_modbus.BuildUploadStart(frame), pdwError))
        return 0;
    LogMessage(_T("UpLoad Starts...\n"));
    BYTE reply[kTransferFrameBytes];
    WORD wLength = WORD(HandshakeReplyLength(byModel));
    if (!ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return 0;
    BOOL bPassword = FALSE;
    const DWORD dwResult = m_modbus.CheckUploadStartReply(reply, wLength, &bPassword);
    if (dwResult != PLC_RESULT_OK) {
        LogMessage(_T("RTU Function Code 102->%s\n"), m_modbus.GetResultText(dwResult));
        if (dwResult == PLC_RESULT_NO_PROGRAM)
            pCodec->m_nImageSize1 = kSizeNoProgram;
        *pdwError = 0;
        return 0;
    }
    const WORD wProgramWords = ReplyWord(reply, 13);
    pCodec->m_nImageSize1 = wProgramWords == kNoProgramWords ? 0 : 2 * int(wProgramWords);
    // Only the long reply carries the message texts' size.
    pCodec->m_nTextAreaSize = reply[3] >= MODEL_CODE_NEW_GENERATION && wLength >= 17 + 2 ? 2 * int(ReplyWord(reply, 15)) : 0;
    return bPassword ? 2 : 1;
}

BOOL CControllerSession::SendPassword(DWORD* pdwError)
{
    BYTE password[CModBus::kPasswordLength];
    std::fill(std::begin(password), std::end(password), BYTE(0xFF));
    m_nPasswordResult = m_host.AskPassword(password);
    if (m_nPasswordResult != IDOK) {
        *pdwError = 0;
        return FALSE;
    }
    for (int i = 0; i < CModBus::kPasswordLength; i += 2)
        std::swap(password[i], password[i + 1]);
    BYTE frame[kTransferFrameBytes];
    if (!SendFrame(frame, m_modbus.BuildPassword(password, frame), pdwError))
        return FALSE;
    constexpr WORD kPasswordReply = 7;
    BYTE reply[kTransferFrameBytes];
    WORD wLength = kPasswordReply;
    if (!ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return FALSE;
    if (m_modbus.CheckPasswordReply(reply, wLength))
        return TRUE;
    m_nPasswordResult = kPasswordRefused;
    *pdwError = 0;
    return FALSE;
}

BOOL CControllerSession::ReadBlocks(CVetlaCoreRule* pCodec, WORD wFirstRegister, int nSize, DWORD* pdwError, int nTotal)
{
    return ReadBlockRun(*this, FC_READ_HOLDING_REGISTERS, wFirstRegister, pCodec->Wire(0), pCodec->Wire(1), nSize, 0,
                    nTotal, pdwError);
}

BOOL CControllerSession::ReadBlocks2(CVetlaCoreRule* pCodec, WORD wFirstRegister, int nSize, DWORD* pdwError, int nTotal)
{
    return ReadBlockRun(*this, FC_READ_MSGTEXT, wFirstRegister, pCodec->WireTextArea(), {}, nSize, nTotal - nSize, nTotal,
                    pdwError);
}

BOOL CControllerSession::UploadFinish(BYTE byFlag, DWORD* pdwError, CVetlaCoreRule* pCodec)
{
    BYTE frame[kTransferFrameBytes];
    if (!SendFrame(frame, m_modbus.BuildUploadEnd(byFlag, frame), pdwError))
        return FALSE;
    BYTE reply[kTransferFrameBytes];
    WORD wLength = kEchoBytes;
    if (!ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return FALSE;
    if (!m_modbus.CheckUploadEndReply(reply, wLength, byFlag)) {
        LogMessage(_T("RTU Function Code 103 Error!\n"));
        return FALSE;
    }
    const int nSizeField = pCodec->m_nImageSize1;
    if (!byFlag && nSizeField != 0 && nSizeField != kSizeNoProgram)
        LogMessage(_T("UpLoad Fails\n"));
    else
        LogMessage(byFlag ? _T("UpLoad Succeeds\n") : _T("UpLoad Aborts\n"));
    return TRUE;
}

BOOL CControllerSession::UploadSession(CVetlaCoreRule* pCodec)
{
    DWORD dwError = 0;
    const auto data = [&]() -> BOOL {
        m_host.SetProgress(2, 0);
        const int nHandshake = UploadHandshake(pCodec, &dwError);
        if (nHandshake == 0 || (nHandshake == 2 && !SendPassword(&dwError)))
            return FALSE;
        const int nProgramBytes = pCodec->m_nImageSize1;
        const int nTextBytes = pCodec->m_nTextAreaSize;
        if (nProgramBytes == 0) {
            pCodec->m_nImageSize1 = kSizeNoProgram;
            return TRUE;
        }
        if (!SizesFit(nProgramBytes, nTextBytes)) {
            pCodec->m_nImageSize1 = kSizeError;
            dwError = 0;
            return FALSE;
        }
        pCodec->m_nImageSize1 = nProgramBytes - IMAGE_BUFFER0_BYTES;
        pCodec->AllocImageBuffers(CODEC_MODE_UPLOAD, nTextBytes / IMAGE_TEXT_BLOCK_BYTES);
        const int nTotal = nProgramBytes + nTextBytes;
        if (!ReadBlocks(pCodec, IMAGE_REGISTER_BUFFER0, nProgramBytes, &dwError, nTotal)) {
            LogMessage(_T("Read Data Error!\n"));
            return FALSE;
        }
        if (nTextBytes > 0 && !ReadBlocks2(pCodec, 0, nTextBytes, &dwError, nTotal)) {
            LogMessage(_T("Read Message Texts Data Error!\n"));
            return FALSE;
        }
        return TRUE;
    };
    SessionOutcome outcome;
    if (!data() && !outcome.StepFailed(TransferStepEnd(dwError)))
        return FALSE;
    dwError = 0;
    if (!UploadFinish(BYTE(outcome.bOk), &dwError, pCodec)) {
        if (TransferStepEnd(dwError) == StepEnd::Abort)
            return FALSE;
        outcome.bResult = FALSE;
    }
    m_host.SetProgress(outcome.bOk ? 2 : -1, outcome.bOk ? 100 : 0);
    m_bUploadRead = outcome.bOk && pCodec->m_nImageSize1 >= 0;
    return outcome.bResult;
}

BOOL CControllerSession::Upload()
{
    CVetlaCoreRule codec;
    m_bUploadRead = FALSE;
    // An answer left by an upload that ended early must not decide this one.
    m_nPasswordResult = IDOK;
    const BOOL bResult = UploadSession(&codec);
    if (!bResult) {
        m_host.SetProgress(-1, 0);
        LogMessage(_T("UpLoad Suspend!\n"));
        AfxMessageBox(IDS_LINK_CHECK, MB_ICONQUESTION);
        AfxMessageBox(IDS_UPLOAD_FAILED, MB_ICONERROR);
        return FALSE;
    }
    if (m_nPasswordResult == kPasswordRefused) {
        AfxMessageBox(IDS_WRONG_PASSWORD, MB_ICONEXCLAMATION);
        return bResult;
    }
    if (m_nPasswordResult == IDCANCEL)
        return bResult;
    if (codec.m_nImageSize1 == kSizeNoProgram)
        AfxMessageBox(IDS_PROGRAM_EMPTY, MB_ICONEXCLAMATION);
    else if (codec.m_nImageSize1 == kSizeError)
        AfxMessageBox(IDS_PROJECT_SIZE, MB_ICONEXCLAMATION);
    if (m_bUploadRead)
        m_host.OpenUploadedProgram(codec);
    return bResult;
}
