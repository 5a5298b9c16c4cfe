#include "blocks/BlockLogic.h"

#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "platform/core/Archive.h"

IMPLEMENT_SERIAL(CBlockLogic, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

// EvalLogic modes.
constexpr unsigned kEvalAnd = 0x1;
constexpr unsigned kEvalOr = 0x2;
constexpr unsigned kEvalXor = 0x4;

struct GateRow {
    int nType;
    int nInputs;
    int bOutputNegated;
    WORD wProgramBytes;
};

constexpr GateRow kGates[] = {
    {BT_AND, 4, 0, 12},  {BT_AND_EDGE, 4, 0, 12},  {BT_NAND, 4, 1, 12}, {BT_NAND_EDGE, 4, 1, 12},
    {BT_OR, 4, 0, 12},   {BT_NOR, 4, 1, 12},       {BT_XOR, 2, 0, 8},   {BT_NOT, 1, 1, 4},
};

// A code outside 300-307 (only a caller's mistake) is built as a plain AND.
const GateRow& GateOf(int nType)
{
    for (const GateRow& row : kGates) {
        if (row.nType == nType)
            return row;
    }
    return kGates[0];
}


} // namespace

CBlockLogic::CBlockLogic()
{
    m_nCapFlags = 0;
}

CBlockLogic::CBlockLogic(int nType) : CBlockObj(nType, GateOf(nType).nInputs)
{
    const GateRow& gate = GateOf(nType);
    m_bPinInvert[BLOCK_FIRST_OUTPUT] = gate.bOutputNegated;
    m_wProgramBytes = gate.wProgramBytes;
    // The slot just past the last input marks the end of the gate's pins in the controller
    // program; NOT has none.
    if (nType != BT_NOT)
        m_nPinSource[gate.nInputs] = LINK_END;
    m_nCapFlags = 0;
    m_nPinSlots = 0;
}

void CBlockLogic::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nLogicAttr;
    else
        ar >> m_nLogicAttr;
}

BOOL CBlockLogic::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    int& nState = m_nPinValue[BLOCK_FIRST_OUTPUT];
    if (m_nType == BT_AND_EDGE || m_nType == BT_NAND_EDGE) {
        // AND(Edge) pulses when an input change makes all inputs 1; NAND(Edge) is its mirror
        // and pulses when an input change ends that. Both consume every changed flag.
        const BOOL bEdge = m_nType == BT_AND_EDGE ? AnyInputChanged() : IsAndFallingEdge();
        ClearInputChanges();
        const int nResult = (EvalGate() && bEdge) ? 1 : 0;
        if (pSim && InLadderDocument(*this) && nResult != nState)
            m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
        nState = nResult;
    } else {
        nState = EvalGate();
    }
    if (m_bPinChanged[BLOCK_FIRST_OUTPUT]) {
        UpdateLadderContacts();
        m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
    }
    return TRUE;
}

int CBlockLogic::EvalGate()
{
    switch (m_nType) {
    case BT_OR:
    case BT_NOR: {
        int nResult = 0;
        return EvalLogic(&nResult, kEvalOr);
    }
    case BT_XOR: {
        int nResult = 0;
        return EvalLogic(&nResult, kEvalXor);
    }
    default: {
        int nResult = 1;
        return EvalLogic(&nResult, kEvalAnd);
    }
    }
}

BOOL CBlockLogic::AnyInputChanged() const
{
    for (int nPin = 0; nPin < m_nInputs; ++nPin) {
        if (m_bPinChanged[nPin])
            return TRUE;
    }
    return FALSE;
}

void CBlockLogic::ClearInputChanges()
{
    for (int nPin = 0; nPin < m_nInputs; ++nPin)
        m_bPinChanged[nPin] = 0;
}

BOOL CBlockLogic::IsAndFallingEdge() const
{
    BOOL bAnyChanged = FALSE;
    for (int nPin = 0; nPin < m_nInputs; ++nPin) {
        const int nWas = m_bPinChanged[nPin] ? !m_nPinValue[nPin] : m_nPinValue[nPin];
        if (!nWas)
            return FALSE;
        bAnyChanged = bAnyChanged || m_bPinChanged[nPin];
    }
    return bAnyChanged;
}

void CBlockLogic::ResetForRun(const SYSTEMTIME& stNow) { RestartTiming(stNow); }
