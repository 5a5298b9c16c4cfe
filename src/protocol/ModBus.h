// CModBus: the protocol object of the controller link. Frames are Modbus RTU (slave address,
// function code, payload, CRC-16); besides the standard function codes the controller has codes
// of its own for the download and upload handshakes, the program password, the message-text
// area, the clock, the summer/winter time rule, the calibration and raw memory reads. The object
// builds requests and checks replies but does no input or output itself. The CRC is also what the
// CRC-16 function block computes in a simulation.
//
// Byte order on the wire: every 16-bit field goes high byte first, except the CRC, which goes low
// byte first; 32-bit memory addresses go most significant byte first. Buffers are the caller's
// and must hold the whole frame.
//
// Every check first compares the received length with the reply's layout and reads nothing
// beyond the bytes received, whatever they hold: a short or garbled reply gives a result code,
// never a read past the caller's data.
#pragma once

#include "platform/core/Map.h"
#include "platform/core/Object.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

// The outcomes of the reply checks; each has its text in the result-text map.
enum PlcResultCode : DWORD {
    PLC_RESULT_OK = 0,
    PLC_RESULT_LENGTH = 1,
    PLC_RESULT_DEVICE_ID = 2,
    PLC_RESULT_FUNCTION_CODE = 3,
    PLC_RESULT_ADDRESS = 4,
    PLC_RESULT_REGISTER_COUNT = 5,
    PLC_RESULT_CHECKSUM = 6,
    PLC_RESULT_MACHINE_TYPE = 7,
    PLC_RESULT_MACHINE_VERSION = 8,
    PLC_RESULT_NO_PROGRAM = 9,
    PLC_RESULT_INVALID_PASSWORD = 10,
    PLC_RESULT_EXCEPTION = 11,
    PLC_RESULT_CARD_VERSION = 12,
};
// Error values of the transfer operations that have no text: the failure was already written to
// the information window; no complete reply within the time-out; a Modbus exception reply.
constexpr DWORD ERR_REPORTED = 8900;
constexpr DWORD ERR_TIMEOUT = 9000;
constexpr DWORD ERR_EXCEPTION_REPLY = 9011;

// Function codes.
constexpr BYTE FC_READ_COILS = 1;
constexpr BYTE FC_READ_DISCRETE_INPUTS = 2;
constexpr BYTE FC_READ_HOLDING_REGISTERS = 3;
constexpr BYTE FC_READ_INPUT_REGISTERS = 4;
constexpr BYTE FC_WRITE_SINGLE_REGISTER = 6;
constexpr BYTE FC_WRITE_MULTIPLE_REGISTERS = 16;
constexpr BYTE FC_DOWNLOAD_START = 100;
constexpr BYTE FC_DOWNLOAD_END = 101;
constexpr BYTE FC_UPLOAD_START = 102;
constexpr BYTE FC_UPLOAD_END = 103;
constexpr BYTE FC_PASSWORD = 110;
constexpr BYTE FC_WRITE_MSGTEXT = 120;
constexpr BYTE FC_READ_MSGTEXT = 121;
constexpr BYTE FC_SET_CLOCK = 220;
constexpr BYTE FC_WRITE_CONFIG = 233;
constexpr BYTE FC_SET_CALIBRATION = 234;
constexpr BYTE FC_READ_MEMORY = 249;
// Bit 7 of the function code marks an exception reply.
constexpr BYTE FC_EXCEPTION_FLAG = 0x80;

// The machine type word of the handshake replies that stands for "any controller": such a reply
// is always 17 bytes long.
constexpr WORD MACHINE_TYPE_ANY = 0x8899;
// Model codes from this one on are the newer generation (19-byte handshake replies).
constexpr BYTE MODEL_CODE_NEW_GENERATION = 0x51;
// The two memory addresses a function-249 reply may name.
constexpr DWORD MEMORY_ADDRESS_DST = 0x200004B8;
constexpr DWORD MEMORY_ADDRESS_ALT = 0x100013E0;
// Operation flags of the download handshake.
constexpr WORD HANDSHAKE_DOWNLOAD = 1;
constexpr WORD HANDSHAKE_CLEAR = 4;

// What the download handshake expects of the controller.
struct DownloadExpectation {
    WORD wMachineType = 0;  // the project's hardware code
    WORD wSecond = 0;       // not compared
    WORD wVersion = 0;      // the project's firmware word
    WORD wFlags = 0;        // HANDSHAKE_DOWNLOAD or HANDSHAKE_CLEAR
};

class CModBus : public CObject {
    DECLARE_DYNAMIC(CModBus)

public:
    // The frame limit of AppendCRC: at most 159 bytes before the CRC.
    static constexpr int kMaxFrameBody = 159;
    static constexpr int kPasswordLength = 8;

    CModBus();
    CModBus(const CModBus&) = delete;
    CModBus& operator=(const CModBus&) = delete;

    // The CRC-16 of the frames (ModbusCrc16, protocol/Crc16.h).
    WORD CalcCRC(const BYTE* pData, int n) const;
    // Writes the CRC of the first n bytes (n modulo 256) at buf[n] and buf[n + 1]: 0, or -1
    // with nothing written when n is 160 or more.
    int AppendCRC(BYTE* pBuf, int n) const;

    // ---- requests: each fills the buffer from byte 0 and returns the bytes to send ----
    int BuildReadRequest(WORD wRegister, WORD wCount, BYTE* pBuf, BYTE byFunction) const;
    int BuildF9Request(DWORD dwAddress, BYTE byLength, BYTE* pBuf) const;
    // 0, with nothing written, for more registers than one frame holds.
    int BuildWriteMultiple(WORD wRegister, WORD wCount, const BYTE* pData, BYTE* pBuf, BYTE byFunction) const;
    int BuildWriteSingle(WORD wRegister, const BYTE* pTwoBytes, BYTE* pBuf, BYTE byFunction) const;
    int BuildDownloadStart(BYTE* pBuf) const;
    int BuildDownloadEnd(BYTE byFlag, BYTE* pBuf) const;
    int BuildUploadStart(BYTE* pBuf) const;
    int BuildUploadEnd(BYTE byFlag, BYTE* pBuf) const;
    int BuildPassword(const BYTE* pEightBytes, BYTE* pBuf) const;
    // Function 220 carries a register field and a count, 233 and 234 the data alone; 0 for any
    // other function code or for more data than one frame holds.
    int BuildSettingFrame(const BYTE* pData, int n, BYTE* pBuf, BYTE byFunction, WORD wRegister) const;
    // The eight password bytes as the controller takes them: the low byte of each typed
    // character (at most eight), 0xFF after the text, the two bytes of every pair swapped.
    static void MakePasswordBytes(const CString& strPassword, BYTE* pEightBytes);

    // ---- reply checks: result codes, or TRUE/FALSE ----
    DWORD CheckReadReply(const BYTE* pReply, int nLength, BYTE byFunction) const;
    // nDataLength: the L bytes that the request asked for.
    DWORD CheckF9Reply(const BYTE* pReply, int nLength, int nDataLength) const;
    DWORD CheckDownloadStartReply(const BYTE* pReply, int nLength, const DownloadExpectation& expect) const;
    // 0 for a good reply, with *pbPassword telling whether the program has a password; any
    // other result leaves *pbPassword FALSE.
    DWORD CheckUploadStartReply(const BYTE* pReply, int nLength, BOOL* pbPassword) const;
    BOOL CheckDownloadEndReply(const BYTE* pReply, int nLength, BYTE byFlag) const;
    BOOL CheckUploadEndReply(const BYTE* pReply, int nLength, BYTE byFlag) const;
    BOOL CheckPasswordReply(const BYTE* pReply, int nLength) const;
    BOOL CheckSettingReply(BYTE byFunction, const BYTE* pReply, int nLength) const;

    // For an exception reply (bit 7 of reply[1]) sets the text to "No=<code>->" and the
    // exception's name and returns the code (reply[2]); 0, text untouched, for any other reply
    // (an exception code of 0 counts as none) and for fewer than three bytes.
    int GetExceptionText(const BYTE* pReply, int nLength, CString& strText) const;

    // Empties the result-text map and enters the texts of codes 0 to 12.
    void InitResultTexts();
    // The text of a result code; empty for a code without one.
    CString GetResultText(DWORD dwCode) const;

    // The slave address that every frame begins with.
    BYTE m_bySlave = 0;

private:
    BOOL CrcMatches(const BYTE* pReply, int nLength) const;
    int BuildFlagFrame(BYTE byFunction, BYTE byFlag, BYTE* pBuf) const;
    BOOL CheckEndReply(const BYTE* pReply, int nLength, BYTE byFunction, BYTE byFlag) const;

    CMap<UINT, UINT, CString, LPCTSTR> m_mapResultText{10};
};
