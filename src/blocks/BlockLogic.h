// CBlockLogic: the eight basic gates AND, AND(Edge), NAND, NAND(Edge), OR, NOR, XOR and NOT
// in one class, told apart by a table keyed by their type codes. NAND, NOR and NOT are AND, OR
// and a one-input AND with the output pin negated; the edge gates give a one-scan pulse.
#pragma once

#include "blocks/BlockObj.h"

class CBlockLogic : public CBlockObj {
    DECLARE_SERIAL(CBlockLogic)

public:
    CBlockLogic();
    explicit CBlockLogic(int nType);

    void DrawSymbol(CDC* pDC) const override;

    void Serialize(CArchive& ar) override;
    BOOL Simulate(const CSimContext* pSim) override;
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // The gates of the AND kind read an open input as 1, so that it never decides them.
    int OpenInputValue() const override;

    // Set by the block's property page and stored; the step does not read it.
    int m_nLogicAttr = 1;

    // When an edge gate pulses: AND(Edge) when an input change makes all inputs 1, NAND(Edge),
    // its mirror, when an input change ends that.
    enum class Edge { None, AllBecameOne, AllStoppedBeingOne };

private:
    // From the gate's row: its edge, whether its type negates the output (NAND, NOR, NOT, and
    // NAND(Edge)) and whether it combines as an OR (OR, NOR).
    Edge GateEdge() const;
    bool IsNegatedGate() const;
    bool IsOrGate() const;
    // The gate's plain combination, without its edge.
    int EvalGate();
    BOOL AnyInputChanged() const;
    void ClearInputChanges();
    // The scan in which an input change turned the AND of all inputs from 1 to 0: every input
    // that changed is 0 now and every other input is 1.
    BOOL IsAndFallingEdge() const;
};
