#include "pages/blocks/AnalogPageRows.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/AMathMux.h"
#include "pages/blocks/ARAMP.h"
#include "pages/blocks/AnalogComparator.h"
#include "pages/blocks/PI.h"
#include "pages/blocks/PWM.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/LiveValues.h"

namespace {

template <class TPage, int TPage::*Member>
PageBinding Bind(BlockWordArray array, int nIndex)
{
    return {{array, nIndex}, &PageMember<TPage, Member>, WRITE_ON_BOTH};
}

template <int N>
int& MathValue(CBlockPage& page)
{
    return static_cast<CAMathMux&>(page).m_nV[N];
}
template <int N>
int& MathOperator(CBlockPage& page)
{
    return static_cast<CAMathMux&>(page).m_nOperator[N];
}
template <int N>
int& MathPriority(CBlockPage& page)
{
    return static_cast<CAMathMux&>(page).m_nPriority[N];
}

constexpr BlockWordArray P = BlockWordArray::Param;
constexpr BlockWordArray X = BlockWordArray::ParamEx;

const PageBinding kProtection = Bind<CAnalogPage, &CAnalogPage::m_bProtection>(P, BLOCK_PROTECTION_PARAM);

const std::vector<PageBinding> kComparatorBindings = {
    kProtection, Bind<CAnalogComparator, &CAnalogComparator::m_bRetentive>(P, BLOCK_RETENTIVE_PARAM)};

const std::vector<PageBinding> kRampBindings = {
    kProtection,
    Bind<CARAMP, &CARAMP::m_nSpeed>(P, ARAMP_SPEED_PARAM),
    Bind<CARAMP, &CARAMP::m_nMaxOutput>(X, ARAMP_MAX_OUTPUT_PARAMEX),
    Bind<CARAMP, &CARAMP::m_nStartStopOffset>(X, ARAMP_START_STOP_PARAMEX),
};

const std::vector<PageBinding> kMuxBindings = {
    kProtection,
    {{P, AMATH_V1_PARAM}, &MathValue<0>, WRITE_ON_BOTH},
    {{X, AMATH_V2_PARAMEX}, &MathValue<1>, WRITE_ON_BOTH},
    {{X, AMATH_V3_PARAMEX}, &MathValue<2>, WRITE_ON_BOTH},
    {{X, AMATH_V4_PARAMEX}, &MathValue<3>, WRITE_ON_BOTH},
};

std::vector<PageBinding> MathBindings()
{
    std::vector<PageBinding> bindings = kMuxBindings;
    bindings.insert(bindings.end(), {
                                        {{P, AMATH_OP1_PARAM}, &MathOperator<0>, WRITE_ON_BOTH},
                                        {{X, AMATH_OP2_PARAMEX}, &MathOperator<1>, WRITE_ON_BOTH},
                                        {{X, AMATH_OP3_PARAMEX}, &MathOperator<2>, WRITE_ON_BOTH},
                                        {{P, AMATH_PRIO1_PARAM}, &MathPriority<0>, WRITE_ON_BOTH},
                                        {{X, AMATH_PRIO2_PARAMEX}, &MathPriority<1>, WRITE_ON_BOTH},
                                        {{X, AMATH_PRIO3_PARAMEX}, &MathPriority<2>, WRITE_ON_BOTH},
                                        Bind<CAMathMux, &CAMathMux::m_nEnOffOutput>(X, AMATH_KEEP_VALUE_PARAMEX),
                                    });
    return bindings;
}

const std::vector<PageBinding> kPIBindings = {kProtection, Bind<CPI, &CPI::m_bRetentive>(P, BLOCK_RETENTIVE_PARAM)};

const std::vector<PageBinding> kPWMBindings = {
    kProtection,
    Bind<CPWM, &CPWM::m_nTimeLow>(P, TIMER_ON_LOW_PARAM),
    Bind<CPWM, &CPWM::m_nTimeHigh>(P, TIMER_ON_HIGH_PARAM),
    Bind<CPWM, &CPWM::m_nTimeBase>(P, TIMER_ON_BASE_PARAM),
    Bind<CPWM, &CPWM::m_nRefUnit>(P, TIMER_ON_REF_UNIT_PARAM),
};

// The analog pages' controls whose text the Chinese interface replaces, under keys equal to
// their ids. The limit rows' captions change with the type and the generation: the page
// captions them itself (CAnalogPage::ShowLimitRow).
// The PI controller's group 1091 holds its set value, not a threshold.
std::vector<ControlTextKey> AnalogTexts(bool bThresholdGroup = true)
{
    std::vector<ControlTextKey> keys;
    for (int nID : {1371, 1024, 1025, 1295, 1083, 1104, 1105, 1084, 1106, 1107, 1085, 1087, 1088, 1086, 1080, 1014, 1351})
        keys.push_back({nID, WORD(nID)});
    if (bThresholdGroup)
        keys.push_back({IDC_LIMIT_GROUP, WORD(IDC_LIMIT_GROUP)});
    return keys;
}

// The math and multiplexer page: the analog controls and the rows' Reference buttons.
std::vector<ControlTextKey> MathTexts()
{
    std::vector<ControlTextKey> keys = AnalogTexts();
    for (int nID : IDC_AMATH_REF)
        keys.push_back({nID, TEXT_KEY_REFERENCE});
    return keys;
}

// The watchdog shows its value and its reference value.
BOOL WatchdogValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&block);
    if (!pAnalog)
        return FALSE;
    strText.Format(_T("%6d/%6d"), pAnalog->m_nValue, pAnalog->m_nRefValue);
    return TRUE;
}

// The differential trigger shows its value and the sum of its two thresholds.
BOOL DifferentialValue(CBlockObj& block, const CSimContext&, CString& strText)
{
    const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&block);
    if (!pAnalog)
        return FALSE;
    strText.Format(_T("%6d/%lld"), pAnalog->m_nValue, (long long)pAnalog->m_nThreshold1 + pAnalog->m_nThreshold2);
    return TRUE;
}

const SheetPage kComparatorPage = {
    .pfnCreatePage = CreatePage<CAnalogComparator>, .bindings = kComparatorBindings, .textKeys = AnalogTexts()};

// The amplifier's rows keep the template's "On" and "Off".
std::vector<ControlTextKey> AmplifierTexts()
{
    std::vector<ControlTextKey> keys = AnalogTexts();
    keys.insert(keys.end(), {{IDC_LIMIT1_LABEL, TEXT_KEY_LIMIT_ON}, {IDC_LIMIT2_LABEL, TEXT_KEY_LIMIT_OFF}});
    return keys;
}

const SheetPage kAmplifierPage = {
    .pfnCreatePage = CreatePage<CAnalogComparator>, .bindings = kComparatorBindings, .textKeys = AmplifierTexts()};
const SheetPage kMathPage = {
    .pfnCreatePage = CreatePage<CAMathMux>, .bindings = MathBindings(), .textKeys = MathTexts()};
const SheetPage kMuxPage = {.pfnCreatePage = CreatePage<CAMathMux>, .bindings = kMuxBindings, .textKeys = MathTexts()};
const SheetPage kRampPage = {.pfnCreatePage = CreatePage<CARAMP>, .bindings = kRampBindings, .textKeys = AnalogTexts()};

std::vector<ControlTextKey> PITexts()
{
    std::vector<ControlTextKey> keys = AnalogTexts(false);
    keys.push_back({IDC_PI_TI_UNIT, TEXT_KEY_MINUTES_SECONDS});
    return keys;
}

const SheetPage kPIPage = {.pfnCreatePage = CreatePage<CPI>, .bindings = kPIBindings, .textKeys = PITexts()};
const SheetPage kPWMPage = {.pfnCreatePage = CreatePage<CPWM>, .bindings = kPWMBindings, .textKeys = AnalogTexts()};

const SheetTypeRow kRows[] = {
    {BT_ACOMP, &kComparatorPage, 1020, 30, AnalogLiveValue},
    {BT_ATHTRG, &kComparatorPage, 1027, 30, AnalogLiveValue},
    {BT_AAMP, &kAmplifierPage, 1019, 30, AnalogLiveValue},
    {BT_AWDOG, &kComparatorPage, 1028, 30, WatchdogValue},
    {BT_ADTRG, &kComparatorPage, 1021, 30, DifferentialValue},
    {BT_AMATH, &kMathPage, 1057, 30, AnalogLiveValue},
    {BT_AMUX, &kMuxPage, 1024, 30, AnalogLiveValue},
    {BT_ARAMP, &kRampPage, 1026, 30, AnalogLiveValue},
    {BT_PI, &kPIPage, 1081, 30, AnalogLiveValue},
    {BT_PWM, &kPWMPage, 1086, 30, AnalogLiveValue},
};

}  // namespace

std::span<const SheetTypeRow> AnalogPageRows() { return kRows; }
