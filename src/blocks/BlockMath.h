// The integer math blocks: data array and two-value max/min/average (844, 845), random number
// (846), parity tests (860, 861), modulo and remainder (862, 863), absolute value (866), GCD
// and LCM (867, 868), fixed-point truncation and rounding (871, 872). Each computes a number
// from signed 16-bit inputs and keeps it in m_dRunTime; everything they store is in the common
// record.
#pragma once

#include "blocks/BlockWordValue.h"

// Mode (0 maximum, 1 minimum, 2 average), count, area (0 AM, 1 AQ, 2 AI) and first index of the
// data array.
constexpr int ARRMXIV_MODE_PARAM = 9;
constexpr int ARRMXIV_COUNT_PARAMEX = 1;
constexpr int ARRMXIV_AREA_PARAM = 8;
constexpr int ARRMXIV_FIRST_PARAMEX = 0;
constexpr int ACMXIV_MODE_PARAM = 9;
constexpr int RAND_RANGE_PARAM = 9;
constexpr int MOD_DIVISOR_PARAM = 9;   // MOD and REM
constexpr int FIX_DIGITS_PARAM = 10;   // FIX and ROUND

// Maximum, minimum or average over a count of analog I/O blocks of one area from a first
// index. A range that leaves no element of the area gives 0; a count outside 1-32 or an area
// word outside 0-2 from a damaged record is held to the nearest allowed one.
class CBlockARRMXIV : public CBlockWordValue {
    DECLARE_SERIAL(CBlockARRMXIV)

public:
    CBlockARRMXIV();
    explicit CBlockARRMXIV(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// Maximum, minimum or average of two analog inputs.
class CBlockACMXIV : public CBlockWordValue {
    DECLARE_SERIAL(CBlockACMXIV)

public:
    CBlockACMXIV();
    explicit CBlockACMXIV(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// A random number below the range in every scan; a range of 0 or below gives 0.
class CBlockRAND : public CBlockWordValue {
    DECLARE_SERIAL(CBlockRAND)

public:
    CBlockRAND();
    explicit CBlockRAND(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// The parity tests: no value, only the output state.
class CBlockODD : public CBlockObj {
    DECLARE_SERIAL(CBlockODD)

public:
    CBlockODD();
    explicit CBlockODD(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockEVEN : public CBlockObj {
    DECLARE_SERIAL(CBlockEVEN)

public:
    CBlockEVEN();
    explicit CBlockEVEN(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// Floored modulo and truncating remainder by the divisor. A divisor of 0 passes the input
// through; a referenced divisor of exactly 0 gives 0.
class CBlockMOD : public CBlockWordValue {
    DECLARE_SERIAL(CBlockMOD)

public:
    CBlockMOD();
    explicit CBlockMOD(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockREM : public CBlockWordValue {
    DECLARE_SERIAL(CBlockREM)

public:
    CBlockREM();
    explicit CBlockREM(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockABS : public CBlockWordValue {
    DECLARE_SERIAL(CBlockABS)

public:
    CBlockABS();
    explicit CBlockABS(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockGCD : public CBlockWordValue {
    DECLARE_SERIAL(CBlockGCD)

public:
    CBlockGCD();
    explicit CBlockGCD(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockLCM : public CBlockWordValue {
    DECLARE_SERIAL(CBlockLCM)

public:
    CBlockLCM();
    explicit CBlockLCM(int nType);

    void DrawSymbol(CDC* pDC) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// Truncation and rounding to a number of decimal digits, held to 0-5.
class CBlockFIX : public CBlockWordValue {
    DECLARE_SERIAL(CBlockFIX)

public:
    CBlockFIX();
    explicit CBlockFIX(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockROUND : public CBlockWordValue {
    DECLARE_SERIAL(CBlockROUND)

public:
    CBlockROUND();
    explicit CBlockROUND(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};
