#include "editor/DiagramEditHelpers.h"

#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"


CBlockObj* PowerRailOf(const CVetlaDoc& doc)
{
    if (!doc.IsLadder() || doc.m_powerBusList.IsEmpty())
        return nullptr;
    return static_cast<CBlockObj*>(doc.m_powerBusList.GetHead());
}

BOOL IsPowerBusLine(const CVetlaDoc& doc, const CConnectLineObj* pLine)
{
    const CBlockObj* pRail = PowerRailOf(doc);
    return pRail && pLine && (pLine->m_pStartBlock == pRail || pLine->m_pEndBlock == pRail);
}

BOOL IsLadderContact(int nType) { return IsLadderContactType(nType); }

BOOL OperandNamesBlock(int nOperand)
{
    constexpr int COIL_LAST = 21767;
    constexpr int AOUT_LAD_LAST = 22543;
    return (nOperand >= NUM_COIL && nOperand <= COIL_LAST) || (nOperand >= NUM_AOUT_LAD && nOperand <= AOUT_LAD_LAST) ||
           (nOperand >= NUM_FUNCTION_BLOCK && nOperand <= FUNCTION_BLOCK_LAST);
}
