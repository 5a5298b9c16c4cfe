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

using Edge = CBlockLogic::Edge;

// A gate's pins and program size; its combination (an EvalLogic mode) with the value an open
// input reads; its edge; and whether the slot past its last input marks the end of its pins
// in the controller program (NOT has no such slot).
struct GateRow {
    int nType;
    int nInputs;
    int bOutputNegated;
    WORD wProgramBytes;
    unsigned nEvalMode;
    int nOpenInput;
    Edge edge;
    bool bEndMarked;
};

constexpr GateRow kGates[] = {
    {BT_AND, 4, 0, 12, kEvalAnd, 1, Edge::None, true},
    {BT_AND_EDGE, 4, 0, 12, kEvalAnd, 1, Edge::AllBecameOne, true},
    {BT_NAND, 4, 1, 12, kEvalAnd, 1, Edge::None, true},
    {BT_NAND_EDGE, 4, 1, 12, kEvalAnd, 1, Edge::AllStoppedBeingOne, true},
    {BT_OR, 4, 0, 12, kEvalOr, 0, Edge::None, true},
    {BT_NOR, 4, 1, 12, kEvalOr, 0, Edge::None, true},
    {BT_XOR, 2, 0, 8, kEvalXor, 0, Edge::None, true},
    {BT_NOT, 1, 1, 4, kEvalAnd, 1, Edge::None, false},
};

// A code that names no gate (only a caller's mistake) is built and run as a plain AND.
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
    if (gate.bEndMarked)
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
    const Edge edge = GateEdge();
    if (edge != Edge::None) {
        // Both edges consume every changed flag.
        const BOOL bEdge = edge == Edge::AllBecameOne ? AnyInputChanged() : IsAndFallingEdge();
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
    const unsigned nMode = GateOf(m_nType).nEvalMode;
    // An AND starts from 1, an OR or XOR from 0.
    int nResult = nMode == kEvalAnd ? 1 : 0;
    return EvalLogic(&nResult, nMode);
}

int CBlockLogic::OpenInputValue() const
{
    return GateOf(m_nType).nOpenInput;
}

CBlockLogic::Edge CBlockLogic::GateEdge() const
{
    return GateOf(m_nType).edge;
}

bool CBlockLogic::IsNegatedGate() const
{
    return GateOf(m_nType).bOutputNegated != 0;
}

bool CBlockLogic::IsOrGate() const
{
    return GateOf(m_nType).nEvalMode == kEvalOr;
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
