#include "document/WireNet.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"

bool Touches(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    return (line.m_pStartBlock == pBlock && line.m_nStartPin == nPin) ||
           (line.m_pEndBlock == pBlock && line.m_nEndPin == nPin);
}

bool TouchesBlock(const CConnectLineObj& line, const CBlockObj* pBlock)
{
    return line.m_pStartBlock == pBlock || line.m_pEndBlock == pBlock;
}

PinEnd FarEnd(const CConnectLineObj& line, const CBlockObj* pBlock, int nPin)
{
    if (line.m_pStartBlock == pBlock && line.m_nStartPin == nPin)
        return {line.m_pEndBlock, line.m_nEndPin};
    return {line.m_pStartBlock, line.m_nStartPin};
}

std::vector<CConnectLineObj*> WireNet::LinesAt(const CBlockObj* pBlock, int nPin) const
{
    if (!pBlock)
        return {};
    return LinesAtPin(m_doc, pBlock, nPin);
}

CBlockObj* WireNet::Rail() const
{
    return m_doc.m_powerBusList.IsEmpty() ? nullptr : static_cast<CBlockObj*>(m_doc.m_powerBusList.GetHead());
}

std::vector<int> WireNet::InputPins(const CBlockObj& block)
{
    std::vector<int> pins;
    for (int k = 0; k < block.m_nInputs && k < BLOCK_FIRST_OUTPUT; ++k)
        pins.push_back(k);
    return pins;
}

std::vector<int> WireNet::OutputPins(const CBlockObj& block) const
{
    if (&block == Rail())
        return {BLOCK_FIRST_OUTPUT};
    std::vector<int> pins;
    for (int k = 0; k < block.m_nOutputs && k < BLOCK_FIRST_OUTPUT; ++k)
        pins.push_back(BLOCK_FIRST_OUTPUT + k);
    return pins;
}

CBlockObj* WireNet::Partner(const CBlockObj& connector) const
{
    const bool bMale = connector.m_nType == BT_MALE;
    const int nNumber = connector.m_nNumber + (bMale ? NUM_FEMALE_OFFSET : -NUM_FEMALE_OFFSET);
    CBlockObj* pPartner = m_doc.FindBlockByNumber(nNumber);
    return pPartner && pPartner->m_nType == (bMale ? BT_FEMALE : BT_MALE) ? pPartner : nullptr;
}

const CConnectLineObj* WireNet::PartnerLine(const CBlockObj& connector) const
{
    CBlockObj* pPartner = Partner(connector);
    if (!pPartner)
        return nullptr;
    const int nPin = pPartner->m_nType == BT_MALE ? 0 : BLOCK_FIRST_OUTPUT;
    const std::vector<CConnectLineObj*> lines = LinesAt(pPartner, nPin);
    return lines.empty() ? nullptr : lines.front();
}

PinEnd WireNet::Across(const PinEnd& end) const
{
    const CConnectLineObj* pLine = end.pBlock ? PartnerLine(*end.pBlock) : nullptr;
    if (!pLine)
        return end;
    const CBlockObj* pPartner = Partner(*end.pBlock);
    return FarEnd(*pLine, pPartner, pPartner->m_nType == BT_MALE ? 0 : BLOCK_FIRST_OUTPUT);
}

PinEnd WireNet::FollowFemale(const PinEnd& end) const
{
    return end.pBlock && end.pBlock->m_nType == BT_FEMALE ? Across(end) : end;
}

PinEnd WireNet::FollowMale(const PinEnd& end) const
{
    return end.pBlock && end.pBlock->m_nType == BT_MALE ? Across(end) : end;
}

void WireNet::ClearVisited() const
{
    for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;)
        static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos))->m_bLoopFound = 0;
    if (CBlockObj* pRail = Rail())
        pRail->m_bLoopFound = 0;
}
