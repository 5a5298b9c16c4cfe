#include "blocks/BlockOut.h"

#include "blocks/BlockNumberLookup.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"

IMPLEMENT_SERIAL(CBlockOut, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockOpenX, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockFlag, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockAnalogOut, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockAnalogFlag, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr BYTE kAnalogOutCaps = 0x2F;

// The output state of the block wired to an input pin; 0 for an open input or a link that
// names no block. The pin's negation flag does not enter here.
int SourceState(const CBlockObj& block, const CSimContext* pSim, int nPin)
{
    const int nSource = block.m_nPinSource[nPin];
    int nState = 0;
    if (nSource == LINK_OPEN || !pSim || !FindOutputState(block.GetDocument(), nSource, &nState))
        return 0;
    return nState;
}

// Every input pin takes the state of its source.
void CopySourceStates(CBlockObj& block, const CSimContext* pSim)
{
    for (int nPin = 0; nPin < block.m_nInputs; ++nPin)
        block.m_nPinValue[nPin] = SourceState(block, pSim, nPin);
}

// The analog value fed to pin 0, as AQ and AM keep it: the low 16 bits, signed. Returns TRUE
// when it differs from the value kept so far.
BOOL TakeAnalogInput(CBlockObj& block)
{
    WORD wValue = 0;
    block.GetInputValue(&wValue, 0);
    const int nValue = SHORT(wValue);
    if (nValue == block.m_nHeldValue)
        return FALSE;
    block.m_nHeldValue = nValue;
    return TRUE;
}

} // namespace

CBlockOut::CBlockOut(int nType) : CBlockObj(nType, 1)
{
    m_nOperand = 0;
}

// The changed flag of pin 0 is what the Outputs bar reads while it refreshes.
BOOL CBlockOut::Simulate(const CSimContext* pSim)
{
    const int nValue = SourceState(*this, pSim, 0);
    m_nPinValue[0] = nValue;
    if (nValue != m_nPinValue[BLOCK_FIRST_OUTPUT]) {
        m_nPinValue[BLOCK_FIRST_OUTPUT] = nValue;
        m_bPinChanged[0] = 1;
        if (pSim)
            pSim->RefreshOutputsBar(this);
        m_bPinChanged[0] = 0;
    }
    return TRUE;
}

CBlockOpenX::CBlockOpenX(int nType) : CBlockObj(nType, 1)
{
    m_nOutputs = 0;
}

BOOL CBlockOpenX::Simulate(const CSimContext* pSim)
{
    CopySourceStates(*this, pSim);
    return TRUE;
}

CBlockFlag::CBlockFlag(int nType) : CBlockObj(nType, 1) {}

BOOL CBlockFlag::Simulate(const CSimContext* pSim)
{
    CopySourceStates(*this, pSim);
    int nState = 0;
    for (int nPin = 0; nPin < m_nInputs; ++nPin)
        nState |= m_nPinValue[nPin];
    m_nPinValue[BLOCK_FIRST_OUTPUT] = nState;
    return TRUE;
}

CBlockAnalogOut::CBlockAnalogOut()
{
    m_nCapFlags = kAnalogOutCaps;
}

CBlockAnalogOut::CBlockAnalogOut(int nType) : CBlockObj(nType, 1)
{
    m_nCapFlags = kAnalogOutCaps;
}

BOOL CBlockAnalogOut::Simulate(const CSimContext* pSim)
{
    if (TakeAnalogInput(*this)) {
        m_bPinChanged[0] = 1;
        if (pSim)
            pSim->RefreshOutputsBar(this);
        m_bPinChanged[0] = 0;
    }
    return TRUE;
}

CBlockAnalogFlag::CBlockAnalogFlag()
{
    m_nCapFlags = kAnalogOutCaps;
}

CBlockAnalogFlag::CBlockAnalogFlag(int nType) : CBlockObj(nType, 1)
{
    m_nCapFlags = kAnalogOutCaps;
}

// An analog flag has no bar; its changed flag stays set after a change.
BOOL CBlockAnalogFlag::Simulate(const CSimContext*)
{
    if (TakeAnalogInput(*this))
        m_bPinChanged[0] = 1;
    return TRUE;
}

void CBlockAnalogOut::ResetForRun(const SYSTEMTIME&) { m_nHeldValue = 0; }

void CBlockAnalogFlag::ResetForRun(const SYSTEMTIME&) { m_nHeldValue = 0; }
