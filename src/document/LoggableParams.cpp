#include "document/LoggableParams.h"

#include "blocks/BlockTypes.h"

#include <initializer_list>

namespace {

struct LoggableRow {
    std::initializer_list<int> types;
    std::initializer_list<int> ids;
};

const LoggableRow kRows[] = {
    {{BT_DPR, BT_DDR, BT_MPLR, BT_PLR, BT_CPG, BT_RPR, BT_APG, BT_SLS, BT_MFS}, {0}},
    {{BT_AC}, {78, 79}},
    {{BT_SW}, {81, 82, 83}},
    {{BT_COUNTER}, {16}},
    {{BT_HCOUNTER}, {20, 21, 66, 67}},
    {{BT_THTRG}, {22}},
    {{BT_ACOMP}, {28, 29, 30}},
    {{BT_ATHTRG, BT_AAMP}, {28}},
    {{BT_AWDOG}, {32, 28}},
    {{BT_ADTRG}, {28, 25}},
    {{BT_AMATH, BT_AMUX}, {70}},
    {{BT_ARAMP}, {102}},
    {{BT_PI}, {114, 115}},
    {{BT_PWM}, {117}},
    {{BT_AFILTER}, {89, 98}},
    {{BT_MAXMIN}, {89, 96, 97, 98}},
    {{BT_AVGVAL}, {93, 94}},
    {{BT_MATHERR}, {100, 101}},
    {{BT_BCD, BT_BIN, BT_NOTM, BT_SEG, BT_ABS, BT_GCD, BT_LCM}, {114}},
    {{BT_ROL, BT_ROR}, {118, 114}},
    {{BT_SHL, BT_SHR}, {119, 114}},
    {{BT_ANDM, BT_ORM, BT_NANDM, BT_NORM, BT_XORM}, {120, 114}},
    {{BT_ARRMXIV}, {95, 121, 114}},
    {{BT_ACMXIV}, {95, 114}},
    {{BT_RAND, BT_MOD, BT_REM, BT_FIX, BT_ROUND}, {122, 114}},
    {{BT_ENCODER}, {144, 140, 141, 142, 125}},
    {{BT_SMC}, {126}},
    {{BT_SMCE}, {126, 127}},
    {{BT_PTO}, {138}},
    {{BT_PTOE}, {138, 143}},
    {{BT_WORD2BIT}, {124}},
    {{BT_UDC}, {128}},
    {{BT_CRC16}, {129}},
    {{BT_LOG}, {122, 123, 114}},
    {{BT_SQRT, BT_POW2, BT_EXP, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD}, {123, 114}},
};

}  // namespace

std::span<const int> LoggableParamIds(int nType)
{
    for (const LoggableRow& row : kRows) {
        for (int n : row.types) {
            if (n == nType)
                return std::span<const int>(row.ids.begin(), row.ids.size());
        }
    }
    return {};
}
