#include "blocks/BlockIn.h"

#include "blocks/BlockDocument.h"

#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/ValueBox.h"
#include "platform/core/Archive.h"
#include "platform/gdi/DC.h"

#include <algorithm>

IMPLEMENT_SERIAL(CBlockIn, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockFKey, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockShift, CBlockObj, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CBlockAnalogIn, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr BYTE kAnalogInCaps = 0x2F;
// The controller's own inputs, whose state labels show their voltage.
constexpr int kLastOwnInput = 355;
constexpr int kLastOwnAnalogInput = 4127;

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

// The state label of I and AI: the block in its state colour or black, then "ON"/"OFF" 3 units
// right of and below the top-left corner of the output pin, with the voltage ("ON---%.1f v")
// for the controller's own inputs.
void DrawInputStateLabel(CBlockObj& block, const CSimContext* pSim, CDC* pDC, bool bWithVoltage,
                         float fVoltage)
{
    block.DrawInStateColour(pSim, pDC);
    CString strText = block.StateWord();
    if (bWithVoltage)
        strText.Format(_T("%s---%.1f v"), LPCTSTR(block.StateWord()), double(fVoltage));
    CRect pin;
    block.GetPinRect(&pin, BLOCK_FIRST_OUTPUT, 5);
    block.DrawStateText(pDC, strText, CPoint(pin.left + 3, pin.top + 3));
}

// A momentary-break input or key is on until pressed; a frequency one starts at its start value.
void ResetDigitalInput(CBlockObj& block, int& nShownValue)
{
    const int nMode = block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
    if (nMode == SIM_INPUT_PUSH_BREAK) {
        block.m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
        block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    } else if (nMode == SIM_INPUT_FREQUENCY) {
        block.m_nAux[INPUT_SIM_VALUE_AUX] = block.m_nAux[INPUT_SIM_START_AUX];
        nShownValue = block.m_nAux[INPUT_SIM_VALUE_AUX];
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

void CBlockIn::DrawStateLabel(const CSimContext* pSim, CDC* pDC)
{
    DrawInputStateLabel(*this, pSim, pDC, m_nNumber >= NUM_INPUT && m_nNumber <= kLastOwnInput, m_fVoltage);
}

CBlockFKey::CBlockFKey(int nType) : CBlockObj(nType, 0) {}

BOOL CBlockFKey::Simulate(const CSimContext* pSim)
{
    EchoDigitalInput(*this, m_nShownValue, pSim);
    return TRUE;
}

CBlockShift::CBlockShift(int nType) : CBlockObj(nType, 0) {}

void CBlockShift::DrawStateLabel(const CSimContext* pSim, CDC* pDC)
{
    Draw(pSim, pDC, TRUE, RGB(0, 0, 0));
}

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

void CBlockAnalogIn::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::State);
}

void CBlockAnalogIn::DrawStateLabel(const CSimContext* pSim, CDC* pDC)
{
    DrawInputStateLabel(*this, pSim, pDC, m_nNumber >= NUM_ANALOG_IN && m_nNumber <= kLastOwnAnalogInput,
                        m_fVoltage);
}

void CBlockAnalogIn::DrawValue(const CSimContext*, CDC* pDC)
{
    CString strLines[2];
    strLines[0].Format(_T("%-6d"), m_nAux[INPUT_SIM_VALUE_AUX]);
    strLines[1].Format(_T("%-6d"), m_nHeldValue);
    DrawValueBox(pDC, *this, 3, {strLines, m_nHeldValue >= 0 ? 2u : 1u});
}

void CBlockIn::ResetForRun(const SYSTEMTIME&) { ResetDigitalInput(*this, m_nShownValue); }

void CBlockFKey::ResetForRun(const SYSTEMTIME&) { ResetDigitalInput(*this, m_nShownValue); }

int AnalogSimDefault(const CBlockObj& block)
{
    const auto [nMin, nMax] = std::minmax(block.m_nAux[BLOCK_VALUE_MIN_AUX], block.m_nAux[BLOCK_VALUE_MAX_AUX]);
    return std::clamp(ANALOG_SIM_DEFAULT_VALUE, nMin, nMax);
}

// The run starts from the default value, fitted into the range that the document fits to the
// blocks fed; from the first scan those take the level of the value the Inputs bar shows, as
// they do of a value set during the run.
void CBlockAnalogIn::ResetForRun(const SYSTEMTIME&)
{
    m_nAux[INPUT_SIM_VALUE_AUX] = ANALOG_SIM_DEFAULT_VALUE;
    m_nHeldValue = 0;
    if (IBlockDocument* pDoc = GetDocument())
        pDoc->RefreshSimInputSettings(*this);
    else
        m_nAux[INPUT_SIM_VALUE_AUX] = AnalogSimDefault(*this);
    m_nShownValue = m_nAux[INPUT_SIM_VALUE_AUX];
}
