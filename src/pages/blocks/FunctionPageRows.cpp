#include "pages/blocks/FunctionPageRows.h"

#include "blocks/BlockTypes.h"
#include "pages/blocks/ARRMXIVPage.h"
#include "pages/blocks/AstroClockPage.h"
#include "pages/blocks/DataLogPage.h"
#include "pages/blocks/MathErrPage.h"
#include "pages/blocks/QuadPage.h"
#include "pages/blocks/StopWatchPage.h"
#include "pages/blocks/FunctionPageIds.h"
#include "pages/blocks/UpDownCounterPage.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/LiveValues.h"
#include "pages/sheet/PageIds.h"

namespace {

// The counter's controls are captioned by the texts under their own ids.
const std::vector<ControlTextKey> kCounterTexts = {
    {IDC_BLOCK_NAME_LABEL, IDC_BLOCK_NAME_LABEL},
    {IDC_RETENTIVITY, IDC_RETENTIVITY},
    {IDC_PROTECTION, IDC_PROTECTION},
    {IDC_COUNTER_REF_ON, IDC_COUNTER_REF_ON},
    {IDC_COUNTER_REF_OFF, IDC_COUNTER_REF_OFF},
    {IDC_COUNTER_ON_GROUP, IDC_COUNTER_ON_GROUP},
    {IDC_COUNTER_OFF_GROUP, IDC_COUNTER_OFF_GROUP},
    {IDC_COUNTER_START_LABEL, IDC_COUNTER_START_LABEL},
    {IDC_COUNTER_SOURCE_LABEL, IDC_COUNTER_SOURCE_LABEL},
};

// The data log's list captions.
const std::vector<ControlTextKey> kDataLogTexts = {{IDC_LOG_BLOCK_LABEL, TEXT_KEY_BLOCK_LABEL},
                                                   {IDC_LOG_PARAM_LABEL, IDC_LOG_PARAM_LABEL}};

// The register-range pages whose rows stay "Data Address" and "Count" (the motor and pulse
// pages name the second row otherwise).
const std::vector<ControlTextKey> kRegisterRangeTexts = {{IDC_ARR_AREA_LABEL, TEXT_KEY_DATA_ADDRESS},
                                                         {IDC_ARR_COUNT_LABEL, TEXT_KEY_COUNT}};

const SheetPage kDataLogPage = {.pfnCreatePage = CreatePage<CDataLog>, .textKeys = kDataLogTexts};
const SheetPage kAstroClockPage = {.pfnCreatePage = CreatePage<CAstroClock>};
const SheetPage kRegisterRangePage = {.pfnCreatePage = CreatePage<CARRMXIV>, .textKeys = kRegisterRangeTexts};
// The motor and pulse blocks name the register rows otherwise.
const SheetPage kMotorPulsePage = {.pfnCreatePage = CreatePage<CARRMXIV>};
const SheetPage kQuadPage = {.pfnCreatePage = CreatePage<CQUAD>};
const SheetPage kMathErrPage = {.pfnCreatePage = CreatePage<CMathErr>};
const SheetPage kStopWatchPage = {.pfnCreatePage = CreatePage<CStopWatch>};
const SheetPage kCounterPage = {.pfnCreatePage = CreatePage<CUpDownCounter>, .textKeys = kCounterTexts};

const SheetTypeRow kRows[] = {
    {BT_SW, &kStopWatchPage, 1001, 30, TimeLiveValue},
    {BT_AC, &kAstroClockPage, 1033, 30, TimeLiveValue},
    {BT_COUNTER, &kCounterPage, 1101, 30, WordLiveValue<kWordRight6>},
    {BT_AFILTER, &kStopWatchPage, 1022, 30, AnalogLiveValue},
    {BT_MATHERR, &kMathErrPage, 1056, 30, TimeLiveValue},
    {BT_ARRMXIV, &kRegisterRangePage, 1032, 30, WordLiveValue<kWordPlain>},
    {BT_ACMXIV, &kRegisterRangePage, 1018, 30, WordLiveValue<kWordPlain>},
    {BT_ENCODER, &kCounterPage, 1044, 30, WordLiveValue<kWordRight6>},
    {BT_SMC, &kMotorPulsePage, 1003},
    {BT_SMCE, &kMotorPulsePage, 1004},
    {BT_PTO, &kMotorPulsePage, 1083},
    {BT_PTOE, &kMotorPulsePage, 1084},
    {BT_CRC16, &kRegisterRangePage, 1040, 30, WordLiveValue<kWordHex4, 0xFFFF>},
    {BT_LOG, &kStopWatchPage, 1055, 30, WordLiveValue<kWordPlain>},
    {BT_SQRT, &kStopWatchPage, 1005, 30, WordLiveValue<kWordPlain>},
    {BT_POW2, &kStopWatchPage, 1082, 30, WordLiveValue<kWordPlain>},
    {BT_EXP, &kStopWatchPage, 1046, 30, WordLiveValue<kWordPlain>},
    {BT_FIX, &kStopWatchPage, 1047, 30, WordLiveValue<kWordPlain>},
    {BT_ROUND, &kStopWatchPage, 1095, 30, WordLiveValue<kWordPlain>},
    {BT_SIN, &kStopWatchPage, 1006, 30, WordLiveValue<kWordPlain>},
    {BT_COS, &kStopWatchPage, 1038, 30, WordLiveValue<kWordPlain>},
    {BT_TAN, &kStopWatchPage, 1000, 30, WordLiveValue<kWordPlain>},
    {BT_COT, &kStopWatchPage, 1039, 30, WordLiveValue<kWordPlain>},
    {BT_SEC, &kStopWatchPage, 1096, 30, WordLiveValue<kWordPlain>},
    {BT_CSC, &kStopWatchPage, 1041, 30, WordLiveValue<kWordPlain>},
    {BT_QUAD, &kQuadPage, 1087, 30, WordLiveValue<kWordPlain>},
    {BT_DATALOG, &kDataLogPage, 1042},
};

}  // namespace

std::span<const SheetTypeRow> FunctionPageRows() { return kRows; }
