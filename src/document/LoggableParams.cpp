#include "document/LoggableParams.h"

#include "blocks/BlockTypeTable.h"

std::span<const int> LoggableParamIds(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->loggable : std::span<const int>();
}
