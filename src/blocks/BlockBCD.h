// The two code converters: BCD (832) turns a word of 0-9999 into packed binary-coded decimal,
// BIN (833) a packed BCD word back into binary. The converted value is kept in m_dRunTime.
#pragma once

#include "blocks/BlockWordValue.h"

// A signed input above 9999 keeps its last four decimal digits; a negative input gives 0.
class CBlockBCD : public CBlockWordValue {
    DECLARE_SERIAL(CBlockBCD)

public:
    CBlockBCD();
    explicit CBlockBCD(int nType);

    void DrawSymbol(CDC* pDC) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};

// A word above 0x9999 counts as 0x9999; a nibble above 9 gives 0.
class CBlockBIN : public CBlockWordValue {
    DECLARE_SERIAL(CBlockBIN)

public:
    CBlockBIN();
    explicit CBlockBIN(int nType);

    void DrawSymbol(CDC* pDC) const override;
    WordValueStyle ValueStyle() const override;

    BOOL Simulate(const CSimContext* pSim) override;
};
