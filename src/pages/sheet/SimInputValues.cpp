#include "pages/sheet/SimInputValues.h"

#include "blocks/BlockIn.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kDigitalAutoMax = 9999;

}  // namespace

void NormaliseDigitalSimInput(SimInputValues& values)
{
    if (values.nAuto && values.nKind == SIM_INPUT_FREQUENCY) {
        values.nMin = 0;
        values.nMax = kDigitalAutoMax;
    }
    if (values.nMax < values.nMin)
        std::swap(values.nMin, values.nMax);
    values.nValue = std::clamp(values.nValue, values.nMin, values.nMax);
}

SimInputValues ReadBlockSimInput(const CBlockObj& block)
{
    return {block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX], block.m_nAux[INPUT_SIM_VALUE_AUX],
            block.m_nAux[BLOCK_VALUE_MIN_AUX], block.m_nAux[BLOCK_VALUE_MAX_AUX],
            block.m_nParamEx[INPUT_SIM_MODE_PARAMEX]};
}

void WriteBlockSimInput(CBlockObj& block, const SimInputValues& values)
{
    block.m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = values.nAuto;
    block.m_nAux[INPUT_SIM_VALUE_AUX] = values.nValue;
    block.m_nAux[BLOCK_VALUE_MIN_AUX] = values.nMin;
    block.m_nAux[BLOCK_VALUE_MAX_AUX] = values.nMax;
    block.m_nParamEx[INPUT_SIM_MODE_PARAMEX] = values.nKind;
}

OperandSimRecord ToOperandRecord(const SimInputValues& values)
{
    return {values.nAuto, values.nValue, values.nMin, values.nMax, values.nKind};
}

SimInputValues FromOperandRecord(const OperandSimRecord& record)
{
    return {record.nKind, record.nValue, record.nMin, record.nMax, record.nMode};
}
