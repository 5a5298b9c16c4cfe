// The two halves of a connector pair: a Male beside the block that drives a wire, a Female
// beside the block it feeds, found by their numbers.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;
class CVetlaDoc;

BOOL IsConnectorBlock(const CBlockObj* pBlock);
// The number of a connector's partner: a Female's Male is 2000 below it, a Male's Female 2000
// above.
int PartnerNumber(const CBlockObj* pConnector);
CBlockObj* FindPartner(const CVetlaDoc& doc, const CBlockObj* pConnector);
// The start block of the wire into the connector (the block at the pair's far side), or null.
CBlockObj* FarBlockOfConnector(const CVetlaDoc& doc, CBlockObj* pConnector);
