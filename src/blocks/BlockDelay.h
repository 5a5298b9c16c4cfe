// The six delay timers of the timer family: On-Delay (400), Off-Delay (401), On-/Off-Delay
// (402), Retentive On-Delay (403), Wiping Relay with pulse output (404) and Edge Triggered
// Wiping Relay (405). T, TH and TL are parameter pins holding the ON and OFF setpoints.
#pragma once

#include "blocks/BlockTime.h"

class CBlockDPR : public CBlockTime {
    DECLARE_SERIAL(CBlockDPR)

public:
    CBlockDPR();
    explicit CBlockDPR(int nType);
};

class CBlockDDR : public CBlockTime {
    DECLARE_SERIAL(CBlockDDR)

public:
    CBlockDDR();
    explicit CBlockDDR(int nType);
};

class CBlockMPLR : public CBlockTime {
    DECLARE_SERIAL(CBlockMPLR)

public:
    CBlockMPLR();
    explicit CBlockMPLR(int nType);
};

class CBlockPLR : public CBlockTime {
    DECLARE_SERIAL(CBlockPLR)

public:
    CBlockPLR();
    explicit CBlockPLR(int nType);
};

class CBlockCPG : public CBlockTime {
    DECLARE_SERIAL(CBlockCPG)

public:
    CBlockCPG();
    explicit CBlockCPG(int nType);
};

class CBlockRPR : public CBlockTime {
    DECLARE_SERIAL(CBlockRPR)

public:
    CBlockRPR();
    explicit CBlockRPR(int nType);

    // High pulses given since the trigger (starting at -1) and the pulse count parameter
    // taken at the trigger; run-time only.
    int m_nPulseCount = 0;
    int m_nPulseTotal = 0;
};
