#include "pages/blocks/AnalogRecord.h"

#include "blocks/BlockAnalog.h"
#include "document/VetlaDoc.h"

AnalogRecord ReadAnalogRecord(const CBlockAnalog& block)
{
    AnalogRecord r;
    r.nGroups = ANALOG_GROUP_SCALING | ANALOG_GROUP_LIMITS | ANALOG_GROUP_PI | ANALOG_GROUP_PWM;
    r.nReferences = BLOCK_REF_COUNT;
    for (int i = 0; i < BLOCK_REF_COUNT; ++i) {
        const CBlockObj* pRef = block.m_pRefBlock[i];
        r.refs[i].bUse = pRef != nullptr;
        r.refs[i].nBlockNumber = pRef ? pRef->m_nNumber : -1;
    }
    r.nDecimals = block.m_nDecimals;
    r.nSensor = block.m_nSensor;
    r.nRangeMin = block.m_nRangeMin;
    r.nRangeMax = block.m_nRangeMax;
    r.dGain = block.m_dGain;
    r.nOffset = block.m_nOffset;
    r.nUnit = block.m_nUnit;
    r.nResolution = block.m_nResolution;
    r.nLimit1 = block.m_nThreshold1;
    r.nLimit2 = block.m_nThreshold2;
    r.nParamSet = block.m_nPiParamSet;
    r.dKC = block.m_dPiKC;
    r.bUseTI = block.m_bPiUseTI;
    r.nTIMinutes = block.m_nPiTIMinutes;
    r.nTISeconds = block.m_nPiTISeconds;
    // The PI controller keeps its direction where the PWM block keeps its output.
    r.nDirection = block.m_nPwmOpt;
    r.nFastOutput = block.m_nPwmOpt;
    return r;
}

void WriteAnalogRecord(const AnalogRecord& r, CBlockAnalog& block)
{
    const CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument());
    for (int i = 0; i < r.nReferences && i < BLOCK_REF_COUNT; ++i) {
        CBlockObj* pRef = r.refs[i].bUse && pDoc ? pDoc->FindBlockByNumber(r.refs[i].nBlockNumber) : nullptr;
        block.m_pRefBlock[i] = pRef;
        block.m_nParam[BLOCK_REF_USED_PARAM + i] = pRef ? 1 : 0;
    }
    block.m_nDecimals = r.nDecimals;
    if (r.nGroups & ANALOG_GROUP_SCALING) {
        block.m_nSensor = r.nSensor;
        block.m_nRangeMin = r.nRangeMin;
        block.m_nRangeMax = r.nRangeMax;
        block.m_dGain = r.dGain;
        block.m_nOffset = r.nOffset;
        block.m_nUnit = r.nUnit;
        block.m_nResolution = r.nResolution;
    }
    if (r.nGroups & ANALOG_GROUP_LIMITS) {
        block.m_nThreshold1 = r.nLimit1;
        block.m_nThreshold2 = r.nLimit2;
    }
    if (r.nGroups & ANALOG_GROUP_PI) {
        block.m_nPiParamSet = r.nParamSet;
        block.m_dPiKC = r.dKC;
        block.m_bPiUseTI = r.bUseTI;
        block.m_nPiTIMinutes = r.nTIMinutes;
        block.m_nPiTISeconds = r.nTISeconds;
        block.m_nPwmOpt = r.nDirection;
    }
    if (r.nGroups & ANALOG_GROUP_PWM)
        block.m_nPwmOpt = r.nFastOutput;
}

