#include "blocks/BlockPinKindTable.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"

int PinKindOf(int nType, int nPin)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    if (!pRow)
        return 0;
    if (nPin >= 0 && nPin < int(pRow->pins.nInputKinds.size()))
        return pRow->pins.nInputKinds[std::size_t(nPin)];
    return nPin == BLOCK_FIRST_OUTPUT ? pRow->pins.nOutputKind : 0;
}
