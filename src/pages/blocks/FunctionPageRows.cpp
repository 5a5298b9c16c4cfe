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
#include "pages/sheet/PageIds.h"

#include <initializer_list>

namespace {

template <class TPage>
CBlockPage* Create(int nType)
{
    return new TPage(nType);
}

struct FunctionPage {
    std::initializer_list<int> types;
    CBlockPage* (*pfnCreatePage)(int nType);
};

const FunctionPage kPages[] = {
    {{BT_DATALOG}, Create<CDataLog>},
    {{BT_AC}, Create<CAstroClock>},
    {{BT_ARRMXIV, BT_ACMXIV, BT_SMC, BT_SMCE, BT_PTO, BT_PTOE, BT_CRC16}, Create<CARRMXIV>},
    {{BT_QUAD}, Create<CQUAD>},
    {{BT_MATHERR}, Create<CMathErr>},
    {{BT_SW, BT_AFILTER, BT_LOG, BT_SQRT, BT_POW2, BT_EXP, BT_FIX, BT_ROUND, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC,
      BT_CSC},
     Create<CStopWatch>},
    {{BT_COUNTER, BT_ENCODER}, Create<CUpDownCounter>},
};

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

}  // namespace

bool BindFunctionPage(BlockPageRow& row)
{
    for (const FunctionPage& page : kPages) {
        for (int nType : page.types) {
            if (nType == row.nType) {
                row.pfnCreatePage = page.pfnCreatePage;
                if (nType == BT_COUNTER || nType == BT_ENCODER)
                    row.textKeys = kCounterTexts;
                else if (nType == BT_DATALOG)
                    row.textKeys = kDataLogTexts;
                else if (nType == BT_ARRMXIV || nType == BT_ACMXIV || nType == BT_CRC16)
                    row.textKeys = kRegisterRangeTexts;
                return true;
            }
        }
    }
    return false;
}
