// The two ends of a cut wire: CBlockMale takes the signal in, CBlockFemale gives it out again
// elsewhere on the diagram. A pair is linked by number: the female is its male's number + 2000.
#pragma once

#include "blocks/BlockObj.h"

class CBlockMale : public CBlockObj {
    DECLARE_SERIAL(CBlockMale)

public:
    CBlockMale();
    explicit CBlockMale(int nType);

    // Each input takes the state of its source block.
    BOOL Simulate(const CSimContext* pSim) override;
    // The arrow, the input stub in the given colour and, above, the label and pin of the
    // block that the partner feeds ("B3/1").
    void Draw(const CSimContext* pSim, CDC* pDC, BOOL bFlag, COLORREF crColor) override;
    // The step, then the drawing in the colour of the signal coming in.
    void DrawSim(const CSimContext* pSim, CDC* pDC) override;
    // The green arrow pointing right.
    void DrawShape(CDC* pDC, BOOL bFlag) const;
};

class CBlockFemale : public CBlockObj {
    DECLARE_SERIAL(CBlockFemale)

public:
    CBlockFemale();
    explicit CBlockFemale(int nType);

    // The output gives the state of the block wired to the partner's input.
    BOOL Simulate(const CSimContext* pSim) override;
    // The notched box, the output stub and, above, the label of the block that feeds the
    // partner.
    void Draw(const CSimContext* pSim, CDC* pDC, BOOL bFlag, COLORREF crColor) override;
    // The green box with a notch on its left side.
    void DrawShape(CDC* pDC, BOOL bFlag) const;
};
