// The Modbus master blocks, Modbus Read and Modbus Write. Each holds one Modbus
// transaction that the controller sends on one of its serial ports to a slave.
#pragma once

#include "blocks/BlockObj.h"

// The Modbus page's lists that the stored indexes select from.
constexpr int MODBUS_COMMAND_COUNT = 4;   // four function codes per block type
constexpr int MODBUS_KIND_COUNT = 3;      // M/Q/I or AM/AQ/AI
constexpr int MODBUS_CYCLE_PARAM = 10;

// The port of a Modbus block that has none set yet ("No Setting").
constexpr int MODBUS_NO_PORT = -1;

// The function code that command nCommand (0-3) of a read (813) or write (814) block sends.
BYTE ModbusFunctionCode(int nType, int nCommand);
// Whether a function code reads or writes coils (bits) rather than registers.
bool IsModbusCoilFunction(BYTE byFunction);
// In Auto mode the data address is the data number plus its kind's offset: M, Q, I for the
// coil commands, AM, AQ, AI for the register commands.
constexpr int MODBUS_COIL_OFFSETS[MODBUS_KIND_COUNT] = {384, 256, 0};
constexpr int MODBUS_REGISTER_OFFSETS[MODBUS_KIND_COUNT] = {596, 564, 500};

class CBlockMR : public CBlockObj {
    DECLARE_SERIAL(CBlockMR)

public:
    CBlockMR();
    explicit CBlockMR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // Common record, then the Modbus fields. A load refuses a port (other than "No Setting"),
    // command or data-kind index outside its list with the archive's generic error: the
    // download and the program image index tables with them.
    void Serialize(CArchive& ar) override;
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;
    // The output follows input 0 while input 1 is off, and is off while input 1 is on.
    BOOL Simulate(const CSimContext* pSim) override;
    // Either line starts the read block at the first data kind.
    void AdaptToOlderLine() override;
    void AdaptToNewerLine() override;

    BYTE m_bySlave = 1;          // slave address
    BYTE m_byCommand = 0;        // command index
    BYTE m_byFunction = 0;       // function code
    BYTE m_byMode = 0;           // writing mode: 0 auto, 1 manual
    int m_nPort = 0;             // port: COM0 .. COM2, or MODBUS_NO_PORT
    WORD m_wRegister = 0;        // register address
    WORD m_wCount = 1;           // count
    // The data address in the kind's area, or in manual writing the first and second data
    // words.
    WORD m_wFirstData = 0;
    WORD m_wSecondData = 0;
    WORD m_wDataNumber = 0;      // the data block's number within its kind
    int m_nDataKind = 0;         // data kind index
    // The manual data words as typed, in hex digits.
    CString m_strFirstData = _T("0");
    CString m_strSecondData = _T("0");

private:
    void CheckIndexes() const;
};

class CBlockMW : public CBlockMR {
    DECLARE_SERIAL(CBlockMW)

public:
    CBlockMW();
    explicit CBlockMW(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // The older line starts it at the first data kind as it does the read block; the newer line
    // gives pins 8 and 9 their fixed roles, starting at the first data kind when they had others.
    void AdaptToNewerLine() override;
};
