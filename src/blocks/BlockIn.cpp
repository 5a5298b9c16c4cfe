#include "blocks/BlockIn.h"

#include "blocks/SimContext.h"
#include "platform/core/Archive.h"

IMPLEMENT_SERIAL(CBlockIn, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockFKey, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockShift, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockAnalogIn, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr BYTE kAnalogInCaps = 0x2F;

// The step of I and F: a Frequency input shows its value in the bar only in the scan in which
// the value changed, so that the bar is not redrawn on every scan; any other input reports the
// state change that a click in the diagram flagged on its output pin.
void EchoDigitalInput(CBlockObj& block, int& nShownValue, const CSimContext* pSim)
{
    if (block.m_nParamEx[INPUT_SIM_MODE_PARAMEX] == SIM_INPUT_FREQUENCY) {
        if (block.m_nAux[INPUT_SIM_VALUE_AUX] != nShownValue) {
            nShownValue = block.m_nAux[INPUT_SIM_VALUE_AUX];
            if (pSim)
                pSim->RefreshInputsBar(&block);
        }
    } else if (block.m_bPinChanged[BLOCK_FIRST_OUTPUT]) {
        if (pSim)
            pSim->RefreshInputsBar(&block);
        block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
    }
}

} // namespace

CBlockIn::CBlockIn(int nType) : CBlockObj(nType, 0) {}

void CBlockIn::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_bHighSpeed;
    else
        ar >> m_bHighSpeed;
}

BOOL CBlockIn::Simulate(const CSimContext* pSim)
{
    EchoDigitalInput(*this, m_nShownValue, pSim);
    return TRUE;
}

CBlockFKey::CBlockFKey(int nType) : CBlockObj(nType, 0) {}

BOOL CBlockFKey::Simulate(const CSimContext* pSim)
{
    EchoDigitalInput(*this, m_nShownValue, pSim);
    return TRUE;
}

CBlockShift::CBlockShift(int nType) : CBlockObj(nType, 0) {}

// The capability bits are not stored, so the loading constructor sets them too.
CBlockAnalogIn::CBlockAnalogIn()
{
    m_nCapFlags = kAnalogInCaps;
}

CBlockAnalogIn::CBlockAnalogIn(int nType) : CBlockObj(nType, 0)
{
    m_nAux[BLOCK_VALUE_MAX_AUX] = 1000;  // the simulated maximum
    m_nCapFlags = kAnalogInCaps;
}

// The bar reads the changed flag of the output pin while it refreshes.
BOOL CBlockAnalogIn::Simulate(const CSimContext* pSim)
{
    if (m_nAux[INPUT_SIM_VALUE_AUX] != m_nShownValue) {
        m_nShownValue = m_nAux[INPUT_SIM_VALUE_AUX];
        m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
        if (pSim)
            pSim->RefreshInputsBar(this);
        m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
    }
    return TRUE;
}
