// CPowerBusObj: the left power rail of a ladder document, where every rung starts. It is a
// block of its own (type 951, number -1) without pins; the document keeps it as the only
// element of its power-rail list. m_nHeight is the rail's bottom y, not a height.
#pragma once

#include "blocks/BlockLow.h"

class CPowerBusObj : public CBlockHigh {
    DECLARE_SERIAL(CPowerBusObj)

public:
    CPowerBusObj();
    explicit CPowerBusObj(int nType);

    // A 4-unit line in the given colour from the rail's top down to its bottom y.
    void Draw(const CSimContext* pSim, CDC* pDC, BOOL bFlag, COLORREF crColor) override;

private:
    void InitRail();
};
