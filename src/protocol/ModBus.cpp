#include "protocol/ModBus.h"

#include "protocol/Crc16.h"

#include <iterator>

IMPLEMENT_DYNAMIC(CModBus, CObject)

namespace {

constexpr UINT kResultTextBuckets = 14;
constexpr LPCTSTR kResultTexts[] = {
    _T("OK!"),
    _T("Receive Length Error!"),
    _T("Device ID Error!"),
    _T("Function Code Error!"),
    _T("Address Error!"),
    _T("Register Number Error!"),
    _T("Check Sum Error!"),
    _T("Machine type mismatch Error!"),
    _T("Machine version mismatch Error!"),
    _T("No program!"),
    _T("Invalid password Error!"),
    _T("Exception Error!"),
    _T("Memory Card version mismatch Error!"),
};

// The controller's spelling of the Modbus exception names, codes 1 to 11.
constexpr LPCTSTR kExceptionNames[] = {
    _T("ILLEGAL FUNCTION"),
    _T("ILLIGAL DATA ADDRESS"),
    _T("ILLIGAL DATA VALUE"),
    _T("SLAVE DEVICE FAILURE"),
    _T("ACKNOWLEDGE"),
    _T("SLAVE DEVICE BUSY"),
    _T("NEGATIVE ACKNOWLEDGE"),
    _T("MEMORY PARITY ERROR"),
    _T("UNDEFINED"),
    _T("GATEWAY PATH UNAVAILABLE"),
    _T("GATEWAY TARGET DEVICE FAILED TO RESPOND"),
};

// Version floors of the upload handshake by generation.
constexpr WORD kNewGenerationVersion = 0xC100;
constexpr WORD kOldGenerationVersion = 0xB100;
constexpr BYTE kOldestModelCode = 0x11;
// The download handshake's length byte of a 17-byte reply; with a new-generation project it
// marks a memory card of the wrong version.
constexpr BYTE kShortHandshakeCount = 12;

// Handshake replies: the fields up to the program size (bytes 13-14) must be there.
constexpr int kDownloadStartMinLength = 9;
constexpr int kUploadStartMinLength = 17;
constexpr int kEndReplyLength = 8;
constexpr int kPasswordReplyLength = 7;
constexpr int kF9HeaderAndCrc = 9;

WORD Word(const BYTE* p) { return WORD((unsigned(p[0]) << 8) | p[1]); }

void PutWord(BYTE* p, WORD w)
{
    p[0] = BYTE(w >> 8);
    p[1] = BYTE(w & 0xFF);
}

// A reply whose byte count (reply[2]) plus the five bytes of slave, function, count and CRC
// is exactly what was received.
bool CountMatchesLength(const BYTE* pReply, int nLength)
{
    return pReply && nLength >= 5 && int(pReply[2]) + 5 == nLength;
}

}  // namespace

CModBus::CModBus() { InitResultTexts(); }

WORD CModBus::CalcCRC(const BYTE* pData, int n) const { return ModbusCrc16(pData, n); }

int CModBus::AppendCRC(BYTE* pBuf, int n) const
{
    const int nBody = int(unsigned(n) & 0xFFU);
    if (nBody > kMaxFrameBody)
        return -1;
    PutWord(pBuf + nBody, CalcCRC(pBuf, nBody));
    return 0;
}

BOOL CModBus::CrcMatches(const BYTE* pReply, int nLength) const
{
    return nLength >= 2 && CalcCRC(pReply, nLength - 2) == Word(pReply + nLength - 2);
}

int CModBus::BuildReadRequest(WORD wRegister, WORD wCount, BYTE* pBuf, BYTE byFunction) const
{
    pBuf[0] = m_bySlave;
    pBuf[1] = byFunction;
    PutWord(pBuf + 2, wRegister);
    PutWord(pBuf + 4, wCount);
    AppendCRC(pBuf, 6);
    return 8;
}

int CModBus::BuildF9Request(DWORD dwAddress, BYTE byLength, BYTE* pBuf) const
{
    pBuf[0] = m_bySlave;
    pBuf[1] = FC_READ_MEMORY;
    PutWord(pBuf + 2, WORD(dwAddress >> 16));
    PutWord(pBuf + 4, WORD(dwAddress & 0xFFFF));
    pBuf[6] = byLength;
    AppendCRC(pBuf, 7);
    return 9;
}

int CModBus::BuildWriteMultiple(WORD wRegister, WORD wCount, const BYTE* pData, BYTE* pBuf, BYTE byFunction) const
{
    const int nBytes = 2 * int(wCount);
    if (nBytes + 7 > kMaxFrameBody)
        return 0;
    pBuf[0] = m_bySlave;
    pBuf[1] = byFunction;
    PutWord(pBuf + 2, wRegister);
    PutWord(pBuf + 4, wCount);
    pBuf[6] = BYTE(nBytes);
    for (int i = 0; i < nBytes; ++i)
        pBuf[7 + i] = pData[i];
    AppendCRC(pBuf, nBytes + 7);
    return nBytes + 9;
}

int CModBus::BuildWriteSingle(WORD wRegister, const BYTE* pTwoBytes, BYTE* pBuf, BYTE byFunction) const
{
    pBuf[0] = m_bySlave;
    pBuf[1] = byFunction;
    PutWord(pBuf + 2, wRegister);
    pBuf[4] = pTwoBytes[0];
    pBuf[5] = pTwoBytes[1];
    AppendCRC(pBuf, 6);
    return 8;
}

int CModBus::BuildFlagFrame(BYTE byFunction, BYTE byFlag, BYTE* pBuf) const
{
    const BYTE frame[] = {m_bySlave, byFunction, 0, 0, 0, byFlag};
    for (int i = 0; i < 6; ++i)
        pBuf[i] = frame[i];
    AppendCRC(pBuf, 6);
    return 8;
}

int CModBus::BuildDownloadStart(BYTE* pBuf) const { return BuildFlagFrame(FC_DOWNLOAD_START, 1, pBuf); }

int CModBus::BuildDownloadEnd(BYTE byFlag, BYTE* pBuf) const { return BuildFlagFrame(FC_DOWNLOAD_END, byFlag, pBuf); }

int CModBus::BuildUploadStart(BYTE* pBuf) const { return BuildFlagFrame(FC_UPLOAD_START, 1, pBuf); }

int CModBus::BuildUploadEnd(BYTE byFlag, BYTE* pBuf) const { return BuildFlagFrame(FC_UPLOAD_END, byFlag, pBuf); }

int CModBus::BuildPassword(const BYTE* pEightBytes, BYTE* pBuf) const
{
    const BYTE header[] = {m_bySlave, FC_PASSWORD, 0, 0, 0, 4, kPasswordLength};
    for (int i = 0; i < 7; ++i)
        pBuf[i] = header[i];
    for (int i = 0; i < kPasswordLength; ++i)
        pBuf[7 + i] = pEightBytes[i];
    AppendCRC(pBuf, 7 + kPasswordLength);
    return 9 + kPasswordLength;
}

int CModBus::BuildSettingFrame(const BYTE* pData, int n, BYTE* pBuf, BYTE byFunction, WORD wRegister) const
{
    int nHeader = 0;
    if (byFunction == FC_SET_CLOCK)
        nHeader = 7;
    else if (byFunction == FC_WRITE_CONFIG || byFunction == FC_SET_CALIBRATION)
        nHeader = 2;
    if (nHeader == 0 || n < 0 || nHeader + n > kMaxFrameBody)
        return 0;
    pBuf[0] = m_bySlave;
    pBuf[1] = byFunction;
    if (byFunction == FC_SET_CLOCK) {
        PutWord(pBuf + 2, wRegister);
        PutWord(pBuf + 4, WORD(n / 2));
        pBuf[6] = BYTE(n);
    }
    for (int i = 0; i < n; ++i)
        pBuf[nHeader + i] = pData[i];
    AppendCRC(pBuf, nHeader + n);
    return nHeader + n + 2;
}

void CModBus::MakePasswordBytes(const CString& strPassword, BYTE* pEightBytes)
{
    for (int i = 0; i < kPasswordLength; ++i)
        pEightBytes[i] = 0xFF;
    for (int i = 0; i < kPasswordLength && i < strPassword.GetLength(); ++i)
        pEightBytes[i] = BYTE(strPassword[i] & 0xFF);
    // The controller keeps the password as 16-bit words, high byte first.
    for (int i = 0; i < kPasswordLength; i += 2) {
        const BYTE byFirst = pEightBytes[i];
        pEightBytes[i] = pEightBytes[i + 1];
        pEightBytes[i + 1] = byFirst;
    }
}

DWORD CModBus::CheckReadReply(const BYTE* pReply, int nLength, BYTE byFunction) const
{
    if (!CountMatchesLength(pReply, nLength))
        return PLC_RESULT_LENGTH;
    if (pReply[0] != m_bySlave)
        return PLC_RESULT_DEVICE_ID;
    if (pReply[1] != byFunction)
        return PLC_RESULT_FUNCTION_CODE;
    return CrcMatches(pReply, nLength) ? PLC_RESULT_OK : PLC_RESULT_CHECKSUM;
}

DWORD CModBus::CheckF9Reply(const BYTE* pReply, int nLength, int nDataLength) const
{
    if (!pReply || nDataLength < 0 || nLength != nDataLength + kF9HeaderAndCrc)
        return PLC_RESULT_LENGTH;
    if (pReply[0] != m_bySlave)
        return PLC_RESULT_DEVICE_ID;
    if (pReply[1] != FC_READ_MEMORY)
        return PLC_RESULT_FUNCTION_CODE;
    const DWORD dwAddress = (DWORD(Word(pReply + 2)) << 16) | Word(pReply + 4);
    if (dwAddress != MEMORY_ADDRESS_DST && dwAddress != MEMORY_ADDRESS_ALT)
        return PLC_RESULT_ADDRESS;
    return CrcMatches(pReply, nLength) ? PLC_RESULT_OK : PLC_RESULT_CHECKSUM;
}

DWORD CModBus::CheckDownloadStartReply(const BYTE* pReply, int nLength, const DownloadExpectation& expect) const
{
    if (!CountMatchesLength(pReply, nLength) || nLength < kDownloadStartMinLength)
        return PLC_RESULT_LENGTH;
    if (pReply[0] != m_bySlave)
        return PLC_RESULT_DEVICE_ID;
    if (pReply[1] != FC_DOWNLOAD_START)
        return PLC_RESULT_FUNCTION_CODE;
    const WORD wType = Word(pReply + 3);
    const WORD wVersion = Word(pReply + 7);
    if (wType == MACHINE_TYPE_ANY) {
        // A clear takes whatever controller answers, unchecked.
        if (expect.wFlags == HANDSHAKE_CLEAR)
            return PLC_RESULT_OK;
        if (pReply[2] == kShortHandshakeCount && expect.wVersion >= kNewGenerationVersion)
            return PLC_RESULT_CARD_VERSION;
    } else {
        if (pReply[3] != BYTE(expect.wMachineType >> 8))
            return PLC_RESULT_MACHINE_TYPE;
        if (wVersion < expect.wVersion)
            return PLC_RESULT_MACHINE_VERSION;
    }
    return CrcMatches(pReply, nLength) ? PLC_RESULT_OK : PLC_RESULT_CHECKSUM;
}

DWORD CModBus::CheckUploadStartReply(const BYTE* pReply, int nLength, BOOL* pbPassword) const
{
    if (pbPassword)
        *pbPassword = FALSE;
    if (!CountMatchesLength(pReply, nLength) || nLength < kUploadStartMinLength)
        return PLC_RESULT_LENGTH;
    if (!CrcMatches(pReply, nLength))
        return PLC_RESULT_CHECKSUM;
    if (pReply[0] != m_bySlave)
        return PLC_RESULT_DEVICE_ID;
    if (pReply[1] != FC_UPLOAD_START)
        return PLC_RESULT_FUNCTION_CODE;
    if (Word(pReply + 3) != MACHINE_TYPE_ANY) {
        const BYTE byModel = pReply[3];
        const WORD wVersion = Word(pReply + 7);
        if (byModel < kOldestModelCode)
            return PLC_RESULT_MACHINE_TYPE;
        const WORD wFloor = byModel >= MODEL_CODE_NEW_GENERATION ? kNewGenerationVersion : kOldGenerationVersion;
        if (wVersion < wFloor)
            return PLC_RESULT_MACHINE_VERSION;
    }
    const WORD wWords = Word(pReply + 13);
    if (wWords == 0 || wWords == 0xFFFF)
        return PLC_RESULT_NO_PROGRAM;
    // The program is read in blocks of 128 bytes.
    if ((2 * unsigned(wWords)) % 128 != 0)
        return PLC_RESULT_INVALID_PASSWORD;
    const WORD wPassword = Word(pReply + 11);
    if (pbPassword)
        *pbPassword = wPassword != 0 && wPassword != 0xFFFF;
    return PLC_RESULT_OK;
}

BOOL CModBus::CheckEndReply(const BYTE* pReply, int nLength, BYTE byFunction, BYTE byFlag) const
{
    return pReply && nLength == kEndReplyLength && pReply[0] == m_bySlave && pReply[1] == byFunction &&
           pReply[2] == 0 && pReply[3] == 0 && pReply[4] == 0 && pReply[5] == byFlag &&
           CrcMatches(pReply, nLength);
}

BOOL CModBus::CheckDownloadEndReply(const BYTE* pReply, int nLength, BYTE byFlag) const
{
    return CheckEndReply(pReply, nLength, FC_DOWNLOAD_END, byFlag);
}

BOOL CModBus::CheckUploadEndReply(const BYTE* pReply, int nLength, BYTE byFlag) const
{
    return CheckEndReply(pReply, nLength, FC_UPLOAD_END, byFlag);
}

BOOL CModBus::CheckPasswordReply(const BYTE* pReply, int nLength) const
{
    // The controller's password reply is taken without its CRC.
    return pReply && nLength == kPasswordReplyLength && pReply[0] == m_bySlave && pReply[1] == FC_PASSWORD &&
           pReply[2] == 2 && pReply[3] == 0 && pReply[4] == 0;
}

BOOL CModBus::CheckSettingReply(BYTE byFunction, const BYTE* pReply, int nLength) const
{
    if (!pReply)
        return FALSE;
    switch (byFunction) {
    case FC_SET_CLOCK: {
        if (nLength != 8 || pReply[0] != m_bySlave || pReply[1] != FC_SET_CLOCK || pReply[4] != 0)
            return FALSE;
        // The register count written follows the clock record of the model.
        const BYTE byModel = pReply[2];
        if (byModel >= MODEL_CODE_NEW_GENERATION && pReply[5] != 7)
            return FALSE;
        if (byModel >= kOldestModelCode && byModel < MODEL_CODE_NEW_GENERATION && pReply[5] != 6)
            return FALSE;
        break;
    }
    case FC_SET_CALIBRATION:
        if (nLength != 8 || pReply[0] != m_bySlave || pReply[1] != FC_SET_CALIBRATION)
            return FALSE;
        break;
    case FC_WRITE_CONFIG:
        if (nLength != 16 || pReply[0] != m_bySlave || pReply[1] != FC_WRITE_CONFIG)
            return FALSE;
        break;
    default:
        return FALSE;
    }
    return CrcMatches(pReply, nLength);
}

int CModBus::GetExceptionText(const BYTE* pReply, int nLength, CString& strText) const
{
    if (!pReply || nLength < 3 || !(pReply[1] & FC_EXCEPTION_FLAG))
        return 0;
    const int nCode = pReply[2];
    if (nCode == 0)
        return 0;
    strText.Format(_T("No=%d->"), nCode);
    if (nCode <= int(std::size(kExceptionNames)))
        strText += kExceptionNames[nCode - 1];
    return nCode;
}

void CModBus::InitResultTexts()
{
    m_mapResultText.RemoveAll();
    m_mapResultText.InitHashTable(kResultTextBuckets);
    for (UINT nCode = 0; nCode < UINT(std::size(kResultTexts)); ++nCode)
        m_mapResultText.SetAt(nCode, kResultTexts[nCode]);
}

CString CModBus::GetResultText(DWORD dwCode) const
{
    CString strText;
    m_mapResultText.Lookup(UINT(dwCode), strText);
    return strText;
}
