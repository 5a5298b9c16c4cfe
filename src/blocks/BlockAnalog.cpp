#include "blocks/BlockAnalog.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"

namespace {

constexpr int kAnalogMin = -20000;
constexpr int kAnalogMax = 20000;

// The PWM block's own start value of its PWM setting; every other analog block starts at 0.
constexpr int kPwmDefault = 4;

constexpr std::array<BlockSetup, 13> kAnalogSetups = {{
    {.nType = BT_ACOMP, .nInputs = 3, .wProgramBytes = 24, .nPinSlots = 8, .nCapFlags = 0x1F,
     .links = {{{2, LINK_PARAM}, {3, 71}, {4, 72}, {5, 73}, {6, 74}, {7, LINK_END}}}},
    {.nType = BT_ATHTRG, .nInputs = 2, .wProgramBytes = 16, .nPinSlots = 7, .nCapFlags = 0x1F,
     .links = {{{1, LINK_PARAM}, {2, 71}, {3, 72}, {4, 73}, {5, 74}, {6, LINK_END}}}},
    {.nType = BT_AAMP, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x3F,
     .links = {{{1, 72}, {2, 73}, {3, 74}, {4, LINK_END}}}},
    {.nType = BT_AWDOG, .nInputs = 3, .wProgramBytes = 20, .nPinSlots = 7, .nCapFlags = 0x1E,
     .links = {{{2, LINK_PARAM}, {3, 72}, {4, 73}, {5, 74}, {6, LINK_END}}},
     .words = {{{BlockWord::Param, BLOCK_RETENTIVE_PARAM, 0}}}},
    {.nType = BT_ADTRG, .nInputs = 2, .wProgramBytes = 16, .nPinSlots = 7, .nCapFlags = 0x1E,
     .links = {{{1, LINK_PARAM}, {2, 75}, {3, 72}, {4, 73}, {5, 74}, {6, LINK_END}}}},
    {.nType = BT_AMATH, .nInputs = 2, .wProgramBytes = 20, .nPinSlots = 11, .nCapFlags = 0x3F,
     .links = {{{1, LINK_PARAM}, {2, 70}, {3, 71}, {4, 73}, {5, 61}, {6, 62}, {7, 63}, {8, 64},
                {9, 74}, {11, LINK_END}}},
     .words = {{{BlockWord::ParamEx, AMATH_PRIO2_PARAMEX, 1}}}},
    {.nType = BT_AMUX, .nInputs = 4, .wProgramBytes = 20, .nPinSlots = 9, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, 70}, {5, 71}, {6, 73}, {7, 74}, {8, LINK_END}}}},
    {.nType = BT_ARAMP, .nInputs = 4, .wProgramBytes = 28, .nPinSlots = 12, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, 71}, {5, 76}, {6, 77}, {7, 78}, {8, 72}, {9, 73}, {11, 74},
                {12, LINK_END}}},
     .words = {{{BlockWord::Param, ARAMP_SPEED_PARAM, 10},
                {BlockWord::ParamEx, ARAMP_MAX_OUTPUT_PARAMEX, 1000}}}},
    {.nType = BT_PI, .nInputs = 4, .wProgramBytes = 28, .nPinSlots = 14, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, 71}, {5, 76}, {6, 77}, {7, 89}, {8, 79}, {9, 72}, {11, 73},
                {12, 78}, {13, 74}, {14, LINK_END}}},
     .words = {{{BlockWord::Param, BLOCK_RETENTIVE_PARAM, 1}}}},
    {.nType = BT_PWM, .nInputs = 3, .wProgramBytes = 24, .nPinSlots = 11, .nCapFlags = 0x1E,
     .links = {{{2, LINK_PARAM}, {3, 72}, {4, 73}, {5, 89}, {6, 79}, {7, 95}, {8, 96}, {9, 74},
                {11, LINK_END}}}},
    {.nType = BT_AFILTER, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 4, .nCapFlags = 0x3F,
     .links = {{{1, LINK_PARAM}, {2, 94}, {3, LINK_END}}},
     .words = {{{BlockWord::Param, AFILTER_SAMPLES_PARAM, 3}}}},
    {.nType = BT_MAXMIN, .nInputs = 4, .wProgramBytes = 16, .nPinSlots = 6, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, 72}, {5, LINK_END}}},
     .words = {{{BlockWord::ParamEx, MAXMIN_RESET_PARAMEX, 0}}}},
    {.nType = BT_AVGVAL, .nInputs = 4, .wProgramBytes = 16, .nPinSlots = 6, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, 72}, {5, LINK_END}}},
     .words = {{{BlockWord::Param, AVGVAL_SAMPLES_PARAM, 1},
                {BlockWord::Param, AVGVAL_TIME_PARAM, 1},
                {BlockWord::Param, AVGVAL_UNIT_PARAM, 0}}}},
}};

}  // namespace

IMPLEMENT_DYNAMIC(CBlockAnalog, CBlockObj)
IMPLEMENT_TABLE_BLOCK(CBlockACOMP, CBlockAnalog, kAnalogSetups, BT_ACOMP)
IMPLEMENT_TABLE_BLOCK(CBlockATHTRG, CBlockAnalog, kAnalogSetups, BT_ATHTRG)
IMPLEMENT_TABLE_BLOCK(CBlockAAMP, CBlockAnalog, kAnalogSetups, BT_AAMP)
IMPLEMENT_TABLE_BLOCK(CBlockAWDOG, CBlockAnalog, kAnalogSetups, BT_AWDOG)
IMPLEMENT_TABLE_BLOCK(CBlockADTRG, CBlockAnalog, kAnalogSetups, BT_ADTRG)
IMPLEMENT_TABLE_BLOCK(CBlockAMATH, CBlockAnalog, kAnalogSetups, BT_AMATH)
IMPLEMENT_TABLE_BLOCK(CBlockAMUX, CBlockAnalog, kAnalogSetups, BT_AMUX)
IMPLEMENT_TABLE_BLOCK(CBlockARAMP, CBlockAnalog, kAnalogSetups, BT_ARAMP)
IMPLEMENT_TABLE_BLOCK(CBlockPI, CBlockAnalog, kAnalogSetups, BT_PI)
IMPLEMENT_TABLE_BLOCK(CBlockAFILTER, CBlockAnalog, kAnalogSetups, BT_AFILTER)
IMPLEMENT_TABLE_BLOCK(CBlockMAXMIN, CBlockAnalog, kAnalogSetups, BT_MAXMIN)
IMPLEMENT_TABLE_BLOCK(CBlockAVGVAL, CBlockAnalog, kAnalogSetups, BT_AVGVAL)
IMPLEMENT_SERIAL(CBlockPWM, CBlockAnalog, VERSIONABLE_SCHEMA | 1)

CBlockAnalog::CBlockAnalog(int nType, int nInputs) : CBlockObj(nType, nInputs)
{
    m_nAux[BLOCK_VALUE_MIN_AUX] = kAnalogMin;
    m_nAux[BLOCK_VALUE_MAX_AUX] = kAnalogMax;
}

void CBlockAnalog::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nSensor << m_nRangeMin << m_nRangeMax << m_dGain << m_nOffset
           << m_nThreshold1 << m_nThreshold2 << m_nDecimals << m_nUnit << m_nResolution;
        ar << m_nPiParamSet << m_dPiKC << m_bPiUseTI << m_nPiTIMinutes << m_nPiTISeconds << m_nPwmOpt;
        return;
    }
    ReadFields(ar, m_nSensor, m_nRangeMin, m_nRangeMax, m_dGain, m_nOffset,
               m_nThreshold1, m_nThreshold2, m_nDecimals, m_nUnit, m_nResolution);
    if (m_nSchema == 0)
        return;
    if (m_nSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ReadFields(ar, m_nPiParamSet, m_dPiKC, m_bPiUseTI, m_nPiTIMinutes, m_nPiTISeconds, m_nPwmOpt);
}

void CBlockAnalog::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (!pDst->IsKindOf(RUNTIME_CLASS(CBlockAnalog)))
        return;
    auto* pAnalog = static_cast<CBlockAnalog*>(pDst);
    pAnalog->m_nSensor = m_nSensor;
    pAnalog->m_nRangeMin = m_nRangeMin;
    pAnalog->m_nRangeMax = m_nRangeMax;
    pAnalog->m_dGain = m_dGain;
    pAnalog->m_nOffset = m_nOffset;
    pAnalog->m_nThreshold1 = m_nThreshold1;
    pAnalog->m_nThreshold2 = m_nThreshold2;
    pAnalog->m_nDecimals = m_nDecimals;
    pAnalog->m_nUnit = m_nUnit;
    pAnalog->m_nResolution = m_nResolution;
    // The PI settings belong to the PI controller, the PWM setting to it and the PWM block.
    const BOOL bPI = pDst->IsKindOf(RUNTIME_CLASS(CBlockPI));
    if (bPI) {
        pAnalog->m_nPiParamSet = m_nPiParamSet;
        pAnalog->m_dPiKC = m_dPiKC;
        pAnalog->m_bPiUseTI = m_bPiUseTI;
        pAnalog->m_nPiTIMinutes = m_nPiTIMinutes;
        pAnalog->m_nPiTISeconds = m_nPiTISeconds;
    }
    if (bPI || pDst->IsKindOf(RUNTIME_CLASS(CBlockPWM)))
        pAnalog->m_nPwmOpt = m_nPwmOpt;
}

CBlockPWM::CBlockPWM()
{
    constexpr const BlockSetup& row = FindBlockSetup(kAnalogSetups, BT_PWM);
    ApplyLoadDefaults(*this, row);
    m_nPwmOpt = kPwmDefault;
}

CBlockPWM::CBlockPWM(int nType)
    : CBlockAnalog(nType, FindBlockSetup(kAnalogSetups, BT_PWM).nInputs)
{
    constexpr const BlockSetup& row = FindBlockSetup(kAnalogSetups, BT_PWM);
    ApplyBlockSetup(*this, row);
    m_nPwmOpt = kPwmDefault;
}
