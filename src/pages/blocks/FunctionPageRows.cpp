#include "pages/blocks/FunctionPageRows.h"

#include "blocks/BlockTypes.h"
#include "pages/blocks/ARRMXIVPage.h"
#include "pages/blocks/AstroClockPage.h"
#include "pages/blocks/DataLogPage.h"
#include "pages/blocks/MathErrPage.h"
#include "pages/blocks/QuadPage.h"
#include "pages/blocks/StopWatchPage.h"
#include "pages/blocks/UpDownCounterPage.h"
#include "pages/sheet/BlockPageRegistry.h"

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

}  // namespace

bool BindFunctionPage(BlockPageRow& row)
{
    for (const FunctionPage& page : kPages) {
        for (int nType : page.types) {
            if (nType == row.nType) {
                row.pfnCreatePage = page.pfnCreatePage;
                return true;
            }
        }
    }
    return false;
}
