// The special blocks' simulation steps and their value boxes: encoder, stepping motor and pulse
// train (level and edge), 7-segment display, word to bit and CRC-16.
#include "blocks/BlockExtended.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "blocks/ValueBox.h"
#include "blocks/WordBit.h"
#include "protocol/Crc16.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kEncoderLimit = 999999;
constexpr double kRunLimit = 99999999.0;
// The analog flags form a register area of this many words.
constexpr int kAnalogFlagCount = 512;

constexpr BYTE kSegmentPatterns[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                                       0x7F, 0x67, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};

SYSTEMTIME SimNow(const CSimContext* pSim)
{
    return pSim ? pSim->stNow : SYSTEMTIME{};
}

// A referenced value as the run limits read it: negative values are 0, the largest is
// 99999999.
double RunLimitValue(CBlockObj& block, int nRef, int nStored)
{
    CBlockObj* pRef = block.m_pRefBlock[nRef];
    if (!pRef)
        return nStored;
    double dValue = 0.0;
    block.GetValueAsDouble(pRef, &dValue);
    if (std::isnan(dValue) || dValue < 0.0)
        return 0.0;
    return dValue >= kRunLimit ? kRunLimit : dValue;
}

// The run is over once it has lasted k x A x B milliseconds (A the speed or frequency word, B
// the count word, either from a reference); the running time then stops at the limit.
BOOL RunIsOver(CBlockObj& block, const CSimContext* pSim, double dFactor)
{
    if (block.IsPaused())
        return FALSE;
    // The scan's copy of the clock: the tick may move the live clock while the scan runs.
    if ((pSim && pSim->ClockDrivesRunTime())) {
        block.m_dRunTime =
            double(SystemTimeToMs(&pSim->stScan) - SystemTimeToMs(&block.m_stStart));
    }
    const double dA = RunLimitValue(block, 1, block.m_nParamEx[PULSE_RATE_PARAMEX]);
    const double dB = RunLimitValue(block, 0, block.m_nParamEx[PULSE_LENGTH_PARAMEX]);
    const double dLimit = dFactor * dA * dB;
    if (dLimit > block.m_dRunTime)
        return FALSE;
    block.m_dRunTime = std::trunc(dLimit);
    return TRUE;
}

void StepLevelRun(CBlockObj& block, const CSimContext* pSim)
{
    block.ReadInputs(pSim);
    if (block.m_bPinChanged[0]) {
        SetOutputState(block, block.m_nPinValue[0], InLadderDocument(block));
        block.m_bPinChanged[0] = 0;
    }
    FinishOutputChange(block);
}

template <class IsTimeUp>
void StepEdgeRun(CBlockObj& block, const CSimContext* pSim, IsTimeUp isTimeUp)
{
    block.ReadInputs(pSim);
    const int nState = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
    if (block.m_bPinChanged[1]) {
        if (block.m_nPinValue[1] == 1 && nState == 1)
            SetOutputState(block, 0, InLadderDocument(block));
        block.m_bPinChanged[1] = 0;
    } else if (block.m_nPinValue[1] == 1) {
        // Held off.
    } else if (block.m_bPinChanged[0]) {
        if (block.m_nPinValue[0] == 1 && nState == 0) {
            block.m_stStart = SimNow(pSim);
            SetOutputState(block, 1, InLadderDocument(block));
        }
        block.m_bPinChanged[0] = 0;
    } else if (nState == 1 && isTimeUp()) {
        SetOutputState(block, 0, InLadderDocument(block));
    }
    FinishOutputChange(block);
}

int EncoderThreshold(CBlockObj& block, int nRef, int nStored)
{
    CBlockObj* pRef = block.m_pRefBlock[nRef];
    if (!pRef)
        return nStored;
    double dValue = 0.0;
    block.GetValueAsDouble(pRef, &dValue);
    if (std::isnan(dValue))
        return 0;
    if (dValue > kEncoderLimit)
        return kEncoderLimit;
    if (dValue < -kEncoderLimit)
        return -kEncoderLimit;
    return int(dValue);
}

int StateOf(const CBlockObj* pBlock)
{
    return pBlock ? pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] : 0;
}

// Two bytes per value, low byte first, in the order the flags stand in the block list; the
// places of flags the document lacks stay 0.
std::vector<BYTE> AnalogFlagBytes(const IBlockDocument& doc, int nStart, int nCount)
{
    std::vector<BYTE> bytes(std::size_t(nCount) * 2, 0);
    const int nFirst = NUM_ANALOG_FLAG + nStart;
    std::size_t nAt = 0;
    for (const CBlockObj* pBlock : doc.FindBlocksInNumberRange(nFirst, nFirst + nCount - 1)) {
        if (nAt >= bytes.size() || !pBlock->IsKindOf(RUNTIME_CLASS(CBlockAnalogFlag)))
            continue;
        const WORD wValue = WORD(static_cast<const CBlockAnalogFlag*>(pBlock)->m_nHeldValue);
        bytes[nAt++] = BYTE(wValue & 0xFF);
        bytes[nAt++] = BYTE(wValue >> 8);
    }
    return bytes;
}

}  // namespace

BYTE SegmentPattern(int nDigit)
{
    return kSegmentPatterns[nDigit & 0xF];
}

void CBlockENCODER::ResetForRun(const SYSTEMTIME&) { m_dRunTime = m_nParam[ENCODER_START_PARAM]; }

BOOL CBlockENCODER::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const int nOn = EncoderThreshold(*this, 0, m_nParam[ENCODER_ON_PARAM]);
    const int nOff = EncoderThreshold(*this, 1, m_nParamEx[ENCODER_OFF_PARAMEX]);
    if (m_nPinValue[0] == 1) {
        SetOutputState(*this, 0, InLadderDocument(*this));
        m_dRunTime = m_nParam[ENCODER_RESET_VALUE_PARAM];
        FinishOutputChange(*this);
        return TRUE;
    }
    const bool bSecondPair = m_nParamEx[ENCODER_PAIR_PARAMEX] != 0;
    const int nFirstInput = bSecondPair ? NUM_INPUT + 2 : NUM_INPUT;
    int& nEdgeMemory = m_nPinValue[bSecondPair ? 3 : 2];
    const IBlockDocument* pDoc = GetDocument();
    const CBlockObj* pA = pDoc ? pDoc->FindBlockByNumber(nFirstInput) : nullptr;
    const CBlockObj* pB = pDoc ? pDoc->FindBlockByNumber(nFirstInput + 1) : nullptr;
    if (StateOf(pA) == 1 && StateOf(pB) == 1) {
        if (nEdgeMemory == 0) {
            if (m_dRunTime < m_nAux[BLOCK_VALUE_MAX_AUX])
                m_dRunTime += 1.0;
            nEdgeMemory = 1;
        }
    } else {
        nEdgeMemory = 0;
    }
    const double v = m_dRunTime;
    if (nOn < nOff)
        SetOutputState(*this, v >= nOn && v < nOff ? 1 : 0, InLadderDocument(*this));
    else if (v >= nOn)
        SetOutputState(*this, 1, InLadderDocument(*this));
    else if (v < nOff)
        SetOutputState(*this, 0, InLadderDocument(*this));
    FinishOutputChange(*this);
    return TRUE;
}

void CBlockENCODER::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::State);
}

void CBlockENCODER::DrawValue(const CSimContext*, CDC* pDC)
{
    CString strValue;
    strValue.Format(_T("%-7ld"), TruncToInt(m_dRunTime));
    DrawValueBox(pDC, *this, 4, std::span<const CString>(&strValue, 1));
}

BOOL CBlockSMC::Simulate(const CSimContext* pSim)
{
    StepLevelRun(*this, pSim);
    return TRUE;
}

BOOL CBlockPTO::Simulate(const CSimContext* pSim)
{
    StepLevelRun(*this, pSim);
    return TRUE;
}

BOOL CBlockSMCE::Simulate(const CSimContext* pSim)
{
    StepEdgeRun(*this, pSim, [&] { return IsTimeUp(pSim); });
    return TRUE;
}

// The mode word selects the finer of the two step rates.
BOOL CBlockSMCE::IsTimeUp(const CSimContext* pSim)
{
    return RunIsOver(*this, pSim, m_nParam[SMC_MODE_PARAM] ? 0.01 : 0.005);
}

void CBlockPTOE::ResetForRun(const SYSTEMTIME& stNow) { RestartTiming(stNow); }

BOOL CBlockPTOE::Simulate(const CSimContext* pSim)
{
    StepEdgeRun(*this, pSim, [&] { return IsTimeUp(pSim); });
    return TRUE;
}

BOOL CBlockPTOE::IsTimeUp(const CSimContext* pSim)
{
    return RunIsOver(*this, pSim, 0.02);
}

BOOL CBlockSEG::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    m_bPinChanged[0] = 0;
    BYTE byPattern = 0;
    if (m_nPinValue[0] == 1) {
        WORD wDigit = 0;
        GetInputValue(&wDigit, 1);
        byPattern = SegmentPattern(wDigit);
    }
    m_dRunTime = byPattern;
    return TRUE;
}

void CBlockSEG::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::Black);
}

void CBlockSEG::DrawValue(const CSimContext*, CDC* pDC)
{
    CString strValue;
    strValue.Format(_T("0x%02X"), TruncToInt(m_dRunTime));
    DrawValueBox(pDC, *this, 5, std::span<const CString>(&strValue, 1));
}

BOOL CBlockWORD2BIT::Simulate(const CSimContext*)
{
    WORD wValue = 0;
    GetInputValue(&wValue, 0);
    int nBit = m_nParam[WORD2BIT_BIT_PARAM];
    if (CBlockObj* pRef = m_pRefBlock[0]) {
        double dValue = 0.0;
        GetValueAsDouble(pRef, &dValue);
        nBit = std::isnan(dValue) || dValue < 0.0 ? 0 : dValue > 15.0 ? 15 : int(dValue);
    }
    SetOutputState(*this, GetWordBit(wValue, nBit), InLadderDocument(*this));
    FinishOutputChange(*this);
    const BOOL bChanged = nBit != m_nLastBit || int(wValue) != m_nLastWord;
    m_nLastBit = nBit;
    m_nLastWord = wValue;
    return bChanged;
}

BOOL CBlockCRC16::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    if (m_nPinValue[0] != 1) {
        m_dRunTime = 0.0;
        return TRUE;
    }
    const IBlockDocument* pDoc = GetDocument();
    // Only a run of analog flags is computed; a start or count outside the flags' register
    // area covers no values.
    const int nStart = m_nParamEx[CRC16_START_PARAMEX];
    int nCount = 0;
    if (pDoc && m_nParam[CRC16_SOURCE_PARAM] == 0 && nStart >= 0 && nStart < kAnalogFlagCount)
        nCount = std::min(std::max(m_nParamEx[CRC16_COUNT_PARAMEX], 0), kAnalogFlagCount - nStart);
    const std::vector<BYTE> bytes =
        nCount > 0 ? AnalogFlagBytes(*pDoc, nStart, nCount) : std::vector<BYTE>();
    m_dRunTime = ModbusCrc16(bytes.data(), int(bytes.size()));
    return TRUE;
}

void CBlockCRC16::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::Black);
}

void CBlockCRC16::DrawValue(const CSimContext*, CDC* pDC)
{
    CString strValue;
    strValue.Format(_T("0x%04X"), TruncToInt(m_dRunTime));
    DrawValueBox(pDC, *this, 3, std::span<const CString>(&strValue, 1));
}
