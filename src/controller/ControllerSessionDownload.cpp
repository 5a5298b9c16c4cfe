// PC->Device: the active diagram checked, encoded into the program image, written to the
// controller in blocks of 64 registers (buffer 0 from 0x8C00, buffer 1 from 0xA000, the
// message texts with their own function code), read back after the controller's pause and
// compared byte by byte, and ended with the outcome the controller keeps. The clear operation
// uses the same handshake, write, verify and finish.
#include "controller/ControllerSession.h"

#include "blocks/BlockMR.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/ImageEncoder.h"
#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "document/BlockNumbering.h"
#include "document/LogoBitmap.h"
#include "document/VetlaDoc.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Runtime.h"
#include "protocol/PlcOperation.h"
#include "controller/TransferSupport.h"

#include <cstring>

namespace {

constexpr UINT IDS_NO_BLOCKS = 601;
constexpr UINT IDS_NOT_CONNECTED = 607;
constexpr UINT IDS_DOWNLOAD_FAILED = 594;
// The controller takes its time to store the program before it is read back.
constexpr int kPauseBeforeVerifyMs = 5000;
constexpr int kModbusMasterMode = 1;
constexpr int kFirstFunctionBlock = 9000;

// Coil operands a ladder contact may read (relay coils, analog outputs of the ladder).
bool IsCoilOperand(int nOperand)
{
    return (nOperand >= 21000 && nOperand <= 21767) || (nOperand >= 22000 && nOperand <= 22543);
}
bool IsFunctionBlockNumber(int nNumber) { return nNumber >= kFirstFunctionBlock && nNumber <= 10999; }

bool OutputsConnected(const CBlockObj& block)
{
    for (int i = 0; i < block.m_nOutputs; ++i) {
        if (block.m_nPinSource[BLOCK_FIRST_OUTPUT + i] == 0)
            return false;
    }
    return true;
}

template <class Visit>
void ForEachBlock(const CVetlaDoc& doc, Visit visit)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        visit(*static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos)));
}

bool IsFbdOutput(int nType)
{
    switch (nType) {
    case BT_OUT: case BT_OPENX: case BT_FLAG: case BT_ANALOG_OUT: case BT_ANALOG_FLAG: case BT_DATALOG:
    case BT_WIFI_OUT: case BT_WIFI_AOUT:
        return true;
    default:
        return false;
    }
}

// Every block either is an output or passes all its outputs on; at least one output.
bool FbdConnected(const CVetlaDoc& doc)
{
    int nOutputs = 0;
    bool bFailed = false;
    ForEachBlock(doc, [&](const CBlockObj& block) {
        if (bFailed)
            return;
        if (IsFbdOutput(block.m_nType))
            ++nOutputs;
        else
            bFailed = !OutputsConnected(block);
    });
    return nOutputs > 0 && !bFailed;
}

bool IsContact(int nType) { return nType == BT_MAKE || nType == BT_BREAK || nType == BT_ACONTACT; }

bool ContactConnected(const CBlockObj& contact)
{
    if (IsCoilOperand(contact.m_nOperand))
        return true;
    if (IsFunctionBlockNumber(contact.m_nOperand))
        return contact.m_nPinSource[BLOCK_FIRST_OUTPUT] != 0 || contact.m_nPinSource[0] != LINK_OPEN;
    return OutputsConnected(contact);
}

// A function block of a ladder works through the contacts that read it.
bool FunctionBlockRead(const CVetlaDoc& doc, const CBlockObj& block)
{
    bool bRead = false;
    ForEachBlock(doc, [&](const CBlockObj& element) {
        bRead = bRead || (element.m_nOperand == block.m_nNumber && element.m_nPinSource[BLOCK_FIRST_OUTPUT] != 0 &&
                          (element.m_nType == BT_ACONTACT || element.m_nPinSource[0] != LINK_OPEN));
    });
    return bRead;
}

bool LadderConnected(const CVetlaDoc& doc)
{
    int nOutputs = 0;
    bool bFailed = false;
    ForEachBlock(doc, [&](const CBlockObj& block) {
        if (bFailed || block.m_nType == BT_MALE || block.m_nType == BT_FEMALE)
            return;
        if (block.m_nType == BT_RELAY_COIL || block.m_nType == BT_INV_OUT || block.m_nType == BT_AOUT_LAD ||
            block.m_nType == BT_DATALOG)
            ++nOutputs;
        else if (IsContact(block.m_nType))
            bFailed = !ContactConnected(block);
        else if (GetBlockCategory(block.m_nType) == BLOCK_CATEGORY_FUNCTION)
            bFailed = !FunctionBlockRead(doc, block);
    });
    return nOutputs > 0 && !bFailed;
}

// The Modbus blocks send on their port as the controller's master.
const CBlockMR* ModbusBlockWithoutMaster(const CVetlaDoc& doc)
{
    const CBlockMR* pFound = nullptr;
    ForEachBlock(doc, [&](const CBlockObj& block) {
        const auto* pModbus = dynamic_cast<const CBlockMR*>(&block);
        if (pFound || !pModbus)
            return;
        const int nPort = pModbus->m_nPort;
        if (nPort < 0 || nPort >= COM_PORT_COUNT || doc.m_settings.com[nPort].nModel != kModbusMasterMode)
            pFound = pModbus;
    });
    return pFound;
}

int CountMessageTexts(const CVetlaDoc& doc)
{
    int nTexts = 0;
    ForEachBlock(doc, [&](const CBlockObj& block) { nTexts += block.m_nType == BT_MSGTEXT ? 1 : 0; });
    return nTexts;
}

// The start-up logo: the project's logo file (inverted when the project asks for it), else an
// uploaded logo that no logo file replaced. A logo file that is no bitmap the controller can
// show is named and left out; a name that names no file (a project may hold a company's name
// there) is left out without a word.
void PutLogo(const CVetlaDoc& doc, CVetlaCoreRule& codec)
{
    constexpr int kLogoFirstByte = 2;
    constexpr int kLogoFlagByte = 1022;
    std::span<BYTE> lc = codec.Section("LC");
    BYTE* pLogo = lc.data() + kLogoFirstByte;
    const CString& strFile = doc.m_settings.strLogoFile;
    const LogoLoad result = strFile.IsEmpty() ? LogoLoad::CannotOpen : LoadLogoBitmap(strFile, pLogo);
    if (result == LogoLoad::BadFormat)
        AfxMessageBox(LogoFormatMessage(strFile, TRUE), MB_ICONEXCLAMATION);
    if (result == LogoLoad::Ok) {
        if (doc.m_settings.bLogoInverse)
            InvertLogoImage(pLogo);
        lc[kLogoFlagByte] = 1;
        return;
    }
    if (!doc.m_bHasUploadedLogo || !doc.m_pUploadedLogo || !doc.m_settings.strLogoFile.IsEmpty())
        return;
    std::memcpy(pLogo, doc.m_pUploadedLogo.get(), UPLOADED_LOGO_SIZE);
    lc[kLogoFlagByte] = 1;
}

}  // namespace

BOOL CControllerSession::CheckProgramForDownload(const CVetlaDoc* pDoc)
{
    if (!pDoc)
        return FALSE;
    if (pDoc->CountNonConnectorBlocks() == 0) {
        AfxMessageBox(IDS_NO_BLOCKS, MB_ICONERROR);
        return FALSE;
    }
    if (pDoc->IsLadder() ? LadderConnected(*pDoc) : FbdConnected(*pDoc))
        return TRUE;
    AfxMessageBox(IDS_NOT_CONNECTED, MB_ICONERROR);
    return FALSE;
}

BOOL CControllerSession::Download(CVetlaDoc& doc)
{
    if (const CBlockMR* pModbus = ModbusBlockWithoutMaster(doc)) {
        CString strText;
        strText.Format(_T("Error!, Modbus Block B%d's Port Setting Should be Master, Please Check!"),
                       pModbus->m_nNumber - kFirstFunctionBlock);
        AfxMessageBox(strText, MB_ICONERROR);
        return FALSE;
    }
    // The handshake compares the controller with the project being sent.
    g_wHardwareCode = doc.m_wHardwareCode;
    const BOOL bNewGeneration = doc.IsNewGenerationDoc();
    doc.UpdateSpecialBlockSizes();
    CVetlaCoreRule codec;
    codec.m_pDoc = &doc;
    if (!codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, bNewGeneration ? CountMessageTexts(doc) : 0)) {
        AfxMessageBox(IDS_ENCODE_INTERNAL_ERROR, MB_ICONERROR);
        return FALSE;
    }
    // A document the encoder refuses (a limit broken, a block it cannot express) sends nothing.
    SYSTEMTIME stNow{};
    GetLocalTime(&stNow);
    const EncodeResult encoded = BuildProgramImage(codec, stNow);
    if (!encoded.bOk) {
        if (!encoded.strMessage.IsEmpty())
            AfxMessageBox(encoded.strMessage, MB_ICONERROR);
        else
            AfxMessageBox(encoded.nMessageId ? encoded.nMessageId : IDS_ENCODE_INTERNAL_ERROR, MB_ICONERROR);
        return FALSE;
    }
    PutLogo(doc, codec);
    WriteImageChecksums(codec, bNewGeneration);
    for (int i = 0; i < 2; ++i)
        SwapImageWords(codec.Image(i), codec.Wire(i));
    SwapImageWords(codec.TextArea(), codec.WireTextArea());
    if (!DownloadSession(&codec, doc)) {
        m_host.SetProgress(-1, 0);
        LogMessage(_T("DownLoad Suspend!\n"));
        AfxMessageBox(IDS_LINK_CHECK, MB_ICONQUESTION);
        AfxMessageBox(IDS_DOWNLOAD_FAILED, MB_ICONERROR);
    }
    return TRUE;
}

BOOL CControllerSession::DownloadSession(CVetlaCoreRule* pCodec, const CVetlaDoc& doc)
{
    const int nImageBytes = IMAGE_BUFFER0_BYTES + pCodec->m_nImageSize1;
    const int nTextBytes = int(pCodec->WireTextArea().size());
    const DWORD dwTotal = DownloadProgressTotal(nImageBytes, nTextBytes);
    DWORD dwCounter = 0;
    DWORD dwError = 0;
    const BYTE* pBuffer0 = pCodec->Wire(0).data();
    const BYTE* pBuffer1 = pCodec->Wire(1).data();
    const BYTE* pTexts = pCodec->WireTextArea().data();
    const auto data = [&]() -> BOOL {
        m_host.SetProgress(2, 0);
        if (!DownloadHandshake(&dwError, HANDSHAKE_DOWNLOAD, &doc))
            return FALSE;
        dwCounter = kProgressAfterHandshake;
        if (!WriteBlocks(pBuffer0, IMAGE_REGISTER_BUFFER0, IMAGE_BUFFER0_BYTES, &dwCounter, dwTotal, &dwError) ||
            !WriteBlocks(pBuffer1, IMAGE_REGISTER_BUFFER1, pCodec->m_nImageSize1, &dwCounter, dwTotal, &dwError)) {
            LogMessage(_T("Write Data Error!\n"));
            return FALSE;
        }
        if (nTextBytes > 0 && !WriteMessageTexts(pTexts, 0, nTextBytes, &dwCounter, dwTotal, &dwError)) {
            LogMessage(_T("Write Data Error!\n"));
            return FALSE;
        }
        WaitLink(kPauseBeforeVerifyMs);
        if (!VerifyBlocks(pBuffer0, IMAGE_REGISTER_BUFFER0, IMAGE_BUFFER0_BYTES, &dwCounter, dwTotal, &dwError) ||
            !VerifyBlocks(pBuffer1, IMAGE_REGISTER_BUFFER1, pCodec->m_nImageSize1, &dwCounter, dwTotal, &dwError)) {
            LogMessage(_T("Verify Data Error!\n"));
            return FALSE;
        }
        if (nTextBytes > 0 && !VerifyMessageTexts(pTexts, 0, nTextBytes, &dwCounter, dwTotal, &dwError)) {
            LogMessage(_T("Verify Message Texts Data Error!\n"));
            return FALSE;
        }
        return TRUE;
    };
    SessionOutcome outcome;
    if (!data() && !outcome.StepFailed(TransferStepEnd(dwError)))
        return FALSE;
    dwError = 0;
    if (!DownloadFinish(&dwError, BYTE(outcome.bOk), HANDSHAKE_DOWNLOAD)) {
        if (TransferStepEnd(dwError) == StepEnd::Abort)
            return FALSE;
        outcome.bResult = FALSE;
    }
    m_host.SetProgress(outcome.bOk ? 2 : -1, outcome.bOk ? 100 : 0);
    return outcome.bResult;
}

BOOL CControllerSession::DownloadHandshake(DWORD* pdwError, WORD wFlags, const CVetlaDoc* pDoc)
{
    BYTE info[32];
    BYTE byModel = MODEL_CODE_NEW_GENERATION;
    if (ReadDeviceInfo(info, int(sizeof info), pdwError)) {
        byModel = info[3];
    } else if (*pdwError == ERR_EXCEPTION_REPLY) {
        // A controller that answers the query with an exception is taken for the newer kind.
        *pdwError = 0;
    } else {
        if (*pdwError > ERR_TIMEOUT)
            LogMessage(_T("%s\n"), m_modbus.GetResultText(*pdwError - ERR_TIMEOUT));
        if (*pdwError >= ERR_TIMEOUT)
            *pdwError = ERR_REPORTED;
        return FALSE;
    }
    const bool bClear = (wFlags & HANDSHAKE_CLEAR) != 0;
    if (!bClear && byModel != BYTE(g_wHardwareCode >> 8)) {
        LogMessage(_T("%s\n"), m_modbus.GetResultText(PLC_RESULT_MACHINE_TYPE));
        *pdwError = ERR_REPORTED;
        return FALSE;
    }
    WORD wLength = WORD(HandshakeReplyLength(byModel));
    BYTE frame[kTransferFrameBytes];
    if (!SendFrame(frame, m_modbus.BuildDownloadStart(frame), pdwError))
        return FALSE;
    LogMessage(bClear ? _T("Clear Program and Password Starts...\n") : _T("DownLoad Starts...\n"));
    BYTE reply[kTransferFrameBytes];
    if (!ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS))
        return FALSE;
    DownloadExpectation expect;
    expect.wFlags = wFlags;
    if (bClear) {
        // Whatever controller answers is cleared.
        expect.wMachineType = WORD(reply[3] << 8 | reply[4]);
        expect.wVersion = WORD(reply[7] << 8 | reply[8]);
    } else {
        expect.wMachineType = pDoc ? pDoc->m_wHardwareCode : g_wHardwareCode;
        expect.wSecond = pDoc ? pDoc->m_wHardwareCode2 : 0;
        expect.wVersion = pDoc ? pDoc->m_wFirmwareWord : 0;
    }
    const DWORD dwResult = m_modbus.CheckDownloadStartReply(reply, wLength, expect);
    if (dwResult == PLC_RESULT_OK)
        return TRUE;
    LogMessage(_T("RTU Function Code 100(0x64) Error->%s\n"), m_modbus.GetResultText(dwResult));
    *pdwError = 0;
    return FALSE;
}

BOOL CControllerSession::WriteBlocks(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal,
                             DWORD* pdwError)
{
    return BlockTransfer{*this, {FC_WRITE_MULTIPLE_REGISTERS, false, FIRST_BLOCK_TIMEOUT_MS, nullptr}, pdwCounter, dwTotal}
        .Run(pData, wFirstRegister, nSize, pdwError);
}

BOOL CControllerSession::WriteMessageTexts(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal,
                                   DWORD* pdwError)
{
    return BlockTransfer{*this, {FC_WRITE_MSGTEXT, false, REPLY_TIMEOUT_MS, nullptr}, pdwCounter, dwTotal}
        .Run(pData, wFirstRegister, nSize, pdwError);
}

BOOL CControllerSession::VerifyBlocks(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter, DWORD dwTotal,
                              DWORD* pdwError)
{
    return BlockTransfer{*this, {FC_READ_HOLDING_REGISTERS, true, REPLY_TIMEOUT_MS, _T("PC and Device Data Mismatch!\n")},
                         pdwCounter, dwTotal}
        .Run(pData, wFirstRegister, nSize, pdwError);
}

BOOL CControllerSession::VerifyMessageTexts(const BYTE* pData, WORD wFirstRegister, int nSize, DWORD* pdwCounter,
                                    DWORD dwTotal, DWORD* pdwError)
{
    return BlockTransfer{*this,
                         {FC_READ_MSGTEXT, true, REPLY_TIMEOUT_MS, _T("Message Text : PC and Device Data Mismatch!\n")},
                         pdwCounter, dwTotal}
        .Run(pData, wFirstRegister, nSize, pdwError);
}

BOOL CControllerSession::DownloadFinish(DWORD* pdwError, BYTE byFlag, WORD wFlags)
{
    BYTE frame[kTransferFrameBytes];
    if (!SendFrame(frame, m_modbus.BuildDownloadEnd(byFlag, frame), pdwError))
        return FALSE;
    BYTE reply[kTransferFrameBytes];
    WORD wLength = kEchoBytes;
    if (!ReceiveReply(reply, &wLength, pdwError, REPLY_TIMEOUT_MS)) {
        LogMessage(_T("RTU Function Code 101(0x65) Receive Error!\n"));
        return FALSE;
    }
    if (!m_modbus.CheckDownloadEndReply(reply, wLength, byFlag)) {
        LogMessage(_T("RTU Function Code 101(0x65) Error!\n"));
        return FALSE;
    }
    const bool bClear = (wFlags & HANDSHAKE_CLEAR) != 0;
    if (byFlag)
        LogMessage(bClear ? _T("Clear Program and Password Succeeds\n") : _T("DownLoad Succeeds\n"));
    else
        LogMessage(bClear ? _T("Clear Program and Password Fails\n") : _T("DownLoad Fails\n"));
    return TRUE;
}
