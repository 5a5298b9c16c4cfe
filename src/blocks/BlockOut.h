// The blocks at the output edge of a diagram: digital outputs Q (605), open connectors X
// (606), flags M (607), analog outputs AQ (609) and analog flags AM (610). They are scanned
// last and copy the state or value of the block that feeds them; Q and AQ show it in the
// Outputs bar.
#pragma once

#include "blocks/BlockObj.h"

class CBlockOut : public CBlockObj {
    DECLARE_SERIAL(CBlockOut)

public:
    CBlockOut() = default;
    explicit CBlockOut(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
};

// An open connector ends a wire without an output of its own.
class CBlockOpenX : public CBlockObj {
    DECLARE_SERIAL(CBlockOpenX)

public:
    CBlockOpenX() = default;
    explicit CBlockOpenX(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
};

class CBlockFlag : public CBlockObj {
    DECLARE_SERIAL(CBlockFlag)

public:
    CBlockFlag() = default;
    explicit CBlockFlag(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
};

// AQ and AM keep their current value in m_nHeldValue, as a signed 16-bit number.
class CBlockAnalogOut : public CBlockObj {
    DECLARE_SERIAL(CBlockAnalogOut)

public:
    CBlockAnalogOut();
    explicit CBlockAnalogOut(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
    // Starts at value 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;
};

class CBlockAnalogFlag : public CBlockObj {
    DECLARE_SERIAL(CBlockAnalogFlag)

public:
    CBlockAnalogFlag();
    explicit CBlockAnalogFlag(int nType);

    BOOL Simulate(const CSimContext* pSim) override;
    // Starts at value 0.
    void ResetForRun(const SYSTEMTIME& stNow) override;
};
