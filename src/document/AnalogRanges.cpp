#include "document/AnalogRanges.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/TypeCodeList.h"
#include "blocks/ConnectLineObj.h"
#include "document/ConnectorPairs.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace {

// A digital input in automatic mode ranges over four digits; an analog one without sources
// over its per mille.
constexpr int kDigitalAutoMax = 9999;
constexpr int kAnalogAutoMax = 1000;
// The 4 .. 20 mA sensor starts its scale at a fifth of it.
constexpr int kSensor4To20mA = 2;
constexpr int kSensorFloor = 200;
// The analog input addresses that a ladder analog contact may read.
constexpr int kFirstAnalogInput = 4000;
constexpr int kLastAnalogInput = 4127;

using BlockSet = std::set<const CBlockObj*>;

template <class T>
bool Is(const CBlockObj* pBlock)
{
    return dynamic_cast<const T*>(pBlock) != nullptr;
}

// The analog blocks that measure a value against a range of their own, and the first of their
// pins that carries the measured value.
struct RangeSource {
    int nType;
    int nFirstPin;
};

constexpr RangeSource kRangeSources[] = {
    {BT_ACOMP, 0}, {BT_ATHTRG, 0}, {BT_AAMP, 0}, {BT_AWDOG, 1}, {BT_ADTRG, 0}, {BT_PI, 2}, {BT_PWM, 1},
};

const RangeSource* FindRangeSource(int nType)
{
    const auto* pFound = std::find_if(std::begin(kRangeSources), std::end(kRangeSources),
                                      [nType](const RangeSource& source) { return source.nType == nType; });
    return pFound != std::end(kRangeSources) ? pFound : nullptr;
}


bool IsTraced(const CBlockObj* pBlock)
{
    return MeasuresAnalogRange(pBlock->m_nType) || Is<CBlockAnalogIn>(pBlock) || Is<CBlockAnalogOut>(pBlock) ||
           Is<CBlockAnalogFlag>(pBlock) || Is<CBlockAContact>(pBlock) || Is<CBlockAOutLAD>(pBlock);
}

// A watchdog or PWM without its analog second input, a PI without its third, passes the
// value on instead of measuring it.
bool PassesThrough(const CBlockObj* pBlock)
{
    if (Is<CBlockAWDOG>(pBlock) || Is<CBlockPWM>(pBlock))
        return pBlock->m_nPinSource[1] == LINK_OPEN;
    if (Is<CBlockPI>(pBlock))
        return pBlock->m_nPinSource[2] == LINK_OPEN;
    return false;
}

bool IsAnalogInputOf(const CVetlaDoc& doc, const CBlockObj* pBlock)
{
    return doc.IsLadder() ? Is<CBlockAContact>(pBlock) : Is<CBlockAnalogIn>(pBlock);
}

bool JoinSamePair(const CConnectLineObj* a, const CConnectLineObj* b)
{
    return (a->m_pStartBlock == b->m_pStartBlock && a->m_pEndBlock == b->m_pEndBlock) ||
           (a->m_pStartBlock == b->m_pEndBlock && a->m_pEndBlock == b->m_pStartBlock);
}

// A comparator fed twice from one source is collected once.
std::vector<CConnectLineObj*> WithoutRepeatedComparatorLines(std::vector<CConnectLineObj*> lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool bComparator = Is<CBlockACOMP>(lines[i]->m_pStartBlock) || Is<CBlockACOMP>(lines[i]->m_pEndBlock);
        if (!bComparator)
            continue;
        for (std::size_t j = lines.size(); j-- > i + 1;) {
            if (JoinSamePair(lines[i], lines[j]))
                lines.erase(lines.begin() + std::ptrdiff_t(j));
        }
    }
    return lines;
}

class SourceTrace {
public:
    SourceTrace(const CVetlaDoc& doc, BOOL bThrough) : m_doc(doc), m_bThrough(bThrough) {}

    void Trace(CBlockObj* pBlock)
    {
        if (!pBlock || !m_seen.insert(pBlock).second)
            return;
        // A wire cut into a connector pair, by hand or by an upload's layout, still feeds the
        // blocks beyond it: the value goes on from the pair's Female.
        if (pBlock->m_nType == BT_MALE) {
            if (CBlockObj* pFemale = FindPartner(m_doc, pBlock); pFemale && m_seen.insert(pFemale).second)
                FollowOutput(pFemale);
            return;
        }
        if (!IsTraced(pBlock))
            return;
        if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(pBlock)) {
            const bool bPasses = PassesThrough(pBlock);
            if (!bPasses)
                m_sources.push_back(pAnalog);
            if (bPasses == bool(m_bThrough))
                return;
        }
        if (Is<CBlockAOutLAD>(pBlock)) {
            for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
                auto* pReader = static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos));
                if (pReader->m_nOperand == pBlock->m_nNumber)
                    Trace(pReader);
            }
            return;
        }
        FollowOutput(pBlock);
    }

    std::vector<CBlockAnalog*> m_sources;

private:
    void FollowOutput(CBlockObj* pBlock)
    {
        std::vector<CConnectLineObj*> lines = LinesAtPin(m_doc, pBlock, BLOCK_FIRST_OUTPUT);
        if (!m_bThrough)
            lines = WithoutRepeatedComparatorLines(std::move(lines));
        CBlockObj* pPrevious = pBlock;
        for (CConnectLineObj* pLine : lines) {
            CBlockObj* pNext = NextBlock(*pLine, pPrevious);
            if (pNext != pBlock)
                Trace(pNext);
            pPrevious = pNext;
        }
    }

    CBlockObj* NextBlock(const CConnectLineObj& line, CBlockObj* pPrevious) const
    {
        const auto fits = [&](CBlockObj* pCandidate, int nPin) {
            return pCandidate && !IsAnalogInputOf(m_doc, pCandidate) && pCandidate != pPrevious &&
                   nPin < BLOCK_FIRST_OUTPUT;
        };
        if (fits(line.m_pEndBlock, line.m_nEndPin))
            return line.m_pEndBlock;
        if (fits(line.m_pStartBlock, line.m_nStartPin))
            return line.m_pStartBlock;
        return pPrevious;
    }

    const CVetlaDoc& m_doc;
    BOOL m_bThrough;
    BlockSet m_seen;
};

bool SameRange(const CBlockAnalog* a, const CBlockAnalog* b)
{
    return a->m_nRangeMin == b->m_nRangeMin && a->m_nRangeMax == b->m_nRangeMax &&
           a->m_nSensor == b->m_nSensor;
}

bool SourcesAgree(const std::vector<CBlockAnalog*>& sources)
{
    return std::all_of(sources.begin(), sources.end(),
                       [&](const CBlockAnalog* p) { return SameRange(p, sources.front()); });
}

// The simulated-input settings as the block or, for a ladder contact, its operand keeps them.
struct SimSettings {
    int nAuto;
    int nValue;
    int nMin;
    int nMax;
};

SimSettings Bounded(const SimSettings& s)
{
    return {s.nAuto, BoundedSimValue(s.nValue), BoundedSimValue(s.nMin), BoundedSimValue(s.nMax)};
}

SimSettings ReadSettings(const CBlockObj& block)
{
    return Bounded({block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX], block.m_nAux[INPUT_SIM_VALUE_AUX],
                    block.m_nAux[BLOCK_VALUE_MIN_AUX], block.m_nAux[BLOCK_VALUE_MAX_AUX]});
}

void WriteSettings(CBlockObj& block, const SimSettings& s)
{
    block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = s.nAuto;
    block.m_nAux[INPUT_SIM_VALUE_AUX] = s.nValue;
    block.m_nAux[BLOCK_VALUE_MIN_AUX] = s.nMin;
    block.m_nAux[BLOCK_VALUE_MAX_AUX] = s.nMax;
}

// A ladder contact's operand record: its first word is the automatic-range flag, its last the
// input kind, which stays as it was.
void ReadOperandRecord(const CVetlaDoc& doc, const CBlockObj& block, SimSettings& s)
{
    OperandSimRecord record;
    if (doc.m_mapOperandSim.Lookup(block.m_nOperand, record))
        s = Bounded({record.nKind, record.nValue, record.nMin, record.nMax});
}

void WriteOperandRecord(CVetlaDoc& doc, const CBlockObj& block, const SimSettings& s)
{
    OperandSimRecord record;
    doc.m_mapOperandSim.Lookup(block.m_nOperand, record);
    record.nKind = s.nAuto;
    record.nValue = s.nValue;
    record.nMin = s.nMin;
    record.nMax = s.nMax;
    doc.m_mapOperandSim.SetAt(block.m_nOperand, record);
}

void UpdateDigitalInput(CVetlaDoc& doc, CBlockObj& block)
{
    const bool bContact = Is<CBlockMake>(&block);
    SimSettings s = ReadSettings(block);
    if (bContact)
        ReadOperandRecord(doc, block, s);
    if (s.nAuto) {
        s.nMin = 0;
        s.nMax = kDigitalAutoMax;
    } else if (s.nMin > s.nMax) {
        std::swap(s.nMin, s.nMax);
    }
    s.nValue = std::clamp(s.nValue, s.nMin, s.nMax);
    WriteSettings(block, s);
    if (bContact)
        WriteOperandRecord(doc, block, s);
}

struct Range {
    int nMin;
    int nMax;
};

// The range of an analog input with its own range [smin, smax] and its sources.
Range FitToSources(const SimSettings& s, const std::vector<CBlockAnalog*>& sources, int rmin, int rmax)
{
    const int smin = std::min(s.nMin, s.nMax);
    const int smax = std::max(s.nMin, s.nMax);
    if (sources.empty() || !SourcesAgree(sources))
        return s.nAuto ? Range{0, kAnalogAutoMax} : Range{smin, smax};
    if (s.nAuto)
        return {rmin, rmax};
    if (sources.size() == 1) {
        if (smin == rmax)
            return {rmax, rmax};
        if (smin > rmax)
            return {rmin, rmax};
        if (smax == rmin)
            return {rmin, rmin};
        if (smax < rmin)
            return {rmin, rmax};
    } else {
        if (smin >= rmax)
            return {rmax, rmax};
        if (smax <= rmin)
            return {rmin, rmin};
    }
    return {std::max(smin, rmin), std::min(smax, rmax)};
}

// The raw level of the value: its place in [lo, hi] per mille, lifted for the 4 .. 20 mA
// sensor; a range of zero width puts the value at the bottom of the scale.
int RawLevel(int nValue, int lo, int hi, bool b4To20mA)
{
    const double dScale = b4To20mA ? kAnalogAutoMax - kSensorFloor : kAnalogAutoMax;
    const double dFloor = b4To20mA ? kSensorFloor : 0;
    if (hi == lo)
        return int(dFloor);
    const double x = (double(nValue) - lo) / (double(hi) - lo);
    return RoundRawLevel(x * dScale + dFloor);
}

void UpdateAnalogInput(CVetlaDoc& doc, CBlockObj& block, BOOL bSimulating)
{
    const std::vector<CBlockAnalog*> sources = TraceAnalogSources(doc, &block, FALSE);
    const bool bContact = Is<CBlockAContact>(&block);
    SimSettings s = ReadSettings(block);
    if (bContact)
        ReadOperandRecord(doc, block, s);
    int rmin = 0;
    int rmax = 0;
    if (!sources.empty()) {
        rmin = std::min(sources.front()->m_nRangeMin, sources.front()->m_nRangeMax);
        rmax = std::max(sources.front()->m_nRangeMin, sources.front()->m_nRangeMax);
    }
    const Range range = FitToSources(s, sources, rmin, rmax);
    s.nMin = range.nMin;
    s.nMax = range.nMax;
    s.nValue = std::clamp(s.nValue, range.nMin, range.nMax);
    WriteSettings(block, s);
    if (bContact)
        WriteOperandRecord(doc, block, s);
    if (!bSimulating)
        return;
    // The raw level is the value the input passes on to the blocks it feeds (its analog output
    // value), which scale it by their own gain and offset.
    if (sources.empty() || !SourcesAgree(sources))
        block.m_nHeldValue = RawLevel(s.nValue, s.nMin, s.nMax, false);
    else
        block.m_nHeldValue = RawLevel(s.nValue, rmin, rmax, sources.front()->m_nSensor == kSensor4To20mA);
}

// The blocks whose output is a value of their own rather than their first input's.
constexpr TypeCodeList kUpstreamWalkEnds = {
    BT_SW,     BT_AMATH, BT_AMUX,  BT_ARAMP,   BT_PI,    BT_AFILTER, BT_MAXMIN, BT_AVGVAL, BT_BCD,  BT_BIN,
    BT_ROL,    BT_ROR,   BT_SHL,   BT_SHR,     BT_ANDM,  BT_ORM,     BT_NOTM,   BT_NANDM,  BT_NORM, BT_XORM,
    BT_ARRMXIV, BT_ACMXIV, BT_RAND, BT_MEM,    BT_SEG,   BT_CRC16,   BT_MOD,    BT_REM,    BT_LOG,  BT_SQRT,
    BT_ABS,    BT_GCD,   BT_LCM,   BT_POW2,    BT_EXP,   BT_FIX,     BT_ROUND,  BT_SIN,    BT_COS,  BT_TAN,
    BT_COT,    BT_SEC,   BT_CSC,   BT_QUAD,
};

// Walks from the block numbered nNumber up its first inputs to the analog input that feeds it
// and normalises that input; the input reached, or null.
CBlockObj* WalkUpstream(CVetlaDoc& doc, int nNumber, BOOL bSimulating)
{
    BlockSet seen;
    for (;;) {
        CBlockObj* pBlock = doc.FindBlockByNumber(nNumber);
        if (!pBlock || !seen.insert(pBlock).second)
            return nullptr;
        // By type code: the factory makes connectors as plain blocks until a cut or a load.
        if (pBlock->m_nType == BT_FEMALE) {
            const CBlockObj* pMale = FindPartner(doc, pBlock);
            if (!pMale)
                return nullptr;
            nNumber = pMale->m_nPinSource[0];
        } else if (Is<CBlockAnalogIn>(pBlock)) {
            UpdateSimInputSettings(doc, pBlock, bSimulating);
            return pBlock;
        } else if (Is<CBlockAAMP>(pBlock)) {
            return nullptr;
        } else if (Is<CBlockAContact>(pBlock)) {
            if (pBlock->m_nOperand >= kFirstAnalogInput && pBlock->m_nOperand <= kLastAnalogInput) {
                UpdateSimInputSettings(doc, pBlock, bSimulating);
                return pBlock;
            }
            nNumber = pBlock->m_nOperand;
        } else if (ListsType(kUpstreamWalkEnds, pBlock->m_nType)) {
            return nullptr;
        } else {
            nNumber = pBlock->m_nPinSource[0];
        }
    }
}

}  // namespace

bool MeasuresAnalogRange(int nType) { return FindRangeSource(nType) != nullptr; }

int RoundRawLevel(double x)
{
    constexpr double kMax = std::numeric_limits<int>::max();
    constexpr double kMin = std::numeric_limits<int>::min();
    if (x != 0.0 && int(std::fmod(std::trunc(std::fabs(x) * 10.0), 10.0)) >= 5)
        x += x > 0 ? 1.0 : -1.0;
    return int(std::clamp(std::trunc(x), kMin, kMax));
}

std::vector<CBlockAnalog*> TraceAnalogSources(const CVetlaDoc& doc, CBlockObj* pBlock, BOOL bThrough)
{
    SourceTrace trace(doc, bThrough);
    trace.Trace(pBlock);
    return std::move(trace.m_sources);
}

void GetAnalogRange(const CVetlaDoc& doc, CBlockObj* pBlock, int* pMax, int* pMin)
{
    if (!Is<CBlockAnalogIn>(pBlock) && !Is<CBlockAContact>(pBlock))
        return;
    const std::vector<CBlockAnalog*> sources = TraceAnalogSources(doc, pBlock, FALSE);
    if (sources.empty() || !SourcesAgree(sources)) {
        *pMin = -ANALOG_RANGE_OPEN;
        *pMax = ANALOG_RANGE_OPEN;
        return;
    }
    *pMin = std::min(sources.front()->m_nRangeMin, sources.front()->m_nRangeMax);
    *pMax = std::max(sources.front()->m_nRangeMin, sources.front()->m_nRangeMax);
}

void UpdateSimInputSettings(CVetlaDoc& doc, CBlockObj* pBlock, BOOL bSimulating)
{
    if (!pBlock)
        return;
    if (Is<CBlockAnalogIn>(pBlock) || Is<CBlockAContact>(pBlock))
        UpdateAnalogInput(doc, *pBlock, bSimulating);
    else if (Is<CBlockIn>(pBlock) || Is<CBlockFKey>(pBlock) || Is<CBlockMake>(pBlock))
        UpdateDigitalInput(doc, *pBlock);
}

void RefreshAnalogSources(CVetlaDoc& doc, CBlockObj* pBlock, BOOL bSimulating)
{
    const RangeSource* pSource = pBlock ? FindRangeSource(pBlock->m_nType) : nullptr;
    if (!pSource)
        return;
    const CBlockObj* pReached = WalkUpstream(doc, pBlock->m_nPinSource[pSource->nFirstPin], bSimulating);
    // The comparator's second input is walked too, unless it leads to the same input.
    if (pBlock->m_nType != BT_ACOMP)
        return;
    const CBlockObj* pSecond = doc.FindBlockByNumber(pBlock->m_nPinSource[1]);
    if (pSecond && pSecond != pReached)
        WalkUpstream(doc, pBlock->m_nPinSource[1], bSimulating);
}
