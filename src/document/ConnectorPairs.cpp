#include "document/ConnectorPairs.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

// By type code: the block factory makes the halves of a pair as plain blocks.
BOOL IsConnectorBlock(const CBlockObj* pBlock)
{
    return pBlock && (pBlock->m_nType == BT_MALE || pBlock->m_nType == BT_FEMALE);
}

int PartnerNumber(const CBlockObj* pConnector)
{
    return pConnector->m_nNumber + (pConnector->m_nType == BT_FEMALE ? -NUM_FEMALE_OFFSET : NUM_FEMALE_OFFSET);
}

CBlockObj* FindPartner(const CVetlaDoc& doc, const CBlockObj* pConnector)
{
    if (!IsConnectorBlock(pConnector))
        return nullptr;
    CBlockObj* pPartner = doc.FindBlockByNumber(PartnerNumber(pConnector));
    return IsConnectorBlock(pPartner) ? pPartner : nullptr;
}

CBlockObj* FarBlockOfConnector(const CVetlaDoc& doc, CBlockObj* pConnector)
{
    const CConnectLineObj* pLine = doc.FindLineToConnector(pConnector);
    return pLine ? pLine->m_pStartBlock : nullptr;
}
