// The analog blocks' simulation steps and their drawing during a simulation.
#include "blocks/BlockAnalog.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/ValueBox.h"
#include "platform/core/StringArray.h"

#include <cmath>
#include <unordered_set>

namespace {

double ClampToLimit(double x)
{
    if (x > ANALOG_LIMIT)
        return ANALOG_LIMIT;
    if (x < -ANALOG_LIMIT)
        return -ANALOG_LIMIT;
    return x;
}

}  // namespace

int RoundAnalogValue(double x)
{
    if (std::isnan(x))
        return 0;
    if (x != 0.0) {
        const double dFirstDecimal = std::fmod(std::trunc(x * 10.0), 10.0);
        if (std::fabs(dFirstDecimal) >= 5.0)
            x += x >= 0.0 ? 1.0 : -1.0;
    }
    return int(ClampToLimit(x));
}

int ClampAnalogValue(double x)
{
    return std::isnan(x) ? 0 : int(ClampToLimit(x));
}

int CBlockAnalog::Scale(int nValue) const
{
    return RoundAnalogValue(nValue * m_dGain + m_nOffset);
}

// The input is read as a signed 16-bit number, whatever range its source block works in.
int CBlockAnalog::ScaledInput(int nPin) const
{
    WORD wValue = 0;
    GetInputValue(&wValue, nPin);
    return Scale(SHORT(wValue));
}

int CBlockAnalog::ReferencedOr(int nRef, int nStored)
{
    CBlockObj* pRef = m_pRefBlock[nRef];
    if (!pRef)
        return nStored;
    double dValue = 0.0;
    GetValueAsDouble(pRef, &dValue);
    return ClampAnalogValue(dValue);
}

int CBlockAnalog::TriggerState(int nValue, int nOn, int nOff) const
{
    if (nOn < nOff)
        return nValue >= nOn && nValue < nOff ? 1 : 0;
    if (nValue > nOn)
        return 1;
    if (nValue <= nOff)
        return 0;
    return m_nPinValue[BLOCK_FIRST_OUTPUT];
}

bool CBlockAnalog::IsInputOpen(int nPin) const
{
    const IBlockDocument* pDoc = GetDocument();
    return !pDoc || !pDoc->FindBlockByNumber(m_nPinSource[nPin]);
}

void CBlockAnalog::StartFromOpenInput(int nPin)
{
    if (IsInputOpen(nPin))
        m_nValue = m_nAx = Scale(0);
}

void CBlockAnalog::ResetForRun(const SYSTEMTIME&) {}

void CBlockACOMP::ResetForRun(const SYSTEMTIME&)
{
    if (!IsInputOpen(0) || !IsInputOpen(1))
        return;
    m_nAx = m_nAy = Scale(0);
    m_nValue = 0;
}

void CBlockATHTRG::ResetForRun(const SYSTEMTIME&) { StartFromOpenInput(0); }

void CBlockAAMP::ResetForRun(const SYSTEMTIME&) { StartFromOpenInput(0); }

void CBlockAWDOG::ResetForRun(const SYSTEMTIME&) { StartFromOpenInput(1); }

void CBlockADTRG::ResetForRun(const SYSTEMTIME&) { StartFromOpenInput(0); }

void CBlockAMATH::ResetForRun(const SYSTEMTIME&) { m_nValue = 0; }

void CBlockAMUX::ResetForRun(const SYSTEMTIME&) { m_nValue = 0; }

BOOL CBlockAnalog::Simulate(const CSimContext* pSim)
{
    Step(pSim);
    FinishOutputChange(*this);
    return TRUE;
}

void CBlockACOMP::Step(const CSimContext*)
{
    m_nAx = ScaledInput(0);
    m_nAy = ScaledInput(1);
    m_nValue = int(ClampToLimit(double(m_nAx) - double(m_nAy)));
    const int nOn = ReferencedOr(0, m_nThreshold1);
    const int nOff = ReferencedOr(1, m_nThreshold2);
    SetOutputState(*this, TriggerState(m_nValue, nOn, nOff), InLadderDocument(*this));
}

void CBlockATHTRG::Step(const CSimContext*)
{
    m_nValue = m_nAx = ScaledInput(0);
    const int nOn = ReferencedOr(0, m_nThreshold1);
    const int nOff = ReferencedOr(1, m_nThreshold2);
    SetOutputState(*this, TriggerState(m_nValue, nOn, nOff), InLadderDocument(*this));
}

void CBlockAAMP::Step(const CSimContext* pSim)
{
    m_nValue = m_nAx = ScaledInput(0);
    if (!pSim || !GetDocument())
        return;
    m_bLoopFound = 0;
    m_pTraceTarget = this;
    int nDepth = 0;
    TraceLoop(pSim, this, m_nFirstInput, &nDepth);
    if (m_bLoopFound)
        m_nValue = Scale(SHORT(WORD(LoopValue())));
}

int CBlockAAMP::LoopValue() const
{
    const IBlockDocument* pDoc = GetDocument();
    // The chain may close on itself without passing an analog block: each block is visited
    // once, and a chain that comes back gives 0 like a chain that ends.
    std::unordered_set<const CBlockObj*> visited;
    const CBlockObj* pBlock = pDoc->FindBlockByNumber(m_nPinSource[0]);
    while (pBlock && visited.insert(pBlock).second) {
        if (const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(pBlock))
            return pAnalog->m_nValue;
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockFemale))) {
            pBlock = pDoc->FindBlockByNumber(pBlock->m_nNumber - NUM_FEMALE_OFFSET);
            if (!pBlock || !visited.insert(pBlock).second)
                return 0;
        }
        pBlock = pDoc->FindBlockByNumber(pBlock->m_nPinSource[0]);
    }
    return 0;
}

void CBlockAWDOG::Step(const CSimContext* pSim)
{
    m_nValue = m_nAx = ScaledInput(1);
    ReadInputs(pSim);
    const int nEnable = m_nPinValue[0];
    if (m_bPinChanged[0]) {
        m_nRefValue = nEnable ? m_nValue : 0;
        m_bPinChanged[0] = 0;
    }
    if (!nEnable) {
        SetOutputState(*this, 0, InLadderDocument(*this));
        return;
    }
    const long long nLow = (long long)m_nRefValue - ReferencedOr(1, m_nThreshold2);
    const long long nHigh = (long long)m_nRefValue + ReferencedOr(0, m_nThreshold1);
    const bool bInBand = m_nValue >= nLow && m_nValue <= nHigh;
    SetOutputState(*this, bInBand ? 0 : 1, InLadderDocument(*this));
}

void CBlockADTRG::Step(const CSimContext*)
{
    m_nValue = m_nAx = ScaledInput(0);
    const long long nOn = m_nThreshold1;
    const long long nDelta = m_nThreshold2;
    const long long nValue = m_nValue;
    if (nDelta > 0) {
        const int nState = nValue >= nOn && nValue < nOn + nDelta ? 1 : 0;
        SetOutputState(*this, nState, InLadderDocument(*this));
    } else if (nValue > nOn) {
        SetOutputState(*this, 1, InLadderDocument(*this));
    } else if (nValue <= nOn + nDelta) {
        SetOutputState(*this, 0, InLadderDocument(*this));
    }
}

void CBlockAMUX::Step(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (!m_nPinValue[0]) {
        m_nValue = 0;
        return;
    }
    const int nPick = (m_nPinValue[1] ? 2 : 0) + (m_nPinValue[2] ? 1 : 0);
    const int nValues[4] = {m_nParam[AMATH_V1_PARAM], m_nParamEx[AMATH_V2_PARAMEX],
                            m_nParamEx[AMATH_V3_PARAMEX], m_nParamEx[AMATH_V4_PARAMEX]};
    m_nValue = ReferencedOr(nPick, nValues[nPick]);
}

void CBlockAMATH::Step(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (!m_nPinValue[0]) {
        if (!m_nParamEx[AMATH_KEEP_VALUE_PARAMEX])
            m_nValue = 0;
        return;
    }
    // The value is a function of the formula's inputs alone.
    AnalogFormulaInputs formula = FormulaInputsOf(*this);
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        formula.nOperand[k] = ReferencedOr(k, formula.nOperand[k]);
    if (!m_bFormulaEvaluated || formula != m_lastFormula) {
        m_nLastFormulaValue = EvaluateAnalogFormula(formula);
        m_lastFormula = formula;
        m_bFormulaEvaluated = true;
    }
    m_nValue = m_nLastFormulaValue;
}

void CBlockAnalog::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC,
                        ShowsState() ? SimBodyColour::State : SimBodyColour::Black);
}

void CBlockAnalog::DrawValue(const CSimContext*, CDC* pDC)
{
    // One and a half block widths.
    constexpr int kHalfWidths = 3;
    CString strLines[2];
    strLines[0].Format(_T("%-6ld"), m_nValue);
    strLines[1] = SecondValue();
    DrawValueBox(pDC, *this, kHalfWidths, std::span<const CString>(strLines, strLines[1].IsEmpty() ? 1 : 2));
}

CString CBlockAWDOG::SecondValue() const
{
    CString str;
    str.Format(_T("%-6ld"), m_nRefValue);
    return str;
}

CString CBlockADTRG::SecondValue() const
{
    CString str;
    str.Format(_T("%-6d"), (long long)m_nThreshold1 + m_nThreshold2);
    return str;
}
