// The Modbus master blocks: 813 Modbus Read and 814 Modbus Write. Each holds one Modbus
// transaction that the controller sends on one of its serial ports to a slave.
#pragma once

#include "blocks/BlockObj.h"

// The Modbus page's lists that the stored indexes select from.
constexpr int MODBUS_COMMAND_COUNT = 4;   // four function codes per block type
constexpr int MODBUS_KIND_COUNT = 3;      // M/Q/I or AM/AQ/AI
constexpr int MODBUS_CYCLE_PARAM = 10;

// The port of a Modbus block that has none set yet ("No Setting").
constexpr int MODBUS_NO_PORT = -1;

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

    BYTE m_byModbus1 = 1;    // slave address
    BYTE m_byModbus2 = 0;    // command index
    BYTE m_byModbus3 = 0;    // function code
    BYTE m_byModbus4 = 0;    // writing mode: 0 auto, 1 manual
    int m_nModbus5 = 0;      // port: COM0 .. COM2, or MODBUS_NO_PORT
    WORD m_wModbus6 = 0;     // register address
    WORD m_wModbus7 = 1;     // count
    WORD m_wModbus8 = 0;     // data address, or first data word
    WORD m_wModbus9 = 0;
    WORD m_wModbus10 = 0;
    int m_nModbus11 = 0;     // data kind index
    CString m_strModbus12 = _T("0");
    CString m_strModbus13 = _T("0");

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
};
