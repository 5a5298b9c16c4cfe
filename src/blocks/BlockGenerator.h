// The generators and switches of the timer family: Asynchronous Pulse Generator (406), Random
// Generator (407), Stairway Lighting Switch (408) and Multiple Function Switch (409).
#pragma once

#include "blocks/BlockTime.h"

class CBlockAPG : public CBlockTime {
    DECLARE_SERIAL(CBlockAPG)

public:
    CBlockAPG();
    explicit CBlockAPG(int nType);

    // Written when En falls: 1 when the generator was in its first phase, else 0.
    int m_nStopPhase = 0;
};

class CBlockRG : public CBlockTime {
    DECLARE_SERIAL(CBlockRG)

public:
    CBlockRG();
    explicit CBlockRG(int nType);

    // The random ON and OFF delays last drawn, as seconds and hundredths.
    int m_nOnDelaySec = 0;
    int m_nOnDelayHund = 0;
    int m_nOffDelaySec = 0;
    int m_nOffDelayHund = 0;
};

// Warning states of the two staircase switches.
constexpr int WARNING_NONE = 0;
constexpr int WARNING_BLINKING = 1;
constexpr int WARNING_DONE = 2;

// The warning time T! (m_nParamEx[5] low, [6] high) and warning length T!L ([7], [8]) are read
// in the time base of the OFF setpoint T; block references 2 and 3 replace them.
class CBlockSLS : public CBlockTime {
    DECLARE_SERIAL(CBlockSLS)

public:
    CBlockSLS();
    explicit CBlockSLS(int nType);

    int m_nWarning = WARNING_NONE;
};

class CBlockMFS : public CBlockTime {
    DECLARE_SERIAL(CBlockMFS)

public:
    CBlockMFS();
    explicit CBlockMFS(int nType);

    // 0 off, 1 pressed, 2 staircase, 3 permanent light, 4 staircase ended.
    int m_nPhase = 0;
    int m_nWarning = WARNING_NONE;
};
