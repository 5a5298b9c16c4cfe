#include "editor/PlacementRules.h"

#include "blocks/BlockTypeTable.h"

WORD PlacementProgramBytes(int nType, BOOL bNewGeneration)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    if (!pRow)
        return 0;
    return bNewGeneration ? pRow->placement.wBytesNewer : pRow->placement.wBytesOlder;
}

UINT PlacementRefusalId(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow ? pRow->placement.nRefusalId : 0;
}

BOOL IsPlaceableType(int nType)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    return pRow && pRow->placement.bPlaceable;
}
