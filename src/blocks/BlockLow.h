// The two constant blocks: lo (603) is 0 and hi (604) is 1 in every scan; neither has a
// simulation step of its own. The ladder power rail derives from hi.
#pragma once

#include "blocks/BlockObj.h"

class CBlockLow : public CBlockObj {
    DECLARE_SERIAL(CBlockLow)

public:
    CBlockLow() = default;
    explicit CBlockLow(int nType);

    // The block alone: lo and hi have no input pin to label.
    void DrawStateLabel(const CSimContext* pSim, CDC* pDC) override;
};

class CBlockHigh : public CBlockLow {
    DECLARE_SERIAL(CBlockHigh)

public:
    CBlockHigh();
    explicit CBlockHigh(int nType);

    // On from the first scan.
    void ResetForRun(const SYSTEMTIME& stNow) override;
};
