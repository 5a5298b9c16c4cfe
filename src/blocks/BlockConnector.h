// The two ends of a cut wire: CBlockMale takes the signal in, CBlockFemale gives it out again
// elsewhere on the diagram. A pair is linked by number: the female is its male's number + 2000.
#pragma once

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"

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

// A chain of pairs longer than this (only a pair wired into itself makes one) ends the walk.
constexpr int kMaxConnectorPairHops = 1024;

// The block whose state and value a wire from pSource carries. A pair stands for the wire it
// cut, as the program image names it: a Female carries what feeds its Male's input, across any
// further pairs. A pair without its Male or without a source, and a pair wired into itself, leave
// pSource (the Female carries its own state). find(n) finds block number n.
template <class Find>
CBlockObj* WireSourceAcrossPairs(CBlockObj* pSource, Find find)
{
    CBlockObj* pBlock = pSource;
    for (int nHop = 0; pBlock && pBlock->m_nType == BT_FEMALE; ++nHop) {
        const CBlockObj* pMale = find(pBlock->m_nNumber - NUM_FEMALE_OFFSET);
        if (nHop == kMaxConnectorPairHops || !pMale || pMale->m_nType != BT_MALE || pMale->m_nPinSource[0] < NUM_INPUT)
            return pSource;
        pBlock = find(pMale->m_nPinSource[0]);
    }
    return pBlock ? pBlock : pSource;
}
