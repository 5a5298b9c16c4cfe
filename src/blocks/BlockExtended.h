// The special blocks (847-856): memory, encoder, stepping motor and pulse train (each with an
// edge variant), 7-segment display, word to bit, user-defined communication and CRC-16. Their
// settings live in the common parameter words, so they store the common record only.
#pragma once

#include "blocks/BlockObj.h"

// The 7-segment code of a hexadecimal digit (bit 0 segment a .. bit 6 segment g); only the low
// four bits of the digit count.
BYTE SegmentPattern(int nDigit);

// The encoder's On and Off counts, its start value, the value its reset input sets (a word of
// its own, which the simulation start does not use) and its input pair (0: I0 and I1, else I2
// and I3).
constexpr int ENCODER_ON_PARAM = 9;
constexpr int ENCODER_OFF_PARAMEX = 1;
constexpr int ENCODER_START_PARAM = 7;
constexpr int ENCODER_RESET_VALUE_PARAM = 8;
constexpr int ENCODER_PAIR_PARAMEX = 6;

// The pulse blocks' run: its rate (the stepping motor's speed, the pulse train's pulse width;
// reference 1) and, for the edge variants, its length (steps, number of pulses; reference 0).
constexpr int PULSE_RATE_PARAMEX = 1;
constexpr int PULSE_LENGTH_PARAMEX = 6;
// The stepping motor's mode (0 half step, 1 full step, else two steps; the edge variant's finer
// rate while set) and output group (0 Q0-Q3, else Q4-Q7); the pulse train's output Q.
constexpr int SMC_MODE_PARAM = 9;
constexpr int SMC_PINS_PARAM = 8;
constexpr int PTO_PIN_PARAM = 8;

constexpr int WORD2BIT_BIT_PARAM = 9;

// The user-defined communication's cycle and port, and for each direction (TX send, RX
// receive) the start and end characters with their flags, the data area (kind), the number of the
// first data word and the word count. The program image sends the port in the block's constant
// word and pairs each direction's first word with its count.
constexpr int UDC_CYCLE_PARAM = 10;
constexpr int UDC_PORT_PARAMEX = 2;
constexpr int UDC_TX_START_FLAG_PARAM = 4;
constexpr int UDC_TX_END_FLAG_PARAM = 2;
constexpr int UDC_TX_START_CHARACTER_PARAM = 9;
constexpr int UDC_TX_END_CHARACTER_PARAMEX = 1;
constexpr int UDC_TX_AREA_PARAMEX = 6;
constexpr int UDC_TX_NUMBER_PARAM = 5;
constexpr int UDC_TX_WORDS_PARAMEX = 8;
constexpr int UDC_RX_START_FLAG_PARAMEX = 4;
constexpr int UDC_RX_END_FLAG_PARAM = 3;
constexpr int UDC_RX_START_CHARACTER_PARAM = 8;
constexpr int UDC_RX_END_CHARACTER_PARAMEX = 0;
constexpr int UDC_RX_AREA_PARAMEX = 5;
constexpr int UDC_RX_NUMBER_PARAM = 6;
constexpr int UDC_RX_WORDS_PARAMEX = 7;

// The memory block's source: the index of its line in the page's block list (the block itself
// is m_pRefBlock[0]) and the index of the value within that block.
constexpr int MEM_BLOCK_INDEX_PARAM = 9;
constexpr int MEM_VALUE_INDEX_PARAM = 8;

// The CRC's data source (0: the analog flags, the only one simulated), first index and count.
constexpr int CRC16_SOURCE_PARAM = 8;
constexpr int CRC16_START_PARAMEX = 0;
constexpr int CRC16_COUNT_PARAMEX = 1;

class CBlockMEM : public CBlockObj {
    DECLARE_SERIAL(CBlockMEM)

public:
    CBlockMEM();
    explicit CBlockMEM(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockENCODER : public CBlockObj {
    DECLARE_SERIAL(CBlockENCODER)

public:
    CBlockENCODER();
    explicit CBlockENCODER(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // Counts the coincident pulses of two inputs (I1 and I2, or I3 and I4) and switches on
    // its On and Off counts; input 0 resets the count to its start value.
    BOOL Simulate(const CSimContext* pSim) override;
    // Counts from its start value.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
};

class CBlockSMC : public CBlockObj {
    DECLARE_SERIAL(CBlockSMC)

public:
    CBlockSMC();
    explicit CBlockSMC(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // The output follows input 0 on its changes.
    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockSMCE : public CBlockObj {
    DECLARE_SERIAL(CBlockSMCE)

public:
    CBlockSMCE();
    explicit CBlockSMCE(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // Starts on a rising input 0, stops on a rising input 1 or when its run is over, and is
    // held off while input 1 is on.
    BOOL Simulate(const CSimContext* pSim) override;
    // TRUE once the run has lasted its limit; the running time then stops at the limit.
    virtual BOOL IsTimeUp(const CSimContext* pSim);
};

class CBlockPTO : public CBlockObj {
    DECLARE_SERIAL(CBlockPTO)

public:
    CBlockPTO();
    explicit CBlockPTO(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // The output follows input 0 on its changes.
    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockPTOE : public CBlockObj {
    DECLARE_SERIAL(CBlockPTOE)

public:
    CBlockPTOE();
    explicit CBlockPTOE(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // The edge-triggered run of CBlockSMCE with the pulse train's own limit.
    BOOL Simulate(const CSimContext* pSim) override;
    void ResetForRun(const SYSTEMTIME& stNow) override;
    virtual BOOL IsTimeUp(const CSimContext* pSim);
};

class CBlockSEG : public CBlockObj {
    DECLARE_SERIAL(CBlockSEG)

public:
    CBlockSEG();
    explicit CBlockSEG(int nType);

    void DrawSymbol(CDC* pDC) const override;

    // The 7-segment pattern of the low digit of input 1 while input 0 enables it, else 0.
    BOOL Simulate(const CSimContext* pSim) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
};

class CBlockWORD2BIT : public CBlockObj {
    DECLARE_SERIAL(CBlockWORD2BIT)

public:
    CBlockWORD2BIT();
    explicit CBlockWORD2BIT(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // The output is one bit of the input word; TRUE when the bit number or the word changed
    // since the last step.
    BOOL Simulate(const CSimContext* pSim) override;

    // The bit number and the input word of the last step: run-time state, not stored.
    int m_nLastBit = 0;
    int m_nLastWord = 0;
};

class CBlockUDC : public CBlockObj {
    DECLARE_SERIAL(CBlockUDC)

public:
    CBlockUDC();
    explicit CBlockUDC(int nType);

    void DrawSymbol(CDC* pDC) const override;
};

class CBlockCRC16 : public CBlockObj {
    DECLARE_SERIAL(CBlockCRC16)

public:
    CBlockCRC16();
    explicit CBlockCRC16(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // While enabled, the CRC-16 of a run of analog flags' values, else 0.
    BOOL Simulate(const CSimContext* pSim) override;
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;
};
