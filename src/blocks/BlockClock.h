// The clock timers of the timer family: Weekly Timer (410), Yearly Timer (411), Astronomical
// clock (412) and Stopwatch (413). The weekly timer switches by its cam table; the yearly
// timer keeps its ON date in m_nParam[9] (month) and [8] (day), its OFF date in m_nParamEx[1]
// and [0], and its monthly flag in m_nParam[2].
#pragma once

#include "blocks/BlockTime.h"

class CBlockWT : public CBlockTime {
    DECLARE_SERIAL(CBlockWT)

public:
    CBlockWT();
    explicit CBlockWT(int nType);

    // The state of the latest cam event at or before the simulated weekday and minute; with
    // none this week, the week before's latest event.
    BOOL Simulate(const CSimContext* pSim) override;

    // The common copy, then the whole cam table.
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;
};

class CBlockYT : public CBlockTime {
    DECLARE_SERIAL(CBlockYT)

public:
    CBlockYT();
    explicit CBlockYT(int nType);

    // 1 from the ON date up to the OFF date of the simulated year (across the year end when
    // the OFF date comes first); with the monthly flag, by the day of the month alone.
    BOOL Simulate(const CSimContext* pSim) override;
};

// Its location and times are edited, stored and sent with the program; its output does not
// change during a simulation.
class CBlockAC : public CBlockTime {
    DECLARE_SERIAL(CBlockAC)

public:
    CBlockAC();
    explicit CBlockAC(int nType);
};

class CBlockSW : public CBlockTime {
    DECLARE_SERIAL(CBlockSW)

public:
    CBlockSW();
    explicit CBlockSW(int nType);
};
