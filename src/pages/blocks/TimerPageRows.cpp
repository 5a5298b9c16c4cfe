#include "pages/blocks/TimerPageRows.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "pages/blocks/AVGVAL.h"
#include "pages/blocks/HoursCounter.h"
#include "pages/blocks/SpecialFunPar.h"
#include "pages/blocks/SpecialFunPar2.h"
#include "pages/blocks/SpecialPar4.h"
#include "pages/blocks/ThresholdTrigger.h"
#include "pages/blocks/TimerPageIds.h"
#include "pages/blocks/WeeklyCams1.h"
#include "pages/blocks/WeeklyGeneral.h"
#include "pages/blocks/YearlyTimer.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/LiveValues.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetHooks.h"
#include "pages/sheet/TimeValueRow.h"

#include <type_traits>
#include <utility>

namespace {

constexpr BlockWord Param(int nIndex) { return {BlockWordArray::Param, nIndex}; }
constexpr BlockWord ParamEx(int nIndex) { return {BlockWordArray::ParamEx, nIndex}; }

// ---- the timers with one and two times ----

std::vector<PageBinding> SpecialFunParBindings()
{
    using P = CSpecialFunPar;
    std::vector<PageBinding> bindings = {
        {Param(BLOCK_RETENTIVE_PARAM), &PageMember<P, &P::m_bRetentive>, WRITE_ON_BOTH},
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<P, &P::m_bProtection>, WRITE_ON_BOTH},
    };
    AddTimeBindings<P, &P::m_time>(bindings, TIME_SLOT_1);
    return bindings;
}

// The random generator has no Retentivity; only the edge triggered wiping relay counts pulses.
std::vector<PageBinding> SpecialFunPar2Bindings(bool bRetentive, bool bPulses)
{
    using P = CSpecialFunPar2;
    std::vector<PageBinding> bindings = {
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<P, &P::m_bProtection>, WRITE_ON_BOTH}};
    if (bRetentive)
        bindings.push_back({Param(BLOCK_RETENTIVE_PARAM), &PageMember<P, &P::m_bRetentive>, WRITE_ON_BOTH});
    if (bPulses)
        bindings.push_back({ParamEx(RPR_PULSES_PARAMEX), &PageMember<P, &P::m_nPulseCycles>, WRITE_ON_BOTH});
    AddTimeBindings<P, &P::m_time1>(bindings, TIME_SLOT_1);
    AddTimeBindings<P, &P::m_time2>(bindings, TIME_SLOT_2);
    return bindings;
}

// A delay whose sheet a simulation closes keeps a plain constant time behind the reference it
// takes its time from.
void ClearTimeBehindReference(CBlockObj& block)
{
    if (!block.m_nParam[BLOCK_REF_USED_PARAM])
        return;
    block.m_nParam[TIMER_ON_LOW_PARAM] = 0;
    block.m_nParam[TIMER_ON_HIGH_PARAM] = 0;
    block.m_nParam[TIMER_ON_BASE_PARAM] = TIME_BASE_SECONDS;
}

const SheetHooks kDelayHooks = {.pfnClosedModeless = ClearTimeBehindReference};

const std::vector<ControlTextKey> kOneTimeTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVE, IDC_RETENTIVE},
    {IDC_PROTECTION, IDC_PROTECTION},             {IDC_TIME1_REFERENCE, IDC_TIME1_REFERENCE}};
const std::vector<ControlTextKey> kTwoTimeTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVE, IDC_RETENTIVE},
    {IDC_PROTECTION, IDC_PROTECTION},             {IDC_TIME1_REFERENCE, IDC_TIME1_REFERENCE},
    {IDC_TIME2_REFERENCE, IDC_TIME2_REFERENCE},   {IDC_PULSE_CYCLES_LABEL, IDC_PULSE_CYCLES_LABEL}};

// ---- the stairway and multi-function switches ----

template <class TPage>
std::vector<PageBinding> SwitchBindings()
{
    using S = CSpecialPar3;
    std::vector<PageBinding> bindings = {
        {Param(BLOCK_RETENTIVE_PARAM), &PageMember<S, &S::m_bRetentive>, WRITE_ON_BOTH},
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<S, &S::m_bProtection>, WRITE_ON_BOTH},
        {ParamEx(STAIRCASE_STANDARD_PARAMEX), &PageMember<S, &S::m_bStandard>, WRITE_ON_BOTH},
    };
    AddTimeBindings<S, &S::m_off>(bindings, TIME_SLOT_2);
    AddTimeBindings<S, &S::m_warn>(bindings, WARN_TIME_SLOT);
    AddTimeBindings<S, &S::m_period>(bindings, WARN_PERIOD_SLOT);
    if constexpr (std::is_same_v<TPage, CSpecialPar4>)
        AddTimeBindings<CSpecialPar4, &CSpecialPar4::m_light>(bindings, TIME_SLOT_1);
    return bindings;
}

const std::vector<ControlTextKey> kStairwayTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVE, IDC_RETENTIVE},
    {IDC_PROTECTION, IDC_PROTECTION},             {IDC_TIME2_REFERENCE, IDC_TIME2_REFERENCE},
    {IDC_SW_TL_GROUP, 1580, true},                      {IDC_SW_STANDARD, 141},
    {IDC_SW_WARN_GROUP, 142},                     {IDC_SW_PERIOD_GROUP, 143},
    {IDC_SW_WARN_REFERENCE, IDC_SW_WARN_REFERENCE}, {IDC_SW_PERIOD_REFERENCE, IDC_SW_PERIOD_REFERENCE}};
const std::vector<ControlTextKey> kMultiFunctionTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVE, IDC_RETENTIVE},
    {IDC_PROTECTION, IDC_PROTECTION},             {IDC_TIME1_REFERENCE, IDC_TIME1_REFERENCE},
    {IDC_TIME2_REFERENCE, IDC_TIME2_REFERENCE},   {IDC_SW_T_GROUP, 144},
    {IDC_SW_TL_GROUP, 145},                       {IDC_SW_STANDARD, 141},
    {IDC_SW_WARN_GROUP, 142},                     {IDC_SW_PERIOD_GROUP, 143},
    {IDC_SW_WARN_REFERENCE, IDC_SW_WARN_REFERENCE}, {IDC_SW_PERIOD_REFERENCE, IDC_SW_PERIOD_REFERENCE}};

// ---- the weekly timer ----

// Word n of the cam table of cam nCam: the day flags, then per cam the on time, its flag, the
// off time and its flag.
constexpr int kCamDays = 0;
constexpr int kCamOnTimes = kCamDays + TIMER_CAM_COUNT * WEEK_DAYS;
constexpr int kCamOnFlags = kCamOnTimes + TIMER_CAM_COUNT * 2;
constexpr int kCamOffTimes = kCamOnFlags + TIMER_CAM_COUNT;
constexpr int kCamOffFlags = kCamOffTimes + TIMER_CAM_COUNT * 2;
static_assert(kCamOffFlags + TIMER_CAM_COUNT == TIMER_CAM_WORDS);

constexpr BlockWord Cam(int n) { return {BlockWordArray::Cam, n}; }

template <int Day>
int& CamDay(CBlockPage& page)
{
    return static_cast<CWeeklyCams1&>(page).m_bDays[Day];
}

template <int... Days>
void AddDayBindings(std::vector<PageBinding>& bindings, int nCam, std::integer_sequence<int, Days...>)
{
    (bindings.push_back({Cam(kCamDays + nCam * WEEK_DAYS + Days), &CamDay<Days>, WRITE_ON_BOTH, nCam + 1}), ...);
}

// Apply leaves the pulse-output word as it is: a running block keeps its output mode.
std::vector<PageBinding> WeeklyBindings()
{
    using G = CWeeklyGeneral;
    using C = CWeeklyCams1;
    std::vector<PageBinding> bindings = {
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<G, &G::m_bProtection>, WRITE_ON_BOTH},
        {Param(WT_PULSE_PARAM), &PageMember<G, &G::m_bPulseOutput>, WRITE_ON_OK},
    };
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        const int nPage = nCam + 1;
        AddDayBindings(bindings, nCam, std::make_integer_sequence<int, WEEK_DAYS>());
        const std::pair<int, int& (*)(CBlockPage&)> words[] = {
            {kCamOnTimes + 2 * nCam, &PageMember<C, &C::m_nOnHour>},
            {kCamOnTimes + 2 * nCam + 1, &PageMember<C, &C::m_nOnMinute>},
            {kCamOnFlags + nCam, &PageMember<C, &C::m_bOnDisabled>},
            {kCamOffTimes + 2 * nCam, &PageMember<C, &C::m_nOffHour>},
            {kCamOffTimes + 2 * nCam + 1, &PageMember<C, &C::m_nOffMinute>},
            {kCamOffFlags + nCam, &PageMember<C, &C::m_bOffDisabled>},
        };
        for (const auto& [nWord, pfnMember] : words)
            bindings.push_back({Cam(nWord), pfnMember, WRITE_ON_BOTH, nPage});
    }
    return bindings;
}

std::vector<ExtraPageRow> CamPages()
{
    std::vector<ExtraPageRow> pages;
    for (WORD nKey : TEXT_KEY_CAM_TITLES)
        pages.push_back({CreatePage<CWeeklyCams1>, nKey, false});
    return pages;
}

const std::vector<ControlTextKey> kNameAndProtectionTexts = {{IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL},
                                                             {IDC_PROTECTION, IDC_PROTECTION}};

// The yearly timer's date groups and labels have texts of its own.
const std::vector<ControlTextKey> kYearlyTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_PROTECTION, IDC_PROTECTION}, {IDC_CAM_ON_GROUP, 150},
    {IDC_CAM_OFF_GROUP, 151}, {IDC_YT_ON_DATE_LABEL, 152}, {IDC_YT_OFF_DATE_LABEL, 152}, {IDC_YT_MONTHLY, 153}};

// ---- the yearly timer ----

std::vector<PageBinding> YearlyBindings()
{
    using Y = CYearlyTimer;
    return {
        {Param(YT_ON_MONTH_PARAM), &PageMember<Y, &Y::m_nOnMonth>, WRITE_ON_BOTH},
        {Param(YT_ON_DAY_PARAM), &PageMember<Y, &Y::m_nOnDay>, WRITE_ON_BOTH},
        {ParamEx(YT_OFF_MONTH_PARAMEX), &PageMember<Y, &Y::m_nOffMonth>, WRITE_ON_BOTH},
        {ParamEx(YT_OFF_DAY_PARAMEX), &PageMember<Y, &Y::m_nOffDay>, WRITE_ON_BOTH},
        {Param(YT_MONTHLY_PARAM), &PageMember<Y, &Y::m_bMonthly>, WRITE_ON_BOTH},
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<Y, &Y::m_bProtection>, WRITE_ON_BOTH},
        {Param(YT_PULSE_PARAM), &PageMember<Y, &Y::m_bPulseOutput>, WRITE_ON_BOTH},
        {Param(YT_YEARLY_PARAM), &PageMember<Y, &Y::m_bYearly>, WRITE_ON_BOTH},
        {Param(YT_ON_YEAR_PARAM), &PageMember<Y, &Y::m_nOnYear>, WRITE_ON_BOTH},
        {Param(YT_OFF_YEAR_PARAM), &PageMember<Y, &Y::m_nOffYear>, WRITE_ON_BOTH},
    };
}

// ---- the average value and the threshold trigger ----

std::vector<PageBinding> AvgvalBindings()
{
    using A = CAVGVAL;
    return {
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<A, &A::m_bProtection>, WRITE_ON_BOTH},
        {Param(BLOCK_RETENTIVE_PARAM), &PageMember<A, &A::m_bRetentive>, WRITE_ON_BOTH},
        {Param(AVGVAL_SAMPLES_PARAM), &PageMember<A, &A::m_nSamples>, WRITE_ON_BOTH},
        {Param(AVGVAL_TIME_PARAM), &PageMember<A, &A::m_nSampleTime>, WRITE_ON_BOTH},
        {Param(AVGVAL_UNIT_PARAM), &PageMember<A, &A::m_nSampleUnit>, WRITE_ON_BOTH},
    };
}

std::vector<PageBinding> ThresholdTriggerBindings()
{
    using T = CThresholdTrigger;
    std::vector<PageBinding> bindings = {
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<T, &T::m_bProtection>, WRITE_ON_BOTH},
        {Param(THTRG_ON_PARAM), &PageMember<T, &T::m_nOnThreshold>, WRITE_ON_BOTH},
        {Param(THTRG_OFF_PARAM), &PageMember<T, &T::m_nOffThreshold>, WRITE_ON_BOTH},
    };
    AddTimeBindings<T, &T::m_gate>(bindings, THTRG_GATE_SLOT);
    return bindings;
}

std::vector<PageBinding> HoursCounterBindings()
{
    using H = CHoursCounter;
    std::vector<PageBinding> bindings = {
        {Param(BLOCK_PROTECTION_PARAM), &PageMember<H, &H::m_bProtection>, WRITE_ON_BOTH},
        // Apply takes the operating time by the counter's inputs (CHoursCounter::MakeBlockWrite).
        {ParamEx(HCOUNTER_OT_HOURS_PARAMEX), &PageMember<H, &H::m_nOTHours>, WRITE_ON_OK},
        {ParamEx(HCOUNTER_OT_MINUTES_PARAMEX), &PageMember<H, &H::m_nOTMinutes>, WRITE_ON_OK},
        {ParamEx(HCOUNTER_RETAIN_OUTPUT_PARAMEX), &PageMember<H, &H::m_bOutputNotZero>, WRITE_ON_BOTH},
    };
    AddTimeBindings<H, &H::m_interval>(bindings, HCOUNTER_MI_SLOT);
    return bindings;
}

// The unit after the gate time changes with its reference; the page captions it itself.
const std::vector<ControlTextKey> kThresholdTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_PROTECTION, IDC_PROTECTION},
    {IDC_TT_REFERENCE, IDC_TT_REFERENCE},         {IDC_TT_THRESHOLD_GROUP, IDC_TT_THRESHOLD_GROUP},
    {IDC_TT_ON_LABEL, IDC_TT_ON_LABEL},           {IDC_TT_OFF_LABEL, IDC_TT_OFF_LABEL},
    {IDC_TT_TIME_GROUP, IDC_TT_TIME_GROUP}};

// The unit after the maintenance interval changes with its reference; the page captions it.
const std::vector<ControlTextKey> kHoursCounterTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL}, {IDC_RETENTIVE, IDC_RETENTIVE},
    {IDC_PROTECTION, IDC_PROTECTION},             {IDC_HC_REFERENCE, IDC_HC_REFERENCE},
    {IDC_HC_MI_GROUP, IDC_HC_MI_GROUP},           {IDC_HC_OT_GROUP, IDC_HC_OT_GROUP},
    {IDC_HC_OT_UNIT, IDC_HC_OT_UNIT},             {IDC_HC_OUTPUT_NOT_ZERO, IDC_HC_OUTPUT_NOT_ZERO}};

const SheetPage kDelayPage = {.pfnCreatePage = CreatePage<CSpecialFunPar>,
                              .bindings = SpecialFunParBindings(),
                              .textKeys = kOneTimeTexts,
                              .pHooks = &kDelayHooks};
// The wiping relay keeps its constant time when its sheet closes.
const SheetPage kWipingRelayPage = {
    .pfnCreatePage = CreatePage<CSpecialFunPar>, .bindings = SpecialFunParBindings(), .textKeys = kOneTimeTexts};
const SheetPage kTwoTimePage = {.pfnCreatePage = CreatePage<CSpecialFunPar2>,
                                .bindings = SpecialFunPar2Bindings(true, false),
                                .textKeys = kTwoTimeTexts};
const SheetPage kEdgeWipingRelayPage = {.pfnCreatePage = CreatePage<CSpecialFunPar2>,
                                        .bindings = SpecialFunPar2Bindings(true, true),
                                        .textKeys = kTwoTimeTexts};
const SheetPage kRandomGeneratorPage = {.pfnCreatePage = CreatePage<CSpecialFunPar2>,
                                        .bindings = SpecialFunPar2Bindings(false, false),
                                        .textKeys = kTwoTimeTexts};
const SheetPage kStairwayPage = {.pfnCreatePage = CreatePage<CSpecialPar3>,
                                 .bindings = SwitchBindings<CSpecialPar3>(),
                                 .pfnAfterWrite = MarkStandardWarning,
                                 .textKeys = kStairwayTexts};
const SheetPage kMultiFunctionPage = {.pfnCreatePage = CreatePage<CSpecialPar4>,
                                      .bindings = SwitchBindings<CSpecialPar4>(),
                                      .pfnAfterWrite = MarkStandardWarning,
                                      .textKeys = kMultiFunctionTexts};
const SheetPage kWeeklyPage = {.pfnCreatePage = CreatePage<CWeeklyGeneral>,
                               .bindings = WeeklyBindings(),
                               .extraPages = CamPages(),
                               .textKeys = kNameAndProtectionTexts,
                               .nMainTitleKey = TEXT_KEY_WEEKLY_GENERAL};
const SheetPage kYearlyPage = {
    .pfnCreatePage = CreatePage<CYearlyTimer>, .bindings = YearlyBindings(), .textKeys = kYearlyTexts};
const SheetPage kAvgvalPage = {.pfnCreatePage = CreatePage<CAVGVAL>,
                               .bindings = AvgvalBindings(),
                               .textKeys = {{IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL},
                                            {IDC_AVG_PROTECTION, IDC_PROTECTION},
                                            {IDC_AVG_RETENTIVE, IDC_RETENTIVE},
                                            {IDC_AVG_REFERENCE, IDC_TIME1_REFERENCE}}};
const SheetPage kThresholdPage = {.pfnCreatePage = CreatePage<CThresholdTrigger>,
                                  .bindings = ThresholdTriggerBindings(),
                                  .textKeys = kThresholdTexts};
const SheetPage kHoursCounterPage = {.pfnCreatePage = CreatePage<CHoursCounter>,
                                     .bindings = HoursCounterBindings(),
                                     .textKeys = kHoursCounterTexts};

const SheetTypeRow kRows[] = {
    {BT_DPR, &kDelayPage, 1075, 30, KeptTimeLiveValue},
    {BT_DDR, &kDelayPage, 1073, 30, KeptTimeLiveValue},
    {BT_MPLR, &kTwoTimePage, 1074, 30, TimeLiveValue},
    {BT_PLR, &kDelayPage, 1092, 30, KeptTimeLiveValue},
    {BT_CPG, &kWipingRelayPage, 1103, 30, KeptTimeLiveValue},
    {BT_RPR, &kEdgeWipingRelayPage, 1043, 30, TimeLiveValue},
    {BT_APG, &kTwoTimePage, 1034, 30, TimeLiveValue},
    {BT_RG, &kRandomGeneratorPage, 1089, 30, TimeLiveValue},
    {BT_SLS, &kStairwayPage, 1002, 50, TimeLiveValue},
    {BT_MFS, &kMultiFunctionPage, 1064, 50, TimeLiveValue},
    {BT_WT, &kWeeklyPage, 1110, 30, TimeLiveValue},
    {BT_YT, &kYearlyPage, 1107, 30, TimeLiveValue},
    {BT_HCOUNTER, &kHoursCounterPage, 1051, 30, HoursCounterValue},
    {BT_THTRG, &kThresholdPage, 1099, 30, ThresholdTriggerValue},
    {BT_AVGVAL, &kAvgvalPage, 1035, 30, AnalogLiveValue},
};

}  // namespace

std::span<const SheetTypeRow> TimerPageRows() { return kRows; }
