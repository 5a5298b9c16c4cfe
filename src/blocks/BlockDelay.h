// The six delay timers of the timer family: On-Delay (400), Off-Delay (401), On-/Off-Delay
// (402), Retentive On-Delay (403), Wiping Relay with pulse output (404) and Edge Triggered
// Wiping Relay (405). T, TH and TL are parameter pins holding the ON and OFF setpoints; the
// Off-Delay times its delay with the ON setpoint T.
//
// Working fields: m_bTiming is the timing flag of each; the On-/Off-Delay keeps its OFF-timing
// flag in m_nWork[0] and its OFF-done flag in m_nWork[1]; the edge triggered wiping relay uses
// m_bTiming as its active flag, m_nWork[0] as its phase (1: output low, timed by TL) and
// m_nWork[1] as its triggered flag.
#pragma once

#include "blocks/BlockTime.h"

// The edge triggered wiping relay's pulse count less one.
constexpr int RPR_PULSES_PARAMEX = 3;

class CBlockDPR : public CBlockTime {
    DECLARE_SERIAL(CBlockDPR)

public:
    CBlockDPR();
    explicit CBlockDPR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockDDR : public CBlockTime {
    DECLARE_SERIAL(CBlockDDR)

public:
    CBlockDDR();
    explicit CBlockDDR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockMPLR : public CBlockTime {
    DECLARE_SERIAL(CBlockMPLR)

public:
    CBlockMPLR();
    explicit CBlockMPLR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockPLR : public CBlockTime {
    DECLARE_SERIAL(CBlockPLR)

public:
    CBlockPLR();
    explicit CBlockPLR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockCPG : public CBlockTime {
    DECLARE_SERIAL(CBlockCPG)

public:
    CBlockCPG();
    explicit CBlockCPG(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockRPR : public CBlockTime {
    DECLARE_SERIAL(CBlockRPR)

public:
    CBlockRPR();
    explicit CBlockRPR(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    BOOL Simulate(const CSimContext* pSim) override;

    // High pulses given since the trigger (starting at -1) and the pulse count parameter
    // taken at the trigger; run-time only.
    int m_nPulseCount = 0;
    int m_nPulseTotal = 0;
};
